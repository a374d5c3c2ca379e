#include "core/numbers/RuntimeError.h"

#include "core/shared/Translate.h"

namespace zb {

std::string ErrorDescription(int number) {
  switch (number) {
    case kInvalidCall:
      return Tr("RuntimeError", "Ungültiger Prozeduraufruf oder ungültiges Argument");
    case kOverflow:
      return Tr("RuntimeError", "Überlauf");
    case kOutOfRange:
      return Tr("RuntimeError", "Index außerhalb des gültigen Bereichs");
    case kDivisionByZero:
      return Tr("RuntimeError", "Division durch Null");
    case kFileNotFound:
      return Tr("RuntimeError", "Datei nicht gefunden");
    case kDiskFull:
      return Tr("RuntimeError", "Datenträger voll");
    case kPermissionDenied:
      return Tr("RuntimeError", "Zugriff verweigert");
    case kPathFileAccess:
      return Tr("RuntimeError", "Fehler beim Zugriff auf Pfad/Datei");
    case kPathNotFound:
      return Tr("RuntimeError", "Pfad nicht gefunden");
    case kInvalidPicture:
      return Tr("RuntimeError", "Ungültiges Bild");
    default:
      return Tr("RuntimeError", "Anwendungs- oder objektdefinierter Fehler");
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
