#include "ui/common/BoxText.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace zb::ui {

namespace {

constexpr const char* kTypedLimit = "zbTypedMaxLength";

int TypedLimit(const QLineEdit* box) {
  const QVariant limit = box->property(kTypedLimit);
  return limit.isValid() ? limit.toInt() : box->maxLength();
}

// Qt cuts a text longer than the limit whenever the limit is set, so the
// limit never drops below the text standing in the box.
void FitLimit(QLineEdit* box, qsizetype standingLength) {
  box->setMaxLength(std::max(TypedLimit(box), static_cast<int>(standingLength)));
}

}  // namespace

void LimitTypedLength(QLineEdit* box, int maxLength) {
  box->setProperty(kTypedLimit, maxLength);
  box->setMaxLength(maxLength);
  // Once the user's edits bring a long text down, the typing limit is back.
  QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) { FitLimit(box, text.size()); });
}

void SetBoxText(QLineEdit* box, const QString& text) {
  // Widen first: a limit below the new text would cut it.
  if (text.size() > box->maxLength()) box->setMaxLength(static_cast<int>(text.size()));
  box->setText(text);
  FitLimit(box, text.size());
}

}  // namespace zb::ui
