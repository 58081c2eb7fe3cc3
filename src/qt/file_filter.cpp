#include "qt/file_filter.h"

#include <QRegularExpression>

#include "qt/text.h"

namespace hl::qt {
namespace {

QString qtPatterns(const QString& patterns) {
  QStringList converted;
  for (QString pattern : patterns.split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    converted << (pattern == "*.*" ? QStringLiteral("*") : pattern);
  }
  return converted.isEmpty() ? QStringLiteral("*") : converted.join(' ');
}

QString withoutBracketedTail(const QString& name) {
  static const QRegularExpression tail(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  return QString(name).remove(tail);
}

}  // namespace

QStringList toQtNameFilters(const std::string& filter) {
  const QStringList parts = toQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const bool last = i + 1 >= parts.size();
    if (last && parts[i].trimmed().isEmpty()) break;  // nothing, or a trailing '|'
    const QString patterns = qtPatterns(last ? QString() : parts[i + 1]);
    const QString name = withoutBracketedTail(parts[i]).trimmed();
    filters << (name.isEmpty() ? QStringLiteral("(%1)").arg(patterns) : QStringLiteral("%1 (%2)").arg(name, patterns));
  }
  return filters;
}

}  // namespace hl::qt
