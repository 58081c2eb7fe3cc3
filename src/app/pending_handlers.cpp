// Handlers of features not built yet: bound, doing nothing until their feature lands.
#include "app/form2.h"

namespace hl {

void TForm2::Button4Click(TObject*) {}
void TForm2::Button21Click(TObject*) {}
void TForm2::Button5Click(TObject*) {}
void TForm2::N8Click(TObject*) {}
void TForm2::N12Click(TObject*) {}
void TForm2::Button12Click(TObject*) {}
void TForm2::Button13Click(TObject*) {}
void TForm2::NewWindow1Click(TObject*) {}
void TForm2::Button7Click(TObject*) {}
void TForm2::Button10Click(TObject*) {}
void TForm2::N11Click(TObject*) {}
void TForm2::Button16Click(TObject*) {}
void TForm2::Button18Click(TObject*) {}
void TForm2::Button17Click(TObject*) {}
void TForm2::CheckBox5Click(TObject*) {}
void TForm2::CheckBox6Click(TObject*) {}
void TForm2::BitBtn1Click(TObject*) {}
void TForm2::Timer3Timer(TObject*) {}
void TForm2::EXCEL1Click(TObject*) {}
void TForm2::BitBtn13Click(TObject*) {}
void TForm2::Button22Click(TObject*) {}
void TForm2::BitBtn14Click(TObject*) {}
void TForm2::BitBtn11Click(TObject*) {}
void TForm2::BitBtn15Click(TObject*) {}
void TForm2::Timer4Timer(TObject*) {}
void TForm2::BitBtn12Click(TObject*) {}
void TForm2::Button20Click(TObject*) {}
void TForm2::BitBtnfeiquClick(TObject*) {}
void TForm2::Button24Click(TObject*) {}
void TForm2::Button19Click(TObject*) {}
void TForm2::Button23Click(TObject*) {}
void TForm2::TRG_TimerTimer(TObject*) {}
void TForm2::ComboTrigger1Change(TObject*) {}
void TForm2::ComboTrigger2Change(TObject*) {}
void TForm2::ComboTrigger3Change(TObject*) {}
void TForm2::Button1Click(TObject*) {}
void TForm2::Button2Click(TObject*) {}
void TForm2::BitBtn16Click(TObject*) {}
void TForm2::Button25Click(TObject*) {}
void TForm2::ListBox1Click(TObject*) {}

}  // namespace hl
