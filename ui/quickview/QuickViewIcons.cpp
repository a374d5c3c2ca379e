#include "ui/quickview/QuickViewIcons.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace zb::ui {

namespace {

using Painting = std::function<void(QPainter&)>;

// Draws on a 16 × 16 grid, at 16 and 32 pixels.
QIcon Drawn(const Painting& paint) {
  QIcon icon;
  for (const int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 16.0, size / 16.0);
    paint(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void Letter(QPainter& painter, const QString& letter, bool bold, bool italic, bool serif,
            const QRectF& box = QRectF(0, 0, 16, 15)) {
  QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
  font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  font.setPixelSize(14);
  font.setBold(bold);
  font.setItalic(italic);
  painter.setFont(font);
  painter.setPen(QColor(20, 20, 20));
  painter.drawText(box, Qt::AlignCenter, letter);
}

void Printer(QPainter& painter) {
  const QColor outline(60, 60, 60);
  painter.setPen(QPen(outline, 1));
  // Paper going in at the top.
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4.5, 1.5, 7, 5));
  // Body.
  painter.setBrush(QColor(170, 170, 175));
  painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
  // Printed sheet coming out at the front, with two lines of text.
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4.5, 10.5, 7, 4.5));
  painter.setPen(QPen(QColor(90, 90, 90), 0.8));
  painter.drawLine(QPointF(5.5, 12.2), QPointF(10.5, 12.2));
  painter.drawLine(QPointF(5.5, 13.7), QPointF(9.0, 13.7));
  // Power lamp.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 170, 60));
  painter.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

}  // namespace

QIcon QuickViewButtonImage(const QString& key, const QStyle* style) {
  if (key == QLatin1String("Open")) return style ? style->standardIcon(QStyle::SP_DialogOpenButton) : QIcon();
  if (key == QLatin1String("Save")) return style ? style->standardIcon(QStyle::SP_DialogSaveButton) : QIcon();
  if (key == QLatin1String("Print")) return Drawn(Printer);
  if (key == QLatin1String("Font"))
    return Drawn([](QPainter& p) {
      Letter(p, QStringLiteral("A"), false, false, true, QRectF(0, -1, 16, 13));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 30, 30));
      p.drawRect(QRectF(2, 12.5, 12, 2.5));
    });
  // The letters say the style's name in the interface's language: F(ett) and
  // K(ursiv) in German, B(old) and I(talic) in English.
  if (key == QLatin1String("Bold")) {
    const QString letter = QCoreApplication::translate("QuickViewIcons", "F");
    return Drawn([letter](QPainter& p) { Letter(p, letter, true, false, false); });
  }
  if (key == QLatin1String("Kursiv")) {
    const QString letter = QCoreApplication::translate("QuickViewIcons", "K");
    return Drawn([letter](QPainter& p) { Letter(p, letter, false, true, true); });
  }
  if (key == QLatin1String("Underline"))
    return Drawn([](QPainter& p) {
      Letter(p, QStringLiteral("U"), false, false, false, QRectF(0, -1, 16, 14));
      p.setPen(QPen(QColor(20, 20, 20), 1.2));
      p.drawLine(QPointF(3.5, 14.5), QPointF(12.5, 14.5));
    });
  return QIcon();
}

}  // namespace zb::ui
