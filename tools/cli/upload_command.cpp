// hueloom-cli upload: sends a pattern file to a controller through the same
// window, engine and protocol as the program, headless on the real clock.
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <random>
#include <thread>

#include "app/entry.h"
#include "app/form2.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/pattern_file_kinds.h"
#include "formats/project_files.h"
#include "platform/dialog_host.h"
#include "platform/toolkit.h"

namespace hl::cli {
namespace {

constexpr const char* kHelp =
    "usage: hueloom-cli upload --port DEVICE [--model N] [--lamps N] [--order X] (--zone K | --all) FILE\n"
    "\n"
    "Sends the pattern FILE to the controller on the serial device DEVICE (for\n"
    "example /dev/ttyUSB0), as the program's send buttons do: --zone K sends zone\n"
    "K (from 1), --all every zone up to the model's last upload zone. FILE is an\n"
    "all-zones file (.Aled) or, with --zone, a one-zone file (.led). --model is\n"
    "the controller model 0..15 (default 0; see 'hueloom-cli models'), --lamps\n"
    "the lamp count (default 1), --order the colour order RGB, RBG, GRB, GBR, BGR\n"
    "or BRG (default BRG). Shows the status texts and the progress; exits 0 on\n"
    "\"Send OK !\", 1 with the failure text otherwise.\n";

struct UploadOptions {
  std::string port, file;
  int model = 0, lamps = 1, order = kDefaultColourOrder, zone = -1;
  bool all = false;
};

// Message boxes and error boxes go to the terminal; nothing waits for a user.
class TerminalDialogs final : public DialogHost {
 public:
  explicit TerminalDialogs(std::ostream& err) : err_(err) {}
  int messageBox(const std::string& text, const std::string&, unsigned) override {
    err_ << text << '\n';
    shown.push_back(text);
    return IDOK;
  }
  void showException(const std::string&, const std::string& message) override { messageBox(message, "", 0); }
  bool executeColorDialog(ColorDialogRequest&) override { return false; }
  bool executeOpenDialog(FileDialogRequest&) override { return false; }
  bool executeSaveDialog(FileDialogRequest&) override { return false; }
  std::vector<std::string> shown;

 private:
  std::ostream& err_;
};

// A fresh folder for the window's settings and working pattern, so the
// user's own are never read or written.
struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    std::random_device seed;
    path = std::filesystem::temp_directory_path() / ("hueloom-cli-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

// Reads a number option into value; false when it is not a whole number in range.
bool readInt(const std::string& text, int low, int high, int& value) {
  const auto parsed = integerIn(text, low, high);
  if (parsed) value = *parsed;
  return parsed.has_value();
}

// "" when the arguments are good, else what is wrong with them.
std::string parse(const Arguments& args, UploadOptions& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--all") {
      o.all = true;
    } else if ((a == "--port" || a == "--model" || a == "--lamps" || a == "--order" || a == "--zone") && !hasValue) {
      return a + " needs a value";
    } else if (a == "--port") {
      o.port = args[++i];
    } else if (a == "--model") {
      if (!readInt(args[++i], 0, 15, o.model)) return "--model takes 0..15";
    } else if (a == "--lamps") {
      if (!readInt(args[++i], 1, 1024, o.lamps)) return "--lamps takes 1..1024";
    } else if (a == "--zone") {
      if (!readInt(args[++i], 1, 10, o.zone)) return "--zone takes 1..10";
    } else if (a == "--order") {
      const auto order = colourOrderIndex(args[++i]);
      if (!order) return std::string("--order takes ") + kColourOrderNames;
      o.order = *order;
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option '" + a + "'";
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      return "unexpected argument '" + a + "'";
    }
  }
  if (o.port.empty()) return "--port is required";
  if (o.file.empty()) return "no pattern file given";
  if (o.all == (o.zone > 0)) return "give either --zone K or --all";
  return "";
}

// Runs the window's messages and timers until the exchange has ended.
void runExchange(Application& app, TForm2& form, std::ostream& out) {
  std::string shownStatus;
  int shownProgress = -1;
  const auto report = [&] {
    if (form.Label13->caption() != shownStatus) out << (shownStatus = form.Label13->caption()) << '\n';
    const int progress = form.cxProgressBar1->position();
    if (progress != shownProgress && progress > 1) out << "  " << progress << "%\n";
    shownProgress = progress;
  };
  for (;;) {
    app.ProcessMessages();
    report();
    const ControllerLink& link = form.link.link;
    const bool busy = form.Timer1->enabled() || form.Timer5->enabled() || link.imageHeld();
    if (!busy) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  out.flush();
}

}  // namespace

int uploadCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kHelp;
    return 0;
  }
  UploadOptions o;
  if (const std::string problem = parse(args, o); !problem.empty()) {
    err << "hueloom-cli upload: " << problem << " (try --help)\n";
    return 1;
  }
  ScratchFolder scratch;
  RealClock clock;
  TerminalDialogs dialogs(err);
  Application app(clock, dialogs);
  prepareApplication(app);
  auto form = createMainForm(app, FormEnvironment{scratch.path.string(), scratch.path.string()});
  form->ComboBox6->userSelect(o.model);
  if (form->ComboBox4->enabled()) form->ComboBox4->userSelect(std::min(o.lamps, lampMaximum(o.model, false)) - 1);
  form->ComboBox8->setItemIndex(o.order);
  const int zone = o.all ? 0 : o.zone - 1;
  if (!o.all && zone >= static_cast<int>(form->TabControl1->tabs().size())) {
    err << "hueloom-cli upload: model " << o.model << " has " << form->TabControl1->tabs().size() << " zones\n";
    return 1;
  }
  const bool oneZone = !o.all && patternFileKind(o.file) == PatternFileKind::OneZone;
  const PatternFileResult read = readPatternFile(
      form->project, o.file, PatternReadRequest{oneZone ? PatternReadUse::OneZone : PatternReadUse::AllZones, oneZone ? zone : 0});
  if (read.status != PatternFileResult::Status::Read) {
    err << "hueloom-cli upload: cannot read " << o.file << ": " << read.reason << '\n';
    return 1;
  }
  form->ComboBox5->setText(o.port);
  if (o.all) {
    if (!form->BitBtn5->enabled()) {
      err << "hueloom-cli upload: model " << o.model << " has no all-zones send\n";
      return 1;
    }
    form->BitBtn5->click();
  } else {
    form->TabControl1->userSelectTab(static_cast<int>(zone));
    form->BitBtn7->click();
  }
  runExchange(app, *form, out);
  if (form->Label13->caption() == "Send OK !") return 0;
  err << "hueloom-cli upload: " << form->Label13->caption() << '\n';
  return 1;
}

}  // namespace hl::cli
