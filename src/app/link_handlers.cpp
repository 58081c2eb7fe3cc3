// The window's handlers of the controller link: thin glue over ControllerLink.
#include "app/form2.h"

namespace hl {

void TForm2::BitBtn5Click(TObject*) { link.link.sendAllZones(BitBtn5->enabled()); }
void TForm2::BitBtn7Click(TObject*) { link.link.sendCurrentZone(BitBtn7->enabled()); }
void TForm2::Timer1Timer(TObject*) { link.link.connectTick(); }
void TForm2::Timer2Timer(TObject*) { link.link.closeTimerTick(); }
void TForm2::Timer5Timer(TObject*) { link.link.watchdogTick(); }
void TForm2::OnCommReceive(Message& Msg) { link.link.onReceive(Msg.wParam); }

}  // namespace hl
