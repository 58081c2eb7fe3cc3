#include "app/list_fill.h"

#include <string>
#include <vector>

namespace hl {

void fillNumberItems(TComboBox& box, int from, int to) {
  std::vector<std::string> items = box.items();
  items.reserve(items.size() + static_cast<std::size_t>(to - from + 1));
  for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
  const std::string text = box.text();
  box.setItems(items);
  box.setText(text);  // appending items changes neither the text nor the selection
}

}  // namespace hl
