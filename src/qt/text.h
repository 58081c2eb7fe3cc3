#pragma once
// Text crosses between the model (UTF-8 std::string) and Qt (QString) here.
#include <QString>
#include <string>

namespace hl::qt {

inline QString toQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace hl::qt
