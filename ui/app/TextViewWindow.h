#pragma once
// What the module asks of the quick view to show a text file in it, without
// the quick view's header.

#include <QString>

namespace zb::ui {

class TextViewWindow {
 public:
  virtual ~TextViewWindow() = default;

  // The font name for the whole text and for text typed or loaded later.
  virtual void SetTextFontName(const QString& family) = 0;
  // Loads the file into the text area: 0, or the error number.
  virtual int LoadTextFile(const QString& fileName) = 0;
};

}  // namespace zb::ui
