// Binds every event of the main window's controls to its handler. One
// handler often serves several controls; it then reads the controls it needs.
#include <functional>
#include <initializer_list>
#include <utility>

#include "app/form2.h"

namespace hl {
namespace {

using Controls = std::initializer_list<TControl*>;
using Boxes = std::initializer_list<TWinControl*>;
using Lists = std::initializer_list<TComboBox*>;
using Edits = std::initializer_list<TEdit*>;

// Makes a handler of the window the function an event holds.
struct Binder {
  TForm2* form;

  template <class... Args>
  void operator()(std::function<void(Args...)>& event, void (TForm2::*handler)(Args...)) const {
    event = [target = form, handler](Args... args) { (target->*handler)(std::forward<Args>(args)...); };
  }
  void operator()(TTimer* timer, void (TForm2::*handler)(TObject*)) const {
    timer->setOnTimer([target = form, handler](TObject* sender) { (target->*handler)(sender); });
  }
};

void bindWindow(TForm2& f, const Binder& on) {
  on(f.OnCreate, &TForm2::FormCreate);
  on(f.OnClose, &TForm2::FormClose);
  on(f.OnCanResize, &TForm2::FormCanResize);
  // The pointer leaving the grid for the window, the tool panel or the preview.
  for (TControl* c : Controls{&f, f.GroupBox4, f.Panel1}) on(c->OnMouseMove, &TForm2::FormMouseMove);
  for (TControl* c : Controls{f.HYEdit, f.Edit5, f.Edit11, f.Edit15, f.Edit16}) c->setPopupMenu(f.RightMenu);
}

void bindZonePanel(TForm2& f, const Binder& on) {
  on(f.ComboBox6->OnChange, &TForm2::ComboBox6Change);
  on(f.ComboBox4->OnChange, &TForm2::ComboBox4Change);
  on(f.CheckBox9->OnClick, &TForm2::CheckBox9Click);
  on(f.ComboBox9->OnChange, &TForm2::ComboBox9Change);
  on(f.TabControl1->OnChange, &TForm2::TabControl1Change);
  on(f.ComboBox10->OnChange, &TForm2::ComboBox10Change);
  on(f.RadioButton1->OnClick, &TForm2::RadioButton1Click);
  on(f.RadioButton2->OnClick, &TForm2::RadioButton2Click);
  // The running bar's direction buttons share the endless-loop handler.
  for (TControl* c : Controls{f.RadioButton3, f.RadioButton5, f.RadioButton6})
    on(c->OnClick, &TForm2::RadioButton3Click);
  for (TEdit* e : Edits{f.Edit6, f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit7, f.Edit8, f.Edit9, f.Edit10})
    on(e->OnChange, &TForm2::Edit6Change);
  on(f.ComboBox11->OnChange, &TForm2::ComboBox11Change);
  on(f.CheckBox4->OnClick, &TForm2::CheckBox4Click);
  for (TControl* c : Controls{f.CheckBox2, f.CheckBox3}) on(c->OnClick, &TForm2::CheckBox2Click);
  for (TWinControl* box : Boxes{f.ComboBox4, f.time1,     f.time2,       f.time3,     f.time4, f.time5, f.timeT1,
                                f.ComboBox1, f.ComboBox3, f.cxComboBox5, f.ComboBox2, f.Edit6, f.Edit1, f.Edit2,
                                f.Edit3,     f.Edit4,     f.Edit7,       f.Edit8,     f.Edit9, f.Edit10})
    on(box->OnKeyPress, &TForm2::Edit6KeyPress);
}

void bindTimes(TForm2& f, const Binder& on) {
  for (TComboBox* list :
       Lists{f.time1, f.time2, f.time3, f.time4, f.time5, f.timeT1, f.timeT2, f.timeT3, f.timeT4, f.timeT5})
    on(list->OnChange, &TForm2::time1Change);
  on(f.time1->OnExit, &TForm2::time1Change);
  on(f.time2->OnExit, &TForm2::time2Exit);
  on(f.time3->OnExit, &TForm2::time3Exit);
  on(f.time4->OnExit, &TForm2::time4Exit);
  on(f.time5->OnExit, &TForm2::time5Exit);
  on(f.TimeComb->OnChange, &TForm2::TimeCombChange);
  on(f.TimeComb2->OnChange, &TForm2::TimeComb2Change);
}

void bindLanguage(TForm2& f, const Binder& on) {
  on(f.Button4->OnClick, &TForm2::Button4Click);
  on(f.Button21->OnClick, &TForm2::Button21Click);
  on(f.Button5->OnClick, &TForm2::Button5Click);
}

void bindGrid(TForm2& f, const Binder& on) {
  on(f.StringGrid1->OnDrawCell, &TForm2::StringGrid1DrawCell);
  on(f.StringGrid1->OnMouseMove, &TForm2::StringGrid1MouseMove);
  on(f.StringGrid1->OnMouseDown, &TForm2::StringGrid1MouseDown);
  on(f.StringGrid1->OnMouseUp, &TForm2::StringGrid1MouseUp);
  on(f.StringGrid1->OnClick, &TForm2::StringGrid1Click);
  on(f.HYEdit->OnKeyPress, &TForm2::HYEditKeyPress);
  on(f.HYEdit->OnMouseLeave, &TForm2::HYEditMouseLeave);
  // The colour swatches do not get these two: typing into or leaving a swatch
  // must not write the number editor's value into the grid.
  // The two boxes that can be dragged share one set of handlers.
  for (TControl* box : Controls{f.GroupBox9, f.GroupBox11}) {
    on(box->OnMouseDown, &TForm2::GroupBox9MouseDown);
    on(box->OnMouseMove, &TForm2::GroupBox9MouseMove);
    on(box->OnMouseUp, &TForm2::GroupBox9MouseUp);
  }
}

void bindEditingCommands(TForm2& f, const Binder& on) {
  on(f.N1->OnClick, &TForm2::N1Click);
  on(f.N2->OnClick, &TForm2::N2Click);
  on(f.N3->OnClick, &TForm2::N3Click);
  on(f.N5->OnClick, &TForm2::N5Click);
  on(f.N10->OnClick, &TForm2::N10Click);
  on(f.N4->OnClick, &TForm2::N4Click);
  on(f.N6->OnClick, &TForm2::N6Click);
  on(f.Button8->OnClick, &TForm2::Button8Click);
  on(f.Button9->OnClick, &TForm2::Button9Click);
  on(f.BitBtn3->OnClick, &TForm2::BitBtn3Click);
  on(f.BitBtn10->OnClick, &TForm2::BitBtn10Click);
}

void bindColours(TForm2& f, const Binder& on) {
  on(f.Button3->OnClick, &TForm2::Button3Click);
  on(f.Shape4->OnMouseDown, &TForm2::Shape4MouseDown);
  on(f.N7->OnClick, &TForm2::N7Click);
  // The tool colour: the custom-fill and running-bar buttons and a click on a swatch.
  for (TControl* c : Controls{f.Button6, f.Button11, f.Edit11, f.Edit15, f.Edit16})
    on(c->OnClick, &TForm2::Button6Click);
  on(f.Button14->OnClick, &TForm2::Button14Click);
  on(f.Button15->OnClick, &TForm2::Button15Click);
}

void bindGenerators(TForm2& f, const Binder& on) {
  on(f.N8->OnClick, &TForm2::N8Click);
  on(f.N12->OnClick, &TForm2::N12Click);
  on(f.Button12->OnClick, &TForm2::Button12Click);
  on(f.Button13->OnClick, &TForm2::Button13Click);
  on(f.NewWindow1->OnClick, &TForm2::NewWindow1Click);
  on(f.Button7->OnClick, &TForm2::Button7Click);
  on(f.Button10->OnClick, &TForm2::Button10Click);
  on(f.N11->OnClick, &TForm2::N11Click);
  on(f.Button16->OnClick, &TForm2::Button16Click);
  on(f.Button18->OnClick, &TForm2::Button18Click);
  on(f.Button17->OnClick, &TForm2::Button17Click);
  on(f.CheckBox5->OnClick, &TForm2::CheckBox5Click);
  on(f.CheckBox6->OnClick, &TForm2::CheckBox6Click);
}

void bindPreviewAndImports(TForm2& f, const Binder& on) {
  on(f.BitBtn1->OnClick, &TForm2::BitBtn1Click);
  on(f.Timer3, &TForm2::Timer3Timer);
  on(f.EXCEL1->OnClick, &TForm2::EXCEL1Click);
  on(f.BitBtn13->OnClick, &TForm2::BitBtn13Click);
  on(f.Button22->OnClick, &TForm2::Button22Click);
  on(f.BitBtn14->OnClick, &TForm2::BitBtn14Click);
}

void bindFiles(TForm2& f, const Binder& on) {
  on(f.BitBtn6->OnClick, &TForm2::BitBtn6Click);
  on(f.BitBtn8->OnClick, &TForm2::BitBtn8Click);
  on(f.BitBtn4->OnClick, &TForm2::BitBtn4Click);
  on(f.BitBtn9->OnClick, &TForm2::BitBtn9Click);
  on(f.BitBtn17->OnClick, &TForm2::BitBtn17Click);
  on(f.BitBtn11->OnClick, &TForm2::BitBtn11Click);
  on(f.BitBtn15->OnClick, &TForm2::BitBtn15Click);
}

void bindLink(TForm2& f, const Binder& on) {
  on(f.BitBtn2->OnClick, &TForm2::BitBtn2Click);
  on(f.BitBtn5->OnClick, &TForm2::BitBtn5Click);
  on(f.BitBtn7->OnClick, &TForm2::BitBtn7Click);
  on(f.Timer1, &TForm2::Timer1Timer);
  on(f.Timer2, &TForm2::Timer2Timer);
  on(f.Timer4, &TForm2::Timer4Timer);
  on(f.Timer5, &TForm2::Timer5Timer);
}

void bindControllerSettings(TForm2& f, const Binder& on) {
  on(f.BitBtn12->OnClick, &TForm2::BitBtn12Click);
  on(f.Button20->OnClick, &TForm2::Button20Click);
  on(f.BitBtnfeiqu->OnClick, &TForm2::BitBtnfeiquClick);
  on(f.Button24->OnClick, &TForm2::Button24Click);
  on(f.Button19->OnClick, &TForm2::Button19Click);
  on(f.Button23->OnClick, &TForm2::Button23Click);
  on(f.TRG_Timer, &TForm2::TRG_TimerTimer);
  on(f.ComboTrigger1->OnChange, &TForm2::ComboTrigger1Change);
  on(f.ComboTrigger2->OnChange, &TForm2::ComboTrigger2Change);
  on(f.ComboTrigger3->OnChange, &TForm2::ComboTrigger3Change);
  // Any change in the zone-mode panel runs the trigger enabling rule too.
  for (TControl* c : f.GroupBox12->controls())
    if (auto* list = dynamic_cast<TComboBox*>(c)) on(list->OnChange, &TForm2::ComboTrigger1Change);
  on(f.Button1->OnClick, &TForm2::Button1Click);
  on(f.Button2->OnClick, &TForm2::Button2Click);
  on(f.BitBtn16->OnClick, &TForm2::BitBtn16Click);
  on(f.Button25->OnClick, &TForm2::Button25Click);
  on(f.ListBox1->OnClick, &TForm2::ListBox1Click);
}

}  // namespace

void TForm2::bindEvents() {
  const Binder on{this};
  bindWindow(*this, on);
  bindZonePanel(*this, on);
  bindTimes(*this, on);
  bindLanguage(*this, on);
  bindGrid(*this, on);
  bindEditingCommands(*this, on);
  bindColours(*this, on);
  bindGenerators(*this, on);
  bindPreviewAndImports(*this, on);
  bindFiles(*this, on);
  bindLink(*this, on);
  bindControllerSettings(*this, on);
}

}  // namespace hl
