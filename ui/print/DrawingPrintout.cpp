#include "ui/print/DrawingPrintout.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <vector>

#include "core/beam/BandTable.h"
#include "core/numbers/RuntimeError.h"
#include "locale/LocaleText.h"
#include "ui/drawing/WmfPicture.h"
#include "ui/platform/UiPlatform.h"
#include "ui/print/DrawingPrintFrame.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrintSteps.h"

namespace zb::ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;

std::int16_t Twips16(double twips) {
  std::int16_t rounded = 0;
  if (!RoundToInt16(twips, rounded)) Raise(kOverflow);
  return rounded;
}

// The sketch as large as fits in width x height (twips), in its own
// proportions: stretched to the frame's, its 45-degree corners would bend.
QSizeF FittedSize(const QSize& natural, double width, double height) {
  if (natural.isEmpty()) return {width, height};
  return QSizeF(natural).scaled(width, height, Qt::KeepAspectRatio);
}

// Twips to the printer's dots.
double Dots(QPainter& painter, double twips) {
  return twips * painter.device()->logicalDpiX() / kTwipsPerInch;
}

// The title in the page's top left corner, over the drawing.
void PrintTitle(QPainter& painter) {
  QFont font(QStringLiteral("Arial"), 10);
  font.setStyleHint(QFont::SansSerif);
  painter.setFont(font);
  painter.drawText(QPointF(0, painter.fontMetrics().ascent()), QStringLiteral(" Kalvex-Zelvar-Beam"));
}

}  // namespace

std::int16_t PrintedSide(std::int16_t frameSide, std::int16_t pageSide) {
  return frameSide > pageSide ? Twips16(0.9 * pageSide) : frameSide;
}

void PrintDrawing(UiPlatform& platform, DrawingPrintFrame& frame) {
  if (platform.MessageBox(U8(QCoreApplication::translate("Printout", "Kann die Zeichnung gedruckt werden? ")),
                          MsgButtons::OkCancel, MsgIcon::Question,
                          U8(QCoreApplication::translate("Printout", " Zeichnung "))) != MsgResult::Ok)
    return;

  PrintJob job(platform);
  std::int16_t pageWidth = 0, pageHeight = 0, width = 0, height = 0;
  const std::vector<PrintStep> steps = {
      {"Hourglass", [&] { platform.SetHourglass(true); }},
      {"RestoreNormalState",
       [&] {
         if (!frame.IsMaximised()) return;
         frame.ShowNormal();
         platform.DoEvents();
       }},
      {"ReadPageSize",
       [&] {
         // The printable area, where the printer's (0, 0) is.
         const QRectF page = job.Printer().pageLayout().paintRect(QPageLayout::Inch);
         pageWidth = Twips16(page.width() * kTwipsPerInch);
         pageHeight = Twips16(page.height() * kTwipsPerInch);
       }},
      {"ReadFrameSize",
       [&] {
         width = Twips16(frame.InnerWidthTwips());
         height = Twips16(frame.InnerHeightTwips());
       }},
      {"ShrinkWidth", [&] { width = PrintedSide(width, pageWidth); }},
      {"ShrinkHeight", [&] { height = PrintedSide(height, pageHeight); }},
      {"DrawPicture",
       [&] {
         QPainter& painter = job.Painter();
         const QSizeF size = FittedSize(frame.Picture().NaturalSizeTwips(), width, height);
         frame.Picture().Render(painter,
                                QRectF(0, 0, Dots(painter, size.width()), Dots(painter, size.height())));
       }},
      {"PrintTitle", [&] { PrintTitle(job.Painter()); }},
      {"LetEventsRun", [&] { platform.DoEvents(); }},
      {"EndPrintJob", [&] { job.End(); }},
      {"LetEventsRunAgain", [&] { platform.DoEvents(); }},
      {"DefaultPointer", [&] { platform.SetHourglass(false); }},
  };
  RunPrintSteps(platform, steps);
}

}  // namespace zb::ui
