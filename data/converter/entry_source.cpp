#include "entry_source.h"

#include "core/entry_check.h"

#include "shift_jis_text.h"

#include "core/amount_arithmetic.h"
#include "core/amount_check.h"
#include "core/calendar_date.h"
#include "core/class_code.h"

#include <array>

namespace {

constexpr char kLineBreak[] = "\r\n";

// The widths in bytes of the fields of one item of the breakdown, after its "[]".
constexpr std::array<int, 5> kItemFieldWidths = {42, 15, 6, 15, 4};

struct Row {
    std::string sourceAccount;  // as written, for messages
    CString account;
    CString amount;
    CString description;
};

// An amount as the journal takes it (amount_check.h), whole yen without a sign,
// and written in the stored form a commit gives it: no separators, no leading zeros.
void CheckAmount(const SourceLine& line, const std::string& text, const std::string& row)
{
    const CString amount(text.c_str());
    const CString refusal = AmountRefusal(amount, "金額", AmountLimits{false, 18, 0, 0, false});
    if (!refusal.IsEmpty())
        throw SourceError(line.number, "the journal refuses this amount: " + FromShiftJis(refusal) + ": " + row);
    if (AddSubAmounts("0", amount, 1) != amount)
        throw SourceError(line.number, "amounts are written as stored, without separators or leading zeros: " + row);
}

Row ParseRow(const SourceLine& line, const std::string& text)
{
    const std::size_t accountEnd = text.find(' ');
    if (accountEnd == std::string::npos)
        throw SourceError(line.number, "a row is \"account amount [description]\": " + text);
    const std::string rest = Trim(text.substr(accountEnd));
    const std::size_t amountEnd = rest.find(' ');
    const std::string amount = rest.substr(0, amountEnd);
    CheckAmount(line, amount, text);
    Row row;
    row.sourceAccount = text.substr(0, accountEnd);
    row.account = ToShiftJis(row.sourceAccount);
    row.amount = CString(amount.c_str());
    if (amountEnd != std::string::npos)
        row.description = ToShiftJis(Trim(rest.substr(amountEnd)));
    return row;
}

std::array<Row, 3> ParseRows(const SourceLine& line, const std::string& text, const char* side)
{
    const std::vector<std::string> pieces = SplitTrimmed(text, ';');
    if (pieces.size() > 3)
        throw SourceError(line.number, std::string("at most three ") + side + " rows");
    std::array<Row, 3> rows;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        rows[i] = ParseRow(line, pieces[i]);
    return rows;
}

int ParseDigit(const SourceLine& line, const std::string& text, int highest, const char* what)
{
    if (text.size() != 1 || text[0] < '0' || text[0] > '0' + highest)
        throw SourceError(line.number, std::string(what) + " must be a digit from 0 to " + std::to_string(highest));
    return text[0] - '0';
}

// A day of the calendar, as the journal takes it (calendar_date.h).
void CheckDate(const SourceLine& line, const std::string& date)
{
    if (!IsCalendarDate(CString(date.c_str())))
        throw SourceError(line.number, "a date is a day of the calendar written yyyy/mm/dd: " + date);
}

// The journal's own checks of a committed entry: what the journal view would
// refuse never builds into a shipped file.
void CheckAsTheJournalDoes(const SourceLine& line, const CMyObject2& entry)
{
    const CString refusal = CheckStoredEntry(entry);
    if (!refusal.IsEmpty())
        throw SourceError(line.number, "the journal refuses this entry: " + FromShiftJis(refusal));
}

// The field padded with blanks to its width; longer text is a fault in the source.
CString ItemField(const SourceLine& line, const std::string& text, int width)
{
    CString field = ToShiftJis(text);
    if (field.GetLength() > width)
        throw SourceError(line.number, "item field longer than " + std::to_string(width) + " bytes: " + text);
    return field + CString(' ', width - field.GetLength());
}

CString ParseRemark(const SourceLine& line, const std::string& text)
{
    const std::size_t itemsStart = text.find("[]");
    CString remark = ToShiftJis(Trim(text.substr(0, itemsStart)));
    if (itemsStart == std::string::npos)
        return remark;
    const std::vector<std::string> items = [&text, itemsStart] {
        std::vector<std::string> found;
        std::size_t start = itemsStart + 2;
        for (;;) {
            const std::size_t next = text.find("[]", start);
            found.push_back(Trim(text.substr(start, next == std::string::npos ? std::string::npos : next - start)));
            if (next == std::string::npos)
                return found;
            start = next + 2;
        }
    }();
    for (const std::string& item : items) {
        const std::vector<std::string> fields = SplitTrimmed(item, '/');
        if (fields.size() != kItemFieldWidths.size() || fields[0].empty() || fields[1].empty() || fields[2].empty() ||
            fields[3].empty())
            throw SourceError(line.number, "an item is \"[]name/quantity/unit/unit price/currency\": " + item);
        remark += "[]";
        for (std::size_t i = 0; i < fields.size(); ++i)
            remark += ItemField(line, fields[i], kItemFieldWidths[i]);
    }
    return remark;
}

// The class digits of the six rows, from the dictionary.
ClassCode ClassesOf(const SourceLine& line, const std::array<Row, 3>& causes, const std::array<Row, 3>& results,
                    const DictionarySource& dictionary)
{
    ClassCode code;
    for (int i = 0; i < 6; ++i) {
        const Row& row = i < 3 ? causes[i] : results[i - 3];
        if (row.account.IsEmpty())
            continue;
        code.rowClass[i] = dictionary.ClassOf(row.account);
        if (code.rowClass[i] == 0)
            throw SourceError(line.number, "an account that the dictionary does not hold: " + row.sourceAccount);
        if (i >= 3 && !dictionary.IsResultAccount(row.account))
            throw SourceError(line.number,
                              "a result account that the dictionary's result branch does not hold: " + row.sourceAccount);
    }
    return code;
}

std::unique_ptr<CMyObject2> ParseEntry(const SourceLine& line, EntrySourceKind kind, const DictionarySource& dictionary)
{
    std::vector<std::string> fields = SplitTrimmed(line.text, '|');
    if (fields.size() == 5)
        fields.emplace_back();
    if (fields.size() != 6)
        throw SourceError(line.number, "an entry is \"head | causes | word | results | phrase | remark\"");
    if (fields[0].empty())
        throw SourceError(line.number, "an entry needs its date or the first line of its explanation");
    if (kind == EntrySourceKind::journal)
        CheckDate(line, fields[0]);
    const std::array<Row, 3> causes = ParseRows(line, fields[1], "cause");
    const std::array<Row, 3> results = ParseRows(line, fields[3], "result");
    if (causes[0].account.IsEmpty() || results[0].account.IsEmpty())
        throw SourceError(line.number, "an entry needs a cause account and a result account");

    ClassCode code = ClassesOf(line, causes, results, dictionary);
    code.connectChoice = ParseDigit(line, fields[2], 5, "the connecting-word choice");

    auto entry = std::make_unique<CMyObject2>();
    // A hint example's head is its explanation, not a day: it is checked as an
    // entry of an ordinary day and gets its head afterwards.
    entry->m_strDate = kind == EntrySourceKind::journal ? ToShiftJis(fields[0]) : CString("2024/01/01");
    CString* causeFields[3][3] = {{&entry->m_strCause1, &entry->m_strCauseAmount1, &entry->m_strCauseDesc1},
                                  {&entry->m_strCause2, &entry->m_strCauseAmount2, &entry->m_strCauseDesc2},
                                  {&entry->m_strCause3, &entry->m_strCauseAmount3, &entry->m_strCauseDesc3}};
    CString* resultFields[3][3] = {{&entry->m_strResult1, &entry->m_strResultAmount1, &entry->m_strResultDesc1},
                                   {&entry->m_strResult2, &entry->m_strResultAmount2, &entry->m_strResultDesc2},
                                   {&entry->m_strResult3, &entry->m_strResultAmount3, &entry->m_strResultDesc3}};
    for (int i = 0; i < 3; ++i) {
        *causeFields[i][0] = causes[i].account;
        *causeFields[i][1] = causes[i].amount;
        *causeFields[i][2] = causes[i].description;
        *resultFields[i][0] = results[i].account;
        *resultFields[i][1] = results[i].amount;
        *resultFields[i][2] = results[i].description;
    }
    entry->m_strRemark = ParseRemark(line, fields[5]);
    entry->m_nDirection = ParseDigit(line, fields[4], 1, "the phrase");
    entry->m_nClassCode = EncodeClassCode(code);
    CheckAsTheJournalDoes(line, *entry);
    entry->m_strDate = ToShiftJis(fields[0]);
    return entry;
}

}  // namespace

std::vector<std::unique_ptr<CMyObject2>> ParseEntries(const std::vector<SourceLine>& lines, EntrySourceKind kind,
                                                      const DictionarySource& dictionary)
{
    std::vector<std::unique_ptr<CMyObject2>> entries;
    for (const SourceLine& line : lines) {
        if (line.indent == 0) {
            entries.push_back(ParseEntry(line, kind, dictionary));
            continue;
        }
        if (kind != EntrySourceKind::hintExamples || entries.empty())
            throw SourceError(line.number, "only the explanation of a hint example continues on indented lines");
        entries.back()->m_strDate += kLineBreak;
        entries.back()->m_strDate += ToShiftJis(line.text);
    }
    return entries;
}
