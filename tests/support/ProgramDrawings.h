#pragma once
// The program's background drawings, German and English, copied to where the
// program under test looks for them. Needs ZB_ASSETS_DIR.

#include <QFile>
#include <QString>
#include <functional>

namespace zb::test {

// path maps a file name to its place ("Zelvar3_klein.wmf" -> ".../Zelvar3_klein.wmf").
inline void CopyProgramDrawings(const std::function<QString(const QString&)>& path) {
  for (const char* name : {"Zelvar3_klein.wmf", "Zelvar2_klein.wmf", "Zelvar3_Quer_klein.wmf",
                           "Zelvar2_Quer_klein.wmf", "Zelvar3_klein_en.wmf", "Zelvar2_klein_en.wmf",
                           "Zelvar3_Quer_klein_en.wmf", "Zelvar2_Quer_klein_en.wmf"})
    QFile::copy(QStringLiteral(ZB_ASSETS_DIR "/") + QLatin1String(name), path(QString::fromLatin1(name)));
}

}  // namespace zb::test
