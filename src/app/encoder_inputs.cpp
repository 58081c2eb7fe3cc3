#include "app/form2.h"

namespace hl {

EncoderInputs TForm2::encoderInputs() const {
  EncoderInputs inputs;
  inputs.lampCount = StrToInt(ComboBox4->text());
  inputs.model = ComboBox6->itemIndex();
  inputs.colourOrder = ComboBox8->itemIndex();
  inputs.pixelChip = ListBox1->itemIndex();
  return inputs;
}

}  // namespace hl
