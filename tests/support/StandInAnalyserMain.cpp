// zb-standin-analyser: the stand-in analyser as a program of its own, for the
// desktop test. Prints the pseudo terminal's path on one line and answers on
// it until SIGTERM or SIGINT.
//
//   zb-standin-analyser [--firmware modern|old|old-numbered|question-prompt]
//                       [--resonanz MHZ] [--fehler NAME] [--punkt K]

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/numbers/CLocale.h"
#include "tests/support/StandInAnalyser.h"

namespace {

int Refuse(const std::string& what) {
  std::cerr
      << "zb-standin-analyser: " << what << "\n"
      << "usage: zb-standin-analyser [--firmware modern|old|old-numbered|question-prompt] [--resonanz MHZ]\n"
         "       [--fehler none|silent|binary|unparsable|usage|few-lines|unplugged|falls-silent|trickle]"
         " [--punkt K]\n";
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  zb::test::StandInSetup setup;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) return Refuse("no value for " + option);
    const std::string value = argv[++i];
    if (option == "--firmware") {
      const auto firmware = zb::test::StandInFirmwareNamed(value);
      if (!firmware) return Refuse("unknown firmware " + value);
      setup.firmware = *firmware;
    } else if (option == "--fehler") {
      const auto fault = zb::test::StandInFaultNamed(value);
      if (!fault) return Refuse("unknown fault " + value);
      setup.fault = *fault;
    } else if (option == "--resonanz") {
      setup.resonanceMHz = strtod_l(value.c_str(), nullptr, zb::CLocale());
      if (!(setup.resonanceMHz > 0)) return Refuse("--resonanz wants MHz above 0");
    } else if (option == "--punkt") {
      setup.faultPoint = std::atoi(value.c_str());
    } else {
      return Refuse("unknown option " + option);
    }
  }
  // Blocked before the serving thread starts, so that only sigwait sees them.
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);
  zb::test::StandInAnalyser analyser(setup);
  std::cout << analyser.Path() << std::endl;
  int signal = 0;
  sigwait(&ending, &signal);
  return 0;
}
