#include <QFileInfo>

#include "ui/Module1.h"

namespace zb::ui {

bool Module1::CheckFileExists(const QString& path) { return QFileInfo::exists(path); }
QString Module1::FindViewer(const QString&) { return QString(); }
void Module1::OpenWithViewer(const QString&, QString&) {}

}  // namespace zb::ui
