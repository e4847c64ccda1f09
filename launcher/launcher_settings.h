// The launcher's share of the settings file vozare.ino. Lines 1 and 2 belong to
// the main program: the launcher carries them through exactly as it read them.
// Line 3 is the display font size. The file is written as
// line 1, CR LF, line 2, CR LF, line 3, with no line end after line 3.
#pragma once

#include "../framework/cstring.h"

struct LauncherSettings {
    CString line1;
    CString line2;
    CString fontSize;
};

enum class SettingsRead {
    Read,        // the file was read; lines it lacks are empty
    NoFile,      // there is no such file: nothing to keep, the lines are empty
    Unreadable,  // the file exists but could not be read: it must be kept as it is
};

// Reads path into settings (emptied first; left empty unless the answer is Read).
SettingsRead ReadLauncherSettings(const CString& path, LauncherSettings& settings);

// Replaces path with the three lines in one step, so that a reader never meets
// a half-written file; throws CFileException (the file then stays as it was).
void WriteLauncherSettings(const CString& path, const LauncherSettings& settings);
