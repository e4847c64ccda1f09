#include "settings_file.h"

#include "column_text.h"

#include "../framework/replace_file.h"
#include "../framework/stdio_file.h"

#include <algorithm>
#include <string>

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

static std::string WithoutLineEnd(const std::string& line)
{
    std::string text = line;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

BOOL SettingsFile::Read(const CString& path)
{
    std::string bytes;
    try {
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        bytes.resize(static_cast<size_t>(file.GetLength()));
        bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    } catch (const CFileException&) {
        return FALSE;
    }
    m_readLines.clear();
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        m_readLines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    const auto text = [this](size_t index) {
        return CString(index < m_readLines.size() ? WithoutLineEnd(m_readLines[index]) : std::string());
    };
    fontSize = text(2);
    if (!text(0).IsEmpty())
        ParseLine1(text(0));
    if (!text(1).IsEmpty())
        ParseLine2(text(1));
    return TRUE;
}

CString SettingsFile::FormatLine1() const
{
    CString digits;
    digits.Format("%d%d", deduction, taxCategory);
    return digits + FitToColumn(interim1, kAmountWidth, kAlignRight) +
           FitToColumn(interim2, kAmountWidth, kAlignRight);
}

std::string SettingsFile::LineToWrite(size_t index) const
{
    const bool wasRead = index < m_readLines.size();
    const CString read(wasRead ? WithoutLineEnd(m_readLines[index]) : std::string());
    SettingsFile asRead;
    asRead.fontSize = read;
    if (!read.IsEmpty() && index == 0)
        asRead.ParseLine1(read);
    if (!read.IsEmpty() && index == 1)
        asRead.ParseLine2(read);
    bool unchanged = wasRead;
    if (index == 0)
        unchanged = unchanged && !read.IsEmpty() && asRead.deduction == deduction &&
                    asRead.taxCategory == taxCategory && asRead.interim1 == interim1 && asRead.interim2 == interim2;
    else if (index == 1)
        unchanged = unchanged && asRead.line2Fields == line2Fields;
    else
        unchanged = unchanged && read == fontSize;
    if (unchanged)
        return m_readLines[index];
    const CString fields =
        index == 0 ? FormatLine1() : index == 1 ? line2Fields[0] + line2Fields[1] + line2Fields[2] + line2Fields[3] : fontSize;
    std::string line = fields.str();
    if (wasRead)
        line += m_readLines[index].substr(WithoutLineEnd(m_readLines[index]).size());
    return line;
}

void SettingsFile::Write(const CString& path) const
{
    std::string bytes;
    const size_t count = std::max<size_t>(3, m_readLines.size());
    for (size_t index = 0; index < count; ++index) {
        std::string line = index < 3 ? LineToWrite(index) : m_readLines[index];
        // Every line but the last ends with a line end.
        if (index + 1 < count && (line.empty() || line.back() != '\n'))
            line += "\r\n";
        bytes += line;
    }
    WriteFileReplacing(path, CFile::typeBinary,
                       [&bytes](CStdioFile& file) { file.Write(bytes.data(), static_cast<UINT>(bytes.size())); });
}
