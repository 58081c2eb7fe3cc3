#pragma once
// File dialog filters: the toolkit writes "Name|*.a;*.b|All|*.*", Qt
// expects "Name (*.a *.b)" entries.
#include <QStringList>
#include <string>

namespace hl::qt {

// One Qt name filter per name and pattern pair, in order. A pattern "*.*"
// becomes "*", as files here need not have an extension; a name that
// already ends with its patterns in brackets keeps only the converted ones.
QStringList toQtNameFilters(const std::string& filter);

}  // namespace hl::qt
