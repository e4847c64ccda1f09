#include "settings_file.h"

#include "column_text.h"

#include "../framework/replace_file.h"
#include "../framework/stdio_file.h"

namespace {

constexpr int kAmountWidth = 19;

int DigitAt(const CString& line, int index)
{
    if (index >= line.GetLength())
        return 0;
    const char ch = line[index];
    return (ch >= '0' && ch <= '9') ? ch - '0' : 0;
}

CString TrimmedField(const CString& line, int first, int count)
{
    CString field = line.Mid(first, count);
    field.TrimLeft();
    field.TrimRight();
    return field;
}

}  // namespace

void SettingsFile::ParseLine1(const CString& line)
{
    deduction = DigitAt(line, 0);
    taxCategory = DigitAt(line, 1);
    interim1 = TrimmedField(line, 2, 20);
    interim2 = TrimmedField(line, 22, 20);
}

void SettingsFile::ParseLine2(const CString& line)
{
    for (int i = 0; i < 4; ++i)
        line2Fields[static_cast<size_t>(i)] = line.Mid(i * 4, 4);
}

BOOL SettingsFile::Read(const CString& path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText))
        return FALSE;
    CString line1, line2, line3;
    file.ReadString(line1);
    file.ReadString(line2);
    file.ReadString(line3);
    fontSize = line3;
    if (!line1.IsEmpty())
        ParseLine1(line1);
    if (!line2.IsEmpty())
        ParseLine2(line2);
    return TRUE;
}

CString SettingsFile::FormatLine1() const
{
    CString digits;
    digits.Format("%d%d", deduction, taxCategory);
    return digits + FitToColumn(interim1, kAmountWidth, kAlignRight) +
           FitToColumn(interim2, kAmountWidth, kAlignRight);
}

void SettingsFile::Write(const CString& path) const
{
    WriteFileReplacing(path, CFile::typeText, [this](CStdioFile& file) {
        file.WriteString(FormatLine1() + "\n");
        file.WriteString(line2Fields[0] + line2Fields[1] + line2Fields[2] + line2Fields[3] + "\n");
        file.WriteString(fontSize);
    });
}
