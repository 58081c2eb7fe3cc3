// The serial port list and the preview lamp field.
#include "app/form2.h"
#include "platform/serial_ports.h"

namespace hl {

void TForm2::FillPortList() {
  const std::vector<std::string> ports = listSerialPorts();
  ComboBox5->setItems(ports);
  if (ports.empty()) ComboBox5->setText("没串口");
  else ComboBox5->setItemIndex(0);
}

void TForm2::BitBtn2Click(TObject*) { FillPortList(); }

void TForm2::LayoutPreviewLamps(int lampCount, int lampsPerRow) {
  for (TShape* lamp : previewLamps) destroyComponent(lamp);
  previewLamps.clear();
  if (lampsPerRow <= 0) return;
  previewLamps.reserve(static_cast<std::size_t>(std::max(lampCount, 0)));
  for (int j = 0; j < lampCount; ++j) {
    TShape* lamp = create<TShape>("");
    lamp->setShape(TShapeType::stRoundSquare);
    lamp->setBrushColor(clWhite);
    lamp->setPenColor(clInactiveCaptionText);
    lamp->setBounds(6 + 6 * (j % lampsPerRow), 6 + 6 * (j / lampsPerRow), 6, 6);
    lamp->setParent(Panel1);
    previewLamps.push_back(lamp);
  }
}

}  // namespace hl
