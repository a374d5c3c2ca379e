#include "core/numbers/RuntimeError.h"

namespace zb {

std::string ErrorDescription(int number) {
  switch (number) {
    case kInvalidCall:
      return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case kOverflow:
      return "Überlauf";
    case kOutOfRange:
      return "Index außerhalb des gültigen Bereichs";
    case kDivisionByZero:
      return "Division durch Null";
    case kFileNotFound:
      return "Datei nicht gefunden";
    case kDiskFull:
      return "Datenträger voll";
    case kPermissionDenied:
      return "Zugriff verweigert";
    case kPathFileAccess:
      return "Fehler beim Zugriff auf Pfad/Datei";
    case kPathNotFound:
      return "Pfad nicht gefunden";
    case kInvalidPicture:
      return "Ungültiges Bild";
    default:
      return "Anwendungs- oder objektdefinierter Fehler";
  }
}

std::string NumberText(int number) { return (number >= 0 ? " " : "") + std::to_string(number); }

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(std::to_string(number) + " " + description),
      number_(number),
      description_(std::move(description)) {}

void Raise(int number) { throw RuntimeError(number); }

}  // namespace zb
