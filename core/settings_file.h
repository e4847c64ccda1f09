// The settings file vozare.ino: line 1 the deduction choice, the tax category and
// two interim amounts in 20-byte fields; line 2 four 4-byte fields carried through;
// line 3 the display font size, which belongs to the launcher. A line whose
// values the program leaves as read is written back byte for byte, whatever it
// holds (text in another encoding, lines after the third): the program never
// rewrites what it does not understand.
#pragma once

#include "../framework/cstring.h"

#include <array>
#include <vector>

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
    // Replaces path with the three lines (and any further lines read); throws
    // CFileException when it cannot.
    void Write(const CString& path) const;

    // Line 1 as written: two digits and the two amount fields.
    CString FormatLine1() const;
    void ParseLine1(const CString& line);
    void ParseLine2(const CString& line);

private:
    // The lines read, each with its line end as it was in the file.
    std::vector<std::string> m_readLines;
    // The line of index (0 to 2) as the fields make it: the line read when they
    // are what it says, else the fields written out.
    std::string LineToWrite(size_t index) const;
};
