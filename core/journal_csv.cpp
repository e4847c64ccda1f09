#include "journal_csv.h"

#include "amount_check.h"
#include "calendar_date.h"
#include "column_text.h"
#include "entry_check.h"
#include "remark_items.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr int kRecordFields = 22;

const char* const kFieldNames[kRecordFields] = {
    "日付",      "原因科目1", "原因科目2", "原因科目3", "結果科目1", "結果科目2", "結果科目3", "原因金額1",
    "原因金額2", "原因金額3", "結果金額1", "結果金額2", "結果金額3", "原因摘要1", "原因摘要2", "原因摘要3",
    "結果摘要1", "結果摘要2", "結果摘要3", "備考",      "増減区分",  "分類コード"};

// The three rows of one side of an entry: accounts, amounts, descriptions.
struct Side {
    std::array<const CString*, 3> account;
    std::array<const CString*, 3> amount;
    std::array<const CString*, 3> description;
};

Side CauseSide(const CMyObject2& e)
{
    return Side{{&e.m_strCause1, &e.m_strCause2, &e.m_strCause3},
                {&e.m_strCauseAmount1, &e.m_strCauseAmount2, &e.m_strCauseAmount3},
                {&e.m_strCauseDesc1, &e.m_strCauseDesc2, &e.m_strCauseDesc3}};
}

Side ResultSide(const CMyObject2& e)
{
    return Side{{&e.m_strResult1, &e.m_strResult2, &e.m_strResult3},
                {&e.m_strResultAmount1, &e.m_strResultAmount2, &e.m_strResultAmount3},
                {&e.m_strResultDesc1, &e.m_strResultDesc2, &e.m_strResultDesc3}};
}

void AppendOneLineForm(CString& out, const CMyObject2& entry)
{
    const Side debit = entry.CauseIsDebit() ? CauseSide(entry) : ResultSide(entry);
    const Side credit = entry.CauseIsDebit() ? ResultSide(entry) : CauseSide(entry);
    out += CsvText(entry.m_strDate);
    for (const Side* side : {&debit, &credit}) {
        for (int row = 0; row < 3; ++row)
            out += "," + CsvText(*side->account[row]) + "," + CsvText(*side->amount[row]);
        if (side == &debit)
            out += "," + CsvText(*debit.description[0]);
    }
    out += "," + CsvText(*credit.description[0] + " " + ExportedRemark(entry.m_strRemark)) + "\r\n";
}

void AppendThreeLineForm(CString& out, const CMyObject2& entry)
{
    const Side debit = entry.CauseIsDebit() ? CauseSide(entry) : ResultSide(entry);
    const Side credit = entry.CauseIsDebit() ? ResultSide(entry) : CauseSide(entry);
    out += "日付,借方科目,金額,借方摘要,貸方科目,金額,貸方摘要\r\n";
    for (int row = 0; row < 3; ++row) {
        out += row == 0 ? CsvText(entry.m_strDate) : CString();
        out += "," + CsvText(*debit.account[row]) + "," + CsvText(*debit.amount[row]) + "," +
               CsvText(*debit.description[row]) + "," + CsvText(*credit.account[row]) + "," +
               CsvText(*credit.amount[row]) + "," + CsvText(*credit.description[row] + " ") + "\r\n";
    }
    out += "備考," + CsvText(ExportedRemark(entry.m_strRemark)) + ",,,,,\r\n";
}

bool IsDigits(const std::string& s, size_t from, size_t to)
{
    if (from >= to)
        return false;
    for (size_t i = from; i < to; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

CString FieldProblem(int index, const CString& text)
{
    if (index == 0)
        return DateRefusal(text);
    if (index >= 7 && index <= 12)
        return AmountRefusal(text, "金額", kJournalAmount);
    if (index == 20 && !text.IsEmpty() && text != "-1" && text != "0" && text != "1")
        return "増減区分は -1、0、1 のいずれかです";
    if (index == 21 && !text.IsEmpty() && (text.GetLength() > 7 || !IsDigits(text.str(), 0, text.str().size())))
        return "分類コードは7桁までの数字です";
    return CString();
}

// The index of the first field that breaks its rule (the date is checked even
// on an empty line); -1 when none does.
int FirstBadField(const std::vector<CString>& fields)
{
    for (size_t i = 0; i < fields.size() || i == 0; ++i)
        if (!FieldProblem(static_cast<int>(i), i < fields.size() ? fields[i] : CString()).IsEmpty())
            return static_cast<int>(i);
    return -1;
}

// A line one field short whose fields all keep their rules once an empty field
// is put back somewhere before its end: a field was left out in the middle, and
// the fields after it stand one place early. (Shorter lines are lines whose last
// fields were left off, which the form allows.)
bool MissesAFieldInside(const std::vector<CString>& fields)
{
    if (fields.size() != static_cast<size_t>(kRecordFields) - 1)
        return false;
    for (size_t gap = 1; gap < fields.size(); ++gap) {
        std::vector<CString> filled = fields;
        filled.insert(filled.begin() + static_cast<std::ptrdiff_t>(gap), CString());
        if (FirstBadField(filled) < 0)
            return true;
    }
    return false;
}

// The fields of one line, cleaned: bare fields by the rules of the bare form.
bool LineFields(const CsvLine& line, std::vector<CString>& fields, CsvProblem& problem)
{
    fields.clear();
    if (!line.quoted) {
        const CString text = RemoveParenthesisComma(line.text);
        int from = -1;
        for (;;) {
            int to = text.Find(',', from + 1);
            if (to < 0)
                to = text.GetLength();
            fields.push_back(RecordCsvField(text, from, to));
            if (to >= text.GetLength())
                return true;
            from = to;
        }
    }
    std::vector<CsvCell> cells;
    if (!SplitCsvCells(line.text, 0, cells, problem))
        return false;
    for (const CsvCell& cell : cells) {
        if (cell.quoted) {
            fields.push_back(cell.text);
        } else {
            fields.push_back(RecordCsvField(cell.text, -1, cell.text.GetLength()));
        }
    }
    return true;
}

void Fill(CMyObject2& entry, const std::vector<CString>& fields)
{
    CString* strings[20] = {&entry.m_strDate,         &entry.m_strCause1,        &entry.m_strCause2,
                            &entry.m_strCause3,       &entry.m_strResult1,       &entry.m_strResult2,
                            &entry.m_strResult3,      &entry.m_strCauseAmount1,  &entry.m_strCauseAmount2,
                            &entry.m_strCauseAmount3, &entry.m_strResultAmount1, &entry.m_strResultAmount2,
                            &entry.m_strResultAmount3, &entry.m_strCauseDesc1,   &entry.m_strCauseDesc2,
                            &entry.m_strCauseDesc3,   &entry.m_strResultDesc1,   &entry.m_strResultDesc2,
                            &entry.m_strResultDesc3,  &entry.m_strRemark};
    for (size_t i = 0; i < 20; ++i)
        *strings[i] = i < fields.size() ? fields[i] : CString();
    entry.m_nDirection = fields.size() > 20 ? std::atoi(fields[20]) : 0;
    entry.m_nClassCode = fields.size() > 21 ? std::atoi(fields[21]) : 0;
}

}  // namespace

CString ExportedRemark(const CString& remark)
{
    return RemarkText(remark);
}

CString JournalCsvText(const JournalArray& journal, int form)
{
    CString out;
    if (form == 1)
        out = "日付,1借方科目,金額,2借方科目,金額,3借方科目,金額,借方摘要,1貸方科目,金額,2貸方科目,金額,3貸方科目,金額,貸方摘要\r\n";
    for (int i = 0; i < journal.GetSize(); ++i) {
        if (form == 1)
            AppendOneLineForm(out, *journal[i]);
        else
            AppendThreeLineForm(out, *journal[i]);
    }
    return out;
}

CString RecordCsvField(const CString& line, int from, int to)
{
    if (to - from <= 1)
        return CString();
    CString field = line.Mid(from + 1, to - from - 1);
    field.TrimLeft();
    field.TrimRight();
    field.Replace('\'', ',');
    return field;
}

CString RemoveParenthesisComma(const CString& line)
{
    const std::string& s = line.str();
    const size_t open = s.find('(');
    const size_t close = s.find(')');
    if (open == std::string::npos || close == std::string::npos || open == 0 || close == 0 || close <= open + 1)
        return line;
    const size_t comma = s.find(',', open + 2);
    if (comma == std::string::npos || comma > close)
        return line;
    std::string out = s;
    out.erase(comma, 1);
    return CString(out);
}

bool ReadRecordCsv(const std::string& bytes, std::vector<std::unique_ptr<CMyObject2>>& entries, CsvProblem& problem)
{
    entries.clear();
    if (!IsShiftJisText(bytes)) {
        problem = NotShiftJisProblem();
        return false;
    }
    std::vector<CsvLine> lines;
    if (!SplitCsvLines(bytes, lines, problem))
        return false;
    std::vector<CString> fields;
    for (const CsvLine& line : lines) {
        if (line.text.IsEmpty())
            continue;
        problem = CsvProblem{line.number, 0, CString(), CString()};
        if (!LineFields(line, fields, problem)) {
            entries.clear();
            return false;
        }
        // A row a spreadsheet writes as nothing but separators holds no entry.
        if (std::all_of(fields.begin(), fields.end(), [](const CString& f) { return f.IsEmpty(); }))
            continue;
        if (static_cast<int>(fields.size()) > kRecordFields) {
            problem.field = kRecordFields + 1;
            problem.what = "項目が多すぎます（1行に22項目まで）";
            entries.clear();
            return false;
        }
        const int bad = FirstBadField(fields);
        if (bad >= 0) {
            if (MissesAFieldInside(fields)) {
                problem.what.Format("項目の数が足りません（%d項目）。途中の項目が抜けていないか確かめてください",
                                    static_cast<int>(fields.size()));
            } else {
                problem.field = bad + 1;
                problem.fieldName = kFieldNames[bad];
                problem.what = FieldProblem(bad, static_cast<size_t>(bad) < fields.size() ? fields[static_cast<size_t>(bad)] : CString());
            }
            entries.clear();
            return false;
        }
        auto entry = std::make_unique<CMyObject2>();
        Fill(*entry, fields);
        // What the journal view would refuse to commit is not taken from a file either.
        const CString refusal = CheckStoredEntry(*entry);
        if (!refusal.IsEmpty()) {
            problem.what = refusal;
            entries.clear();
            return false;
        }
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) {
        problem = CsvProblem{0, 0, CString(), "読み込む仕訳がありません"};
        return false;
    }
    return true;
}
