#include "dictionary_csv.h"

#include "column_text.h"
#include "record_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDictionaryFields = 5;

const char* const kFieldNames[kDictionaryFields] = {"最初の子の位置", "子の数", "名称", "用語1", "用語2"};

bool IsWhiteSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// Every byte from replaced by to. Byte by byte, as the CSV scanner reads: no
// Shift-JIS trail byte is a comma or a "'", and a lone lead byte in front of
// one must not hide it.
CString ExchangedBytes(const CString& text, char from, char to)
{
    std::string bytes = text.str();
    std::replace(bytes.begin(), bytes.end(), from, to);
    return CString(bytes);
}

// A bare field loses white space on the side the reader trims: such a field is
// quoted, as is a name that needs quotes anyway.
CString NameText(const CString& name)
{
    if (!name.IsEmpty() && IsWhiteSpace(name[0]))
        return CsvQuote(name);
    return CsvText(name);
}

// A word's commas travel as "'"; a word that holds a "'" of its own, a double
// quote or a line break, or white space where the reader trims, is quoted instead.
CString WordText(const CString& word, bool trimmedAtEnd)
{
    const bool blankEdge =
        !word.IsEmpty() && IsWhiteSpace(trimmedAtEnd ? word[word.GetLength() - 1] : word[0]);
    if (blankEdge || word.view().find_first_of("\"\r\n'") != std::string_view::npos)
        return CsvQuote(word);
    return ExchangedBytes(word, ',', '\'');
}

// An optional "-" and digits, small enough for an int.
bool IsNumber(const CString& text)
{
    const std::string_view s = text.view();
    const size_t first = !s.empty() && s[0] == '-' ? 1 : 0;
    if (s.size() <= first || s.size() - first > 9)
        return false;
    for (size_t i = first; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

CsvProblem ProblemAt(int line, int field, const CString& what)
{
    return CsvProblem{line, field, field > 0 ? CString(kFieldNames[field - 1]) : CString(), what};
}

bool ReadNode(const CsvLine& line, CKiso& node, CsvProblem& problem)
{
    std::vector<CsvCell> cells;
    problem = ProblemAt(line.number, 0, CString());
    if (!SplitCsvCells(line.text, kDictionaryFields, cells, problem)) {
        problem.fieldName = kFieldNames[problem.field - 1];
        return false;
    }
    cells.resize(kDictionaryFields);
    CString first = cells[0].text;
    CString count = cells[1].text;
    if (!cells[0].quoted) {
        first.TrimLeft();
        first.TrimRight();
    }
    if (!cells[1].quoted) {
        count.TrimLeft();
        count.TrimRight();
        if (count.IsEmpty())
            count = "0";
    }
    if (!IsNumber(first)) {
        problem = ProblemAt(line.number, 1, "数字ではありません");
        return false;
    }
    if (!IsNumber(count)) {
        problem = ProblemAt(line.number, 2, "数字ではありません");
        return false;
    }
    node.m_nFirstChild = std::atoi(first);
    node.m_nChildCount = std::atoi(count);
    node.m_strName = cells[2].text;
    node.m_strWord1 = cells[3].text;
    node.m_strWord2 = cells[4].text;
    if (!cells[2].quoted)
        node.m_strName.TrimLeft();
    if (!cells[3].quoted) {
        node.m_strWord1.TrimRight();
        node.m_strWord1 = ExchangedBytes(node.m_strWord1, '\'', ',');
    }
    if (!cells[4].quoted) {
        node.m_strWord2.TrimLeft();
        node.m_strWord2 = ExchangedBytes(node.m_strWord2, '\'', ',');
    }
    return true;
}

}  // namespace

CString DictionaryCsvText(const DictionaryNodes& nodes)
{
    CString out;
    for (int i = 0; i < nodes.GetSize(); ++i) {
        const CKiso& node = *nodes[i];
        out += IntToText(node.m_nFirstChild) + "," + IntToText(node.m_nChildCount) + "," + NameText(node.m_strName) + "," +
               WordText(node.m_strWord1, true) + "," + WordText(node.m_strWord2, false) + "\r\n";
    }
    return out;
}

bool ReadDictionaryCsv(const std::string& bytes, DictionaryNodes& nodes, CsvProblem& problem)
{
    if (!IsShiftJisText(bytes)) {
        problem = NotShiftJisProblem();
        return false;
    }
    std::vector<CsvLine> lines;
    if (!SplitCsvLines(bytes, lines, problem))
        return false;
    for (const CsvLine& line : lines) {
        auto* node = new CKiso;
        nodes.Add(node);
        if (!ReadNode(line, *node, problem)) {
            DeleteRecords(nodes);
            return false;
        }
    }
    TreeFault fault;
    if (!IsDictionaryTree(nodes, &fault)) {
        const int line = fault.node >= 0 && fault.node < static_cast<int>(lines.size()) ? lines[fault.node].number : 0;
        problem = ProblemAt(line, fault.field, fault.what);
        DeleteRecords(nodes);
        return false;
    }
    return true;
}
