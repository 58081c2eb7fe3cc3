#pragma once
// The main window's controls: every control, menu item, timer and dialog,
// built with its designed caption, lists, position, anchors, colours and
// initial state. Members are listed in creation order, which is the order
// the language switch visits them in; a container's members follow it.
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace hl {

class Form2Controls : public TForm {
 public:
  explicit Form2Controls(Application& app);

  // --- Upper tool panel ---------------------------------------------------
  TGroupBox* GroupBox4{};
  TLabel* Label2{};
  TShape* Shape1{};   // red while the port is held open
  TLabel* Label13{};  // status line
  TLabel* Label91{};
  TLabel* Label80{};  // zone title of an upload
  TLabel* Label10{};
  TLabel* Label11{};
  TLabel* Label92{};  // frame count of the grid
  TLabel* Label93{};
  TLabel* Label1{};
  TLabel* Label3{};  // preview length
  TLabel* Label12{};
  TLabel* Label14{};  // components of the paint colour
  TShape* Shape4{};   // paint colour swatch
  TProgressBar* cxProgressBar1{};
  TComboBox* ComboBox4{};  // lamp count
  TComboBox* ComboBox5{};  // serial port
  TBitBtn* BitBtn3{};
  TBitBtn* BitBtn4{};
  TBitBtn* BitBtn5{};
  TBitBtn* BitBtn6{};
  TBitBtn* BitBtn1{};
  TBitBtn* BitBtn2{};
  TComboBox* ComboBox6{};  // controller model
  TComboBox* ComboBox7{};
  TBitBtn* BitBtn8{};
  TBitBtn* BitBtn9{};
  TBitBtn* BitBtn10{};
  // Default times, inside GroupBox4.
  TGroupBox* GroupBox3{};
  TLabel *Label5{}, *Label90{}, *Label9{}, *Label4{}, *Label8{};
  TComboBox *time1{}, *time2{}, *time3{}, *time4{}, *time5{};
  TComboBox *timeT1{}, *timeT2{}, *timeT3{}, *timeT4{}, *timeT5{};
  // GroupBox4 again, after the default times.
  TBitBtn* BitBtn7{};
  TButton* Button1{};
  TButton* Button2{};
  TComboBox *add1{}, *add2{}, *add3{}, *add4{}, *add5{};  // wireless address
  TBitBtn* BitBtn11{};
  TComboBox* ComboBox1{};  // brightness step
  TComboBox* ComboBox3{};  // brightness direction
  TComboBox* ComboBox8{};  // colour order
  TComboBox* ComboBox9{};  // preview width
  TButton* Button3{};
  TButton* Button4{};
  TButton* Button5{};
  TButton* Button21{};
  TBitBtn* BitBtn16{};

  // --- Zone bar -------------------------------------------------------------
  TGroupBox* GroupBox5{};
  TLabel* Label26{};
  TTabControl* TabControl1{};
  TLabel* Label25{};
  TComboBox* ComboBox10{};  // zone-pair selector
  TBitBtn* BitBtn17{};
  TBitBtn* BitBtn12{};
  TBitBtn* BitBtn14{};
  TCheckBox* CheckBox7{};
  TBitBtn* BitBtnfeiqu{};
  TCheckBox* CheckBox2{};
  TRadioButton* RadioButton1{};
  TRadioButton* RadioButton2{};
  TEdit* Edit6{};  // loop count
  TRadioButton* RadioButton3{};
  TComboBox* ComboBox11{};  // end action
  TCheckBox* CheckBox4{};   // shows the text import panel
  TCheckBox* CheckBox9{};   // RGBW

  // --- Grid area --------------------------------------------------------------
  TStringGrid* StringGrid1{};
  // The preview lamp field; it covers the zone bar and the grid while shown.
  TPanel* Panel1{};
  TShape *Shape73{}, *Shape2{}, *Shape3{};
  TLabel* cxLabel3{};  // read-out of the cell under the pointer
  TImage* IMG{};       // gradient colour strip
  TLabel* Label6{};    // last controller answer in hexadecimal

  // --- Custom fill ------------------------------------------------------------
  TGroupBox* GroupBox6{};
  TLabel *Label15{}, *Label16{}, *Label17{}, *Label18{}, *Label19{};
  TButton* Button8{};
  TButton* Button9{};
  TEdit *Edit1{}, *Edit2{}, *Edit3{}, *Edit4{};
  TButton* Button6{};
  TEdit* Edit5{};  // swatch

  // --- Running bar ------------------------------------------------------------
  TGroupBox* GroupBox7{};
  TLabel *Label20{}, *Label21{}, *Label22{}, *Label23{}, *Label24{};
  TButton* Button7{};
  TButton* Button10{};
  TEdit *Edit7{}, *Edit8{}, *Edit9{}, *Edit10{};
  TButton* Button11{};
  TEdit* Edit11{};  // swatch
  TRadioButton* RadioButton5{};
  TRadioButton* RadioButton6{};
  TCheckBox* CheckBox3{};

  // --- Gradient ---------------------------------------------------------------
  TGroupBox* GroupBox8{};
  TLabel *Label29{}, *Label30{}, *Label31{}, *Label28{}, *Label32{};
  TLabel *Label33{}, *Label34{}, *Label27{}, *Label35{};
  TButton* Button12{};
  TButton* Button13{};
  TEdit* Edit12{};
  TEdit* Edit13{};
  TButton* Button14{};
  TEdit* Edit16{};  // start colour swatch
  TEdit* Edit15{};  // end colour swatch
  TButton* Button15{};

  // --- Custom copy ------------------------------------------------------------
  TGroupBox* GroupBox9{};
  TLabel *Label36{}, *Label38{}, *Label39{}, *Label37{}, *Label40{};
  TLabel *Label41{}, *Label42{}, *Label43{}, *Label44{};
  TButton* Button16{};
  TButton* Button17{};
  TEdit *Edit14{}, *Edit17{}, *Edit18{};
  TButton* Button18{};
  TCheckBox* CheckBox5{};
  TEdit *Edit19{}, *Edit20{};
  TCheckBox* CheckBox6{};

  // --- Trigger settings -------------------------------------------------------
  TGroupBox* GroupBox10{};
  TLabel *Label45{}, *Label46{}, *Label47{}, *Label48{}, *Label49{};
  TLabel *Label50{}, *Label51{}, *Label52{};
  TButton* Button20{};
  TComboBox* ComboTriggerOpen1{};
  TComboBox* ComboTrigger1{};
  TComboBox* ComboTrigger2{};
  TComboBox* ComboTriggerOpen2{};
  TComboBox* ComboTrigger3{};
  TComboBox* ComboTriggerOpen3{};
  TComboBox *ComboTriggerClose1{}, *ComboTriggerClose2{}, *ComboTriggerClose3{};
  TComboBox* ComboBoot{};
  TButton* Button19{};

  // --- Spreadsheet import -----------------------------------------------------
  TGroupBox* GroupBox11{};
  TLabel *Label54{}, *Label55{}, *Label56{}, *Label60{}, *Label61{};
  TLabel *Label53{}, *Label57{}, *Label58{};
  TButton* Button22{};
  TEdit *Edit21{}, *Edit22{}, *Edit24{}, *Edit25{};
  TBitBtn* BitBtn13{};

  // --- Zone-mode settings -----------------------------------------------------
  TGroupBox* GroupBox12{};
  TLabel* Label62{};                                      // single-colour half title
  TLabel* Label63{};                                      // full-colour half title
  TLabel *Label64{}, *Label65{};                          // "zone" column captions, left and right
  TLabel *Label66{}, *Label67{};                          // "program" column captions, left and right
  TLabel *Label68{}, *Label69{}, *Label70{}, *Label71{};  // single-colour rows 1 to 4
  TLabel *Label72{}, *Label73{}, *Label74{}, *Label75{};  // single-colour rows 5 to 8
  TLabel *Label76{}, *Label77{}, *Label78{}, *Label81{};  // full-colour rows 1 to 4
  TComboBox *ComboBox12{}, *ComboBox13{}, *ComboBox14{}, *ComboBox15{}, *ComboBox16{}, *ComboBox17{};
  TComboBox *ComboBox18{}, *ComboBox19{}, *ComboBox20{}, *ComboBox21{}, *ComboBox22{}, *ComboBox23{};
  TComboBox *ComboBox24{}, *ComboBox25{}, *ComboBox26{}, *ComboBox27{}, *ComboBox28{}, *ComboBox29{};
  TComboBox *ComboBox30{}, *ComboBox31{}, *ComboBox32{}, *ComboBox33{}, *ComboBox34{}, *ComboBox35{};
  TButton* Button23{};
  TButton* Button24{};

  // --- Pixel chip -------------------------------------------------------------
  TGroupBox* GroupBox13{};
  TGroupBox* GroupBox14{};
  TLabel* Label79{};
  TGroupBox* GroupBox15{};
  TListBox* ListBox1{};
  TButton* Button25{};

  // --- Text import --------------------------------------------------------------
  TGroupBox* GroupBox1{};
  TMemo* Memo1{};  // also the link's diagnostic lines
  TBitBtn* BitBtn15{};
  TCheckBox* CheckBox8{};

  // --- Dimming box (never shown) ----------------------------------------------
  TGroupBox* cxGroupBox1{};
  TLabel* Label7{};
  TProgressBar* cxTrackBar1{};  // stands in for a vertical track bar, 0 to 255
  TComboBox* cxComboBox5{};
  TButton *cxButton8{}, *cxButton9{}, *cxButton6{}, *cxButton7{};
  TGroupBox* GroupBox2{};
  TComboBox* ComboBox2{};
  TCheckBox* CheckBox1{};
  TComboBox* cxComboBox3{};

  // --- Editors placed over the grid when used ---------------------------------
  TComboBox* TimeComb{};   // frame time unit
  TComboBox* TimeComb2{};  // frame time value
  TEdit* HYEdit{};         // brightness of a single-colour cell
  TPanel* cxLabel1{};
  TPanel* cxLabel2{};

  // --- Popup menu of the grid, in menu order ----------------------------------
  TPopupMenu* RightMenu{};
  TMenuItem *N1{}, *N2{}, *N3{}, *N5{}, *N10{}, *N4{}, *N6{}, *N7{}, *N8{}, *N9{};
  TMenuItem* Window1{};
  TMenuItem* NewWindow1{};  // inside Window1
  TMenuItem *N11{}, *EXCEL1{}, *N12{};

  // --- Timers and dialogs -----------------------------------------------------
  TTimer* Timer1{};  // connect attempts
  TTimer* Timer2{};  // closes the port after an exchange
  TTimer* Timer3{};  // preview steps
  TTimer* Timer4{};
  TTimer* Timer5{};  // answer watchdog
  TTimer* Timer6{};
  TTimer* TRG_Timer{};  // settings handshake
  TColorDialog* ColorDialog1{};
  TOpenDialog* OpenDialog1{};
  TSaveDialog* SaveDialog1{};

 protected:
  // Left, top, width and height inside the parent's client area.
  struct Bounds {
    int left, top, width, height;
  };
  using Items = std::vector<std::string>;

  // Creates a control owned by the window, puts it on parent and places it.
  template <class T>
  T* place(TWinControl* parent, const char* name, Bounds at) {
    T* control = create<T>(name);
    control->setParent(parent);
    control->setBounds(at.left, at.top, at.width, at.height);
    return control;
  }
  TLabel* label(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TEdit* edit(TWinControl* parent, const char* name, const std::string& text, Bounds at);
  // The text selects the item it equals, if any.
  TComboBox* comboBox(TWinControl* parent, const char* name, const std::string& text, Bounds at,
                      const Items& items = {});
  TButton* button(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TBitBtn* bitBtn(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TCheckBox* checkBox(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TRadioButton* radioButton(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TGroupBox* groupBox(TWinControl* parent, const char* name, const std::string& caption, Bounds at);
  TShape* shape(TWinControl* parent, const char* name, TShapeType kind, Bounds at);
  // An item appended to RightMenu.
  TMenuItem* rightMenuItem(const char* name, const std::string& caption);
  TTimer* timer(const char* name, int intervalMs, bool enabled);

  template <class T>
  static T* hidden(T* control) {
    control->hide();
    return control;
  }
  template <class T>
  static T* disabled(T* control) {
    control->setEnabled(false);
    return control;
  }
  template <class T>
  static T* redText(T* control) {
    control->setFontColor(clRed);
    return control;
  }

 private:
  // One per area of the window, called in creation order.
  void createToolPanel();
  void createDefaultTimes();
  void createToolPanelTail();
  void createZoneBar();
  void createZoneTabButtons();
  void createGridArea();
  void createCustomFill();
  void createRunningBar();
  void createGradient();
  void createCustomCopy();
  void createTriggerSettings();
  void createSpreadsheetImport();
  void createZoneModeSettings();
  void createPixelChip();
  void createTextImport();
  void createDimmingBox();
  void createGridEditors();
  void createPopupMenu();
  void createTimersAndDialogs();
};

}  // namespace hl
