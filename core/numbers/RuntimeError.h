#pragma once
// Run-time errors as the user sees them: a number and a German description.
// Core raises them where arithmetic or a file operation fails; the calculation
// run shows them in its " Fehler " box.

#include <stdexcept>
#include <string>

namespace zb {

enum ErrorNumber : int {
  kInvalidCall = 5,        // "Ungültiger Prozeduraufruf oder ungültiges Argument"
  kOverflow = 6,           // "Überlauf"
  kOutOfRange = 9,         // "Index außerhalb des gültigen Bereichs"
  kDivisionByZero = 11,    // "Division durch Null"
  kFileNotFound = 53,      // "Datei nicht gefunden"
  kDiskFull = 61,          // "Datenträger voll"
  kPermissionDenied = 70,  // "Zugriff verweigert"
  kPathFileAccess = 75,    // "Fehler beim Zugriff auf Pfad/Datei"
  kPathNotFound = 76,      // "Pfad nicht gefunden"
  kInvalidPicture = 481,   // "Ungültiges Bild"
};

// The German description of an error number ("Anwendungs- oder objektdefinierter
// Fehler" for numbers without a text of their own).
std::string ErrorDescription(int number);

// The program's number-to-text form: a leading blank before numbers >= 0.
std::string NumberText(int number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number);
  RuntimeError(int number, std::string description);

  int Number() const { return number_; }
  const std::string& Description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

[[noreturn]] void Raise(int number);

}  // namespace zb
