#pragma once
// Message boxes and the colour, open and save dialogs. The program shows
// them through this interface: the front-end with real dialogs, tests with
// a scripted host. A modal box keeps the application's message loop running
// while it is open.
#include <string>
#include <vector>

#include "platform/types.h"

namespace hl {

// Buttons and icon of a message box, combined with |.
enum MessageBoxFlags : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_ICONERROR = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
};
constexpr unsigned MB_BUTTONMASK = 0xF;

// The button that closed a message box.
enum MessageBoxResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct ColorDialogRequest {
  TColor color = clBlack;                 // in: preset; out: chosen
  std::vector<std::string> customColors;  // "ColorA=FFFFFF" style entries
  bool fullOpen = false;
  bool solidColorOnly = false;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;       // "Text|*.txt|All|*.*"
  int filterIndex = 1;      // 1-based, as the toolkit counts
  std::string initialDir;
  std::string fileName;     // in: preset name; out: chosen path
  std::string defaultExt;   // without the dot
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // The default error box for an exception that reached the message loop.
  virtual void showException(const std::string& title, const std::string& message) = 0;
  virtual bool executeColorDialog(ColorDialogRequest& request) = 0;
  virtual bool executeOpenDialog(FileDialogRequest& request) = 0;
  virtual bool executeSaveDialog(FileDialogRequest& request) = 0;
};

}  // namespace hl
