#pragma once
// The beam command's options, one table: each row of its --help together with
// what the option does to the call. Options act on the form in the order
// given, as a user's inputs would.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/HeadlessBeamForm.h"
#include "cli/Usage.h"

namespace zb {

// One option acting on the form; a typing option remembers what was given,
// so that characters the form's rules drop can be named.
struct FormAction {
  std::function<void(HeadlessBeamForm&)> run;
  std::string option;  // "--frequenz"; empty for clicks
  std::string given;   // the text as given on the command line

  void operator()(HeadlessBeamForm& form) const { run(form); }
};

// What a call of the beam command asks for.
struct BeamCall {
  std::vector<FormAction> actions;  // in the order given
  bool strict = false;
  bool dreiQuertraeger = true;
  bool json = false;
  bool answerYes = false;
  bool help = false;
  std::optional<std::string> vfHeight;
  std::optional<std::string> vfDiameter;
  bool groundCorrection = false;
};

struct BeamOption {
  // Takes the option's name and its value ("" for a switch); a UsageError
  // names a value it refuses.
  using Apply = std::function<void(BeamCall&, const std::string& option, const std::string& value)>;
  UsageRow row;
  Apply apply;
};

// Reads the arguments by the table; a UsageError names what is wrong.
BeamCall ReadBeamCall(const std::vector<std::string>& args);

}  // namespace zb
