#pragma once
// The result quick view: a small rich-text editor for the report, in a
// window of its own. It loads, edits, searches, stores and prints text; it
// does not interpret the report.

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "ui/app/TextViewWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"
#include "ui/quickview/QuickViewRules.h"

class QLabel;
class QPrinter;
class QTextCursor;
class QTextDocument;
class QTextEdit;
class QToolBar;

namespace zb::ui {

class Module1;
class StatusPanels;

// The filter of the open and save dialogs.
inline constexpr const char* kQuickViewFileFilter =
    "Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*";

class frmRTF : public QMainWindow, public TextViewWindow {
  Q_OBJECT

 public:
  // The document "&Drucken" puts on the printer: an empty line first, then
  // the whole text or (selection given) the selection, laid out on the
  // printer's pages so that no page-number footer is added.
  static std::unique_ptr<QTextDocument> DocumentForPrinter(const QTextDocument& source,
                                                           const QTextCursor* selection, QPrinter& printer);

  static constexpr std::string_view kWindowClass = window_class::kQuickView;

  explicit frmRTF(Module1& module);
  ~frmRTF() override;

  // Window events.
  void Form_Load();
  void Form_Activate();
  void Form_Resize();
  void Form_QueryUnload(bool& cancel);

  // Menu commands.
  void OnOpenClicked();
  void OnSaveClicked();
  void OnFindClicked();
  void OnFindNextClicked();
  void OnPrintClicked();
  void OnCloseClicked();
  void OnFontClicked();
  void OnStandardViewClicked();
  void OnListingViewClicked();
  void OnTextViewClicked();
  void OnQuickHelpClicked();
  void OnInfoClicked();

  // Toolbar buttons, by the button's key; other keys do nothing.
  void OnFileButtonClicked(const QString& key);
  void OnFormatButtonClicked(const QString& key);

  // The text area's click and key press: the text counts as changed.
  void OnTextClicked();
  void RichTextBox1_KeyPress();

  // What ShowTextFile does with the window. The font name goes to the whole
  // text and to text typed or loaded later.
  void SetTextFontName(const QString& family) override;
  // Loads the file into the text area: rich text with its formatting, any
  // other file as Windows-1252 plain text. 0, or the error number; on an
  // error the text area keeps its content.
  int LoadTextFile(const QString& fileName) override;

  QTextEdit* TextBox() const { return textBox_; }
  std::int16_t ViewWidth() const { return viewWidth_; }
  bool TextModified() const { return textModified_; }
  // The name under which the shown file was loaded.
  QString FileName() const { return fileName_; }
  // Panel 1 of StatusBar1.
  QString StatusText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class SaveResult { Saved, Cancelled, Failed };

  void BuildMenus();
  void BuildToolbars();
  void LayOutClientArea();
  double ScreenWidthTwips() const;
  double ScreenHeightTwips() const;

  SaveResult SaveAsRichText();
  void PrintText();
  // Takes a successfully read document as the text area's content.
  void TakeDocument(QTextDocument* document);
  // Whole-text font; a size of 0 keeps every size.
  void SetWholeTextFont(const QString& family, double pointSize);
  void ShowAgain();

  void SetBold();
  void SetItalic();
  void SetUnderline();
  void SearchText(bool again);

  Module1& module_;
  HandlerGuard guarded_;
  QWidget* client_ = nullptr;
  QToolBar* fileToolbar_ = nullptr;
  QToolBar* formatToolbar_ = nullptr;
  std::array<QWidget*, 2> rules_{};
  QTextEdit* textBox_ = nullptr;
  StatusPanels* statusBar_ = nullptr;

  std::int16_t viewWidth_ = kDefaultViewWidth;  // twips
  bool textModified_ = false;
  QString fileName_;
};

}  // namespace zb::ui
