#include "ui/common/BoxText.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace zb::ui {

namespace {

// Refuses an edit whose text is longer than both the limit and the text that
// stood in the box before it: the user may shorten a long text the program
// wrote, never lengthen a text beyond the limit. A paste that does not fit is
// refused whole, as a typed key at the limit is.
class TypedLength final : public QValidator {
 public:
  TypedLength(int limit, QLineEdit* box) : QValidator(box), limit_(limit), standing_(box->text().size()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { standing_ = text.size(); });
  }

  State validate(QString& input, int& /*pos*/) const override {
    return input.size() <= std::max<qsizetype>(limit_, standing_) ? Acceptable : Invalid;
  }

  // The program's own text stands before Qt validates it, so it is
  // acceptable input (Enter and editing-finished still answer).
  void Admit(qsizetype length) { standing_ = std::max(standing_, length); }

 private:
  int limit_;
  qsizetype standing_;
};

TypedLength* LimitOf(QLineEdit* box) {
  return dynamic_cast<TypedLength*>(const_cast<QValidator*>(box->validator()));
}

}  // namespace

void LimitTypedLength(QLineEdit* box, int maxLength) { box->setValidator(new TypedLength(maxLength, box)); }

void SetBoxText(QLineEdit* box, const QString& text) {
  if (TypedLength* limit = LimitOf(box)) limit->Admit(text.size());
  box->setText(text);
}

}  // namespace zb::ui
