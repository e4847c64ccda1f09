#include "csv_cells.h"

#include "column_text.h"

#include "../framework/cp932.h"
#include "../framework/file.h"

namespace {

// The bytes that matter here are all below 0x40, so no Shift-JIS trail byte can
// be mistaken for one of them and the text may be scanned byte by byte.
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The end of a line at pos: LF, or CR LF. 0 when there is none.
size_t LineEndLength(const std::string& s, size_t pos)
{
    if (pos < s.size() && s[pos] == '\n')
        return 1;
    if (pos + 1 < s.size() && s[pos] == '\r' && s[pos + 1] == '\n')
        return 2;
    return 0;
}

enum class CellEnd { Comma, LineEnd, FileEnd, Error };

// Scans one field from pos up to end (a comma, a line end or the end of the
// text). After it pos stands on the comma or line end that ended it.
CellEnd ScanCell(const std::string& s, size_t& pos, CsvCell& cell, CString& what)
{
    size_t p = pos;
    while (p < s.size() && IsBlank(s[p]))
        ++p;
    cell = CsvCell{};
    if (p < s.size() && s[p] == '"') {
        std::string text;
        ++p;
        for (;;) {
            if (p >= s.size()) {
                what = "引用符（\"）が閉じていません";
                return CellEnd::Error;
            }
            if (s[p] == '"') {
                if (p + 1 < s.size() && s[p + 1] == '"') {
                    text += '"';
                    p += 2;
                    continue;
                }
                ++p;
                break;
            }
            text += s[p++];
        }
        while (p < s.size() && IsBlank(s[p]))
            ++p;
        cell.text = CString(text);
        cell.quoted = true;
        pos = p;
        if (p >= s.size())
            return CellEnd::FileEnd;
        if (s[p] == ',')
            return CellEnd::Comma;
        if (LineEndLength(s, p) > 0)
            return CellEnd::LineEnd;
        what = "閉じる引用符（\"）の後に文字があります";
        return CellEnd::Error;
    }
    p = pos;
    while (p < s.size() && s[p] != ',' && LineEndLength(s, p) == 0)
        ++p;
    cell.text = CString(s.substr(pos, p - pos));
    pos = p;
    if (p >= s.size())
        return CellEnd::FileEnd;
    return s[p] == ',' ? CellEnd::Comma : CellEnd::LineEnd;
}

bool IsTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Valid UTF-8 holding at least one character of two or more bytes.
bool ReadsAsUtf8(const std::string& s)
{
    bool multiByte = false;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || (length == 2 && b < 0xC2) || i + length > s.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

}  // namespace

bool IsShiftJisText(const std::string& bytes)
{
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (cp932::IsLeadByte(b)) {
            if (i + 1 >= bytes.size() || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1])))
                return false;
            ++i;
        } else if (b == 0x80 || b == 0xA0 || b >= 0xFD) {
            return false;
        }
    }
    return !ReadsAsUtf8(bytes);
}

CsvProblem NotShiftJisProblem()
{
    return CsvProblem{0, 0, CString(), "ファイルの文字コードがShift-JISではありません（UTF-8などで保存されたファイルは読み込めません）"};
}

std::string ReadCsvFile(const CString& path)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    if (!bytes.empty())
        bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    return bytes;
}

bool CsvNeedsQuotes(const CString& field)
{
    return field.str().find_first_of(",\"\r\n") != std::string::npos;
}

CString CsvQuote(const CString& field)
{
    std::string out = "\"";
    for (char ch : field.str()) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
    return CString(out);
}

CString CsvText(const CString& field)
{
    return CsvNeedsQuotes(field) ? CsvQuote(field) : field;
}

CString CsvProblem::Text() const
{
    CString text;
    if (line > 0)
        text += IntToText(line) + "行目";
    if (field > 0) {
        if (!text.IsEmpty())
            text += "の";
        text += IntToText(field) + "番目の項目";
        if (!fieldName.IsEmpty())
            text += "（" + fieldName + "）";
    }
    if (!text.IsEmpty())
        text += "：";
    return text + what;
}

bool SplitCsvLines(const std::string& bytes, std::vector<CsvLine>& lines, CsvProblem& problem)
{
    lines.clear();
    size_t pos = 0;
    int number = 1;
    while (pos < bytes.size()) {
        const size_t start = pos;
        CsvLine line;
        line.number = number;
        int field = 1;
        for (;;) {
            CsvCell cell;
            CString what;
            const size_t cellStart = pos;
            const CellEnd end = ScanCell(bytes, pos, cell, what);
            // Line breaks inside a quoted field count as lines of the file.
            for (size_t i = cellStart; i < pos; ++i)
                number += bytes[i] == '\n' ? 1 : 0;
            if (end == CellEnd::Error) {
                problem = CsvProblem{line.number, field, CString(), what};
                return false;
            }
            line.quoted = line.quoted || cell.quoted;
            if (end == CellEnd::Comma) {
                ++pos;
                ++field;
                continue;
            }
            line.text = CString(bytes.substr(start, pos - start));
            // A lone CR at the very end of the file ends the line as CR LF would.
            if (end == CellEnd::FileEnd && !cell.quoted && !bytes.empty() && bytes.back() == '\r')
                line.text = line.text.Left(line.text.GetLength() - 1);
            if (end == CellEnd::LineEnd) {
                pos += LineEndLength(bytes, pos);
                ++number;
            }
            break;
        }
        lines.push_back(line);
    }
    return true;
}

bool SplitCsvCells(const CString& line, int maxCells, std::vector<CsvCell>& cells, CsvProblem& problem)
{
    cells.clear();
    const std::string& s = line.str();
    size_t pos = 0;
    for (;;) {
        CsvCell cell;
        CString what;
        if (maxCells > 0 && static_cast<int>(cells.size()) == maxCells - 1) {
            // The last field: a quoted one as any other, a bare one to the end.
            size_t p = pos;
            while (p < s.size() && IsBlank(s[p]))
                ++p;
            if (p >= s.size() || s[p] != '"') {
                cells.push_back(CsvCell{CString(s.substr(pos)), false});
                return true;
            }
        }
        const CellEnd end = ScanCell(s, pos, cell, what);
        if (end == CellEnd::Error || end == CellEnd::LineEnd) {
            problem.field = static_cast<int>(cells.size()) + 1;
            problem.what = end == CellEnd::Error ? what : CString("行の途中に改行があります");
            return false;
        }
        cells.push_back(cell);
        if (end == CellEnd::FileEnd)
            return true;
        if (static_cast<int>(cells.size()) == maxCells) {
            problem.field = maxCells;
            problem.what = "引用符で囲んだ最後の項目の後に文字があります";
            return false;
        }
        ++pos;
    }
}
