#pragma once
// The window's font: the designed narrow sans serif where installed, else
// the closest at hand, with Chinese glyphs from a CJK family.
#include <QFont>

namespace hl::qt {

QFont applicationFont();

}  // namespace hl::qt
