#pragma once
// The C library's "C" locale, for numbers that go to or come from files and
// libraries: those always use a decimal point, whatever the user's desktop
// shows. (Qt applications switch the process to the user's locale at start,
// and a German locale makes printf write "12,5".)

#include <locale.h>

namespace zb {

// The "C" locale, created once and never freed.
locale_t CLocale();

// Makes the calling thread format and parse numbers in the "C" locale for
// the scope's lifetime, for libraries that print with printf or read with
// strtod; the thread's previous locale comes back at its end.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace zb
