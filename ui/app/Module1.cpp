#include "ui/app/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/frame/MDIForm1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/quickview/frmRTF.h"

#ifndef ZB_DATA_DIR
#define ZB_DATA_DIR "/usr/local/share/zelvar-beam"
#endif

namespace zb::ui {

Module1::Module1(UiPlatform& platform) : platform_(platform) {}

Module1::~Module1() {
  delete rtf_.data();
  delete frame_.data();  // the frame owns the child windows
}

MDIForm1& Module1::Frame() {
  if (!frame_) {
    frame_ = new MDIForm1(*this);
    frame_->MDIForm_Load();
  }
  return *frame_;
}

frmHauptform& Module1::Hauptform() {
  if (!hauptform_) {
    hauptform_ = new frmHauptform(*this);
    Frame().AddChildWindow(hauptform_);
    hauptform_->Form_Load();
  }
  return *hauptform_;
}

frmRTF& Module1::Rtf() {
  if (!rtf_) {
    rtf_ = new frmRTF(*this);
    RegisterWindow(rtf_);
    rtf_->Form_Load();
  }
  return *rtf_;
}

void Module1::RegisterWindow(QWidget* window) {
  std::erase_if(loadedWindows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  loadedWindows_.emplace_back(window);
}

QString Module1::FindDataFile(const QString& name) const {
  const QStringList folders = {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                               InstalledDataFolder()};
  return FindFileIn(folders, name, name);
}

QString Module1::FindFileIn(const QStringList& folders, const QString& name, const QString& otherwise) {
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return otherwise;
}

QString Module1::InstalledDataFolder() { return QStringLiteral(ZB_DATA_DIR); }

}  // namespace zb::ui
