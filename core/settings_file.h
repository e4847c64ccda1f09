// The settings file vozare.ino: line 1 the deduction choice, the tax category and
// two interim amounts in 20-byte fields; line 2 four 4-byte fields carried through;
// line 3 the display font size, which belongs to the launcher.
#pragma once

#include "../framework/cstring.h"

#include <array>

struct SettingsFile {
    int deduction = 0;
    int taxCategory = 0;
    CString interim1 = "0";
    CString interim2 = "0";
    std::array<CString, 4> line2Fields;
    CString fontSize;

    // Reads path into the fields; FALSE (fields untouched) when it cannot be opened.
    // Lines the file lacks leave their fields as they are.
    BOOL Read(const CString& path);
    // Replaces path with the three lines; throws CFileException when it cannot.
    void Write(const CString& path) const;

    // Line 1 as written: two digits and the two amount fields.
    CString FormatLine1() const;
    void ParseLine1(const CString& line);
    void ParseLine2(const CString& line);
};
