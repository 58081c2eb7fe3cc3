#pragma once
// The settings file Config.ini and the working pattern, between the window's
// controls and the start-up directory (FormEnvironment::startupDir, fixed
// for the life of the window; dialogs that change the current directory do
// not move these files).
#include <string>

namespace hl {

class TForm2;

// Reads every key into its control, applies the stored model, reads
// Languages, then restores the working pattern. A key missing from the file
// (or no file at all) takes its default; a value that is not a number shows
// the read-failure box and skips the remaining keys.
void loadSettingsFile(TForm2& form);

// Writes the keys, then the working pattern of the family in force. A write
// that fails shows the write-failure message and ends the process with -1.
void saveSettingsFile(TForm2& form);

// Reads the working pattern of the current family into zones 1 to 10. A
// missing file is not an error; a damaged or unreadable one changes nothing,
// is moved aside and is reported.
void restoreFamilyWorkingPattern(TForm2& form);

// Writes the ten zones to the working-pattern file of the current family;
// gives "" or the system's reason.
std::string writeFamilyWorkingPattern(TForm2& form);

// How the process ends after a failed settings write; tests replace it.
using ProcessExit = void (*)(int status);
void setSettingsWriteFailureExit(ProcessExit exit);

}  // namespace hl
