#include "ui/common/Controls.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace zb::ui {

QLabel* NewLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromUtf8(name));
  return label;
}

void NameAfterCaption(QWidget* control, const QLabel* caption) {
  QString name = caption->text();
  // "&&" stands for an ampersand, a single one marks the access key.
  for (qsizetype i = name.indexOf(u'&'); i >= 0 && i < name.size(); i = name.indexOf(u'&', i + 1))
    name.remove(i, 1);
  control->setAccessibleName(name);
}

QLabel* NewPlainLabel(const char* name, QWidget* parent) {
  QLabel* label = NewLabel(name, QString(), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* NewValueLabel(const char* name, QWidget* parent) {
  QLabel* label = NewPlainLabel(name, parent);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Base);  // the window background of boxes and lists
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setIndent(3);
  return label;
}

QLabel* NewNotePanel(const char* name, int margin, QWidget* parent) {
  QLabel* label = NewPlainLabel(name, parent);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::ToolTipBase);
  label->setForegroundRole(QPalette::ToolTipText);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setMargin(margin);
  return label;
}

QLineEdit* NewBox(const char* name, const QString& toolTip, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  if (!toolTip.isEmpty()) box->setToolTip(toolTip);
  return box;
}

QGroupBox* NewGroup(const char* name, const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QString::fromUtf8(name));
  return group;
}

QFont TahomaFont() {
  QFont tahoma(QStringLiteral("Tahoma"));
  tahoma.setStyleHint(QFont::SansSerif);
  return tahoma;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->foregroundRole(), colour);  // in every colour group
  widget->setPalette(palette);
}

void SetTextColour(QWidget* widget, zb::TextColour colour) {
  if (colour == zb::TextColour::Red) {
    SetTextColour(widget, QColor(255, 0, 0));
    return;
  }
  // Normal: the widget keeps every colour it set itself but this one.
  const QPalette::ColorRole role = widget->foregroundRole();
  const QPalette own = widget->palette();
  QPalette kept;  // no role set: what is not set comes from the parent and the theme
  for (int g = 0; g < QPalette::NColorGroups; ++g)
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto other = static_cast<QPalette::ColorRole>(r);
      if (other != role && own.isBrushSet(group, other)) kept.setBrush(group, other, own.brush(group, other));
    }
  widget->setPalette(kept);
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* const* widgets = order.begin();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(widgets[i], widgets[i + 1]);
}

}  // namespace zb::ui
