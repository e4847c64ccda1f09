// The journal view's work on the journal itself: committing a sentence after its
// checks and the dictionary's registrations, the journal list and what picking a
// line shows, the editing commands and the line clipboard, the question before an
// edited entry is left, the book buttons, keys and focus.
#include "siwake.h"

#include "bunrui_dlg.h"
#include "../dictionary_check.h"
#include "../../core/entry_check.h"
#include "../entry_lists.h"
#include "../entry_form.h"
#include "../../core/entry_rows.h"
#include "../journal_edits.h"
#include "../journal_lines.h"

#include "../../core/amount_arithmetic.h"
#include "../../core/amount_format.h"
#include "../../core/fiscal_year.h"
#include "../../core/win/help_pages.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/shell_open.h"
#include "../../framework/win/wide_text.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"
#include "../owner_account_check.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

const char* const kNewEntryRowText = "---";
const char* const kInsertRowText = "***";
const char* const kSelectRow = "行を選択して下さい。";
const char* const kInsertPendingNewEntry =
    "挿入行の編集中です。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n"
    "挿入作業を中止するには、[挿入中止]　を押してください。";
const char* const kInsertPendingChange =
    "挿入行の編集中です。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n"
    "挿入を中止するには、[挿入中止]　を押してください。";
const char* const kInsertPendingList =
    "挿入行の編集中は、取引リストの移動はできません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。"
    "\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。";
const char* const kInsertPendingSort = "挿入行の編集中です。並べ替えを中止します";
const char* const kInsertPendingPaste = "挿入行の編集中です。貼り付けを中止します";
const char* const kInsertPendingCut = "挿入行の編集中です。切り取りを中止します";
const char* const kDeleteQuestion = "選択されている行を削除しますか？";

constexpr int kCauseFieldIds[3] = {IDC_JOURNAL_CAUSE1, IDC_JOURNAL_CAUSE2, IDC_JOURNAL_CAUSE3};
constexpr int kResultFieldIds[3] = {IDC_JOURNAL_RESULT1, IDC_JOURNAL_RESULT2, IDC_JOURNAL_RESULT3};
constexpr int kBookButtonIds[7] = {IDC_JOURNAL_BOOK_KANJYO, IDC_JOURNAL_BOOK_KINSEN, IDC_JOURNAL_BOOK_KEIHI, IDC_JOURNAL_BOOK_URIAGE, IDC_JOURNAL_BOOK_SIIRE, IDC_JOURNAL_BOOK_KESSAN, IDC_JOURNAL_BOOK_SETTEI};

CString WindowText(const CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

CString Normalized(const CString& amount)
{
    return AddSubAmounts("0", amount, 1);
}

std::array<const CString*, 6> AccountsOf(const CMyObject2& e)
{
    return {&e.m_strCause1, &e.m_strCause2, &e.m_strCause3, &e.m_strResult1, &e.m_strResult2, &e.m_strResult3};
}

std::array<const CString*, 6> AmountsOf(const CMyObject2& e)
{
    return {&e.m_strCauseAmount1,  &e.m_strCauseAmount2,  &e.m_strCauseAmount3,
            &e.m_strResultAmount1, &e.m_strResultAmount2, &e.m_strResultAmount3};
}

std::array<const CString*, 6> DescriptionsOf(const CMyObject2& e)
{
    return {&e.m_strCauseDesc1,  &e.m_strCauseDesc2,  &e.m_strCauseDesc3,
            &e.m_strResultDesc1, &e.m_strResultDesc2, &e.m_strResultDesc3};
}

// The book named in the question before an entry with a breakdown is deleted.
CString BreakdownBookWord(const CMyObject2& entry)
{
    CString word;
    if (entry.m_strCause1 == "仕入" || entry.m_strResult1 == "仕入")
        word = "仕入";
    if (entry.m_strCause1 == "売上" || entry.m_strResult1 == "売上")
        word = "売上";
    // Only the sales and purchases books write a breakdown; another entry may
    // still carry one (read from a file), and the question names both books.
    return word.IsEmpty() ? CString("売上帳または仕入") : word;
}

}  // namespace

// ---------------------------------------------------------------------------
// Small helpers

CString siwake::DateText() const
{
    SYSTEMTIME time{};
    if (m_dtDate.GetTime(&time) != GDT_VALID)
        return CString();
    CString text;
    text.Format("%04d/%02d/%02d", time.wYear, time.wMonth, time.wDay);
    return text;
}

void siwake::SetDateFromEntryText(const CString& date)
{
    SYSTEMTIME time{};
    if (date.GetLength() >= 9) {
        time.wYear = static_cast<WORD>(atoi(date.Left(4)));
        time.wMonth = static_cast<WORD>(atoi(date.Mid(5, 2)));
        time.wDay = static_cast<WORD>(atoi(date.Mid(8, 2)));
    } else {
        time.wYear = static_cast<WORD>(atoi("20" + date.Left(2)));
        time.wMonth = static_cast<WORD>(atoi(date.Mid(3, 2)));
        time.wDay = static_cast<WORD>(atoi(date.Mid(6, 2)));
    }
    if (time.wMonth >= 1 && time.wMonth <= 12 && time.wDay >= 1 && time.wDay <= 31 && time.wYear >= 1753)
        m_dtDate.SetTime(&time);
}

CMyObject2* siwake::EntryAt(int index) const
{
    const auto& journal = GetDocument()->m_arrJournal;
    return index >= 0 && index < journal.GetSize() ? journal.GetAt(index) : nullptr;
}

int siwake::SelectedRow() const
{
    const int row = m_lbTransactions.GetCurSel();
    return row == LB_ERR ? -1 : row;
}

void siwake::MarkModified()
{
    GetDocument()->SetModifiedFlag(TRUE);
}

void siwake::LockForInsertion(BOOL lock)
{
    GetDocument()->m_menuState.SetInsertionPending(lock != FALSE);
    for (int id : kBookButtonIds)
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(!lock);
}

BOOL siwake::RefuseWhileInserting(const char* message)
{
    if (m_nInsertLine == -1)
        return FALSE;
    AfxMessageBox(message, MB_OK);
    return TRUE;
}

CString siwake::HalfWidthRemark(const CString& remark) const
{
    if (remark.IsEmpty())
        return remark;
    const std::wstring wide = ToWide(remark);
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
    const int length = static_cast<int>(wide.size());
    // The converted text may be longer than the original: its size is asked first.
    const int needed = ::LCMapStringW(japanese, LCMAP_HALFWIDTH, wide.c_str(), length, nullptr, 0);
    if (needed <= 0)
        return remark;
    std::wstring converted(static_cast<size_t>(needed), L'\0');
    if (::LCMapStringW(japanese, LCMAP_HALFWIDTH, wide.c_str(), length, converted.data(), needed) <= 0)
        return remark;
    return FromWide(converted);
}

void siwake::SetAmountField(CNumEdit& field, const CString& amount)
{
    field.SetWindowText(FormatAmount(amount, 0));
}

// ---------------------------------------------------------------------------
// Commit and validation

std::unique_ptr<CMyObject2> siwake::BuildEntry(const CMyObject2& base)
{
    EntryForm form;
    EntryFields& f = form.fields;
    f.date = DateText();
    for (int i = 0; i < 3; ++i) {
        const size_t k = static_cast<size_t>(i);
        f.cause[k] = WindowText(m_cbCause[i]);
        f.result[k] = WindowText(m_cbResult[i]);
        f.causeAmount[k] = WindowText(m_edCauseAmount[i]);
        f.resultAmount[k] = WindowText(m_edResultAmount[i]);
    }
    f.remark = WindowText(m_cbRemark);
    f.direction = IsDlgButtonChecked(IDC_JOURNAL_PHRASE1) ? 1 : (IsDlgButtonChecked(IDC_JOURNAL_PHRASE2) ? 0 : -1);
    form.descriptions = m_strRowDesc;
    form.classIndex = m_nClassIndex;
    form.connectIndex = m_nConnectIndex;
    form.halfWidthRemark = HalfWidthRemark(f.remark);
    // The question names the phrases offered; before a result account was picked
    // they are the texts the two buttons show.
    form.phrase1 = m_strResultPhrase1;
    form.phrase2 = m_strResultPhrase2;
    if (form.phrase1.IsEmpty())
        GetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, form.phrase1);
    if (form.phrase2.IsEmpty())
        GetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, form.phrase2);

    EntryBuild build = ::BuildEntry(form, GetDocument()->m_arrDictionary, DictionaryAnswers(), base,
                                    [this](const FieldText& shown) { ShowFormField(shown); });
    m_strRowDesc = form.descriptions;
    m_nClassIndex = form.classIndex;
    if (build.causeWordsChanged) {
        m_strCauseWord1 = build.causeWord1;
        m_strCauseWord2 = build.causeWord2;
    }
    if (build.resultBranchAdded)
        m_bResultListsStale = TRUE;
    if (build.refillResultLists)
        FillResultAccountLists(1);
    if (!build.refusal.IsEmpty()) {
        AfxMessageBox(build.refusal, MB_OK);
        if (build.apportionmentHelp)
            AfxHtmlHelp(HelpPageAddress(HelpPages::kApportion), HH_DISPLAY_TOPIC);
    }
    if (build.entry)
        CheckOwnerAccounts(build.entry.get());
    return std::move(build.entry);
}

void siwake::ShowFormField(const FieldText& shown)
{
    switch (shown.field) {
    case EntryFormField::CauseAmount1:
    case EntryFormField::CauseAmount2:
    case EntryFormField::CauseAmount3:
        m_edCauseAmount[static_cast<int>(shown.field) - static_cast<int>(EntryFormField::CauseAmount1)]
            .SetWindowText(shown.text);
        break;
    case EntryFormField::ResultAmount1:
    case EntryFormField::ResultAmount2:
    case EntryFormField::ResultAmount3:
        m_edResultAmount[static_cast<int>(shown.field) - static_cast<int>(EntryFormField::ResultAmount1)]
            .SetWindowText(shown.text);
        break;
    case EntryFormField::Remark:
        m_cbRemark.SetWindowText(shown.text);
        break;
    }
}

void siwake::CheckOwnerAccounts(CMyObject2* entry)
{
    if (!entry)
        return;
    const OwnerAccountAdvice advice = OwnerAccountAdviceFor(*entry);
    if (advice.owner.IsEmpty())
        return;
    const int answer = AfxMessageBox(advice.question, MB_YESNO);
    GetDocument()->m_strHintCause = advice.hintCause;
    GetDocument()->m_strHintResult = advice.hintResult;
    if (answer == IDYES)
        OnInputHint();
}

void siwake::OnNewEntry()
{
    CMyDoc* document = GetDocument();
    if (m_lbTransactions.GetCount() == 0)
        ShowNewEntryRowOnly();
    int sel = SelectedRow();
    bool fromNone = false;
    if (sel < 0) {
        if (AfxMessageBox("[新規登録]が押されました。 取引を行末に新規登録しますか？\n\n　[はい]　を選択すると、 行末に移動し新規登録します。"
                          "\n\n　[いいえ]　を選択すると、新規登録を中止します。",
                          MB_YESNO | MB_ICONINFORMATION) != IDYES) {
            ClearEntryAndTable();
            return;
        }
        sel = NewEntryRow();
        fromNone = true;
    }
    if (m_nInsertLine != -1) {
        AfxMessageBox(kInsertPendingNewEntry, MB_OK);
        return;
    }
    if (sel != NewEntryRow()) {
        if (AfxMessageBox("[新規登録]が押されました。 新規取引の追加は行末で行います。\n\n　[はい]　を選択すると、 行末に移動します。"
                          "\n\n　[いいえ]　を選択すると、変更作業を続けます。",
                          MB_YESNO | MB_ICONINFORMATION) != IDYES)
            return;
        m_lbTransactions.SetCurSel(NewEntryRow());
        ClearEntryAndTable();
        m_nShownLine = NewEntryRow();
        document->m_nCurEntry = m_nShownLine - 1;
        return;
    }

    std::unique_ptr<CMyObject2> built = BuildEntry(CMyObject2());
    if (!built) {
        if (fromNone)
            m_lbTransactions.SetCurSel(NewEntryRow());
        return;
    }
    const CMyObject2* record = built.get();
    ShowListEdit(AddEntry(document->m_arrJournal, std::move(built)));
    m_nShownLine = NewEntryRow();
    m_edFocusHolder.SetFocus();
    ShowEntryTable(*record);
    ClearEntryFields();
    SetDateFromEntryText(record->m_strDate);
    MarkModified();
}

// ---------------------------------------------------------------------------
// Dictionary check and registration

RegistrationAnswers siwake::DictionaryAnswers()
{
    RegistrationAnswers answers;
    answers.yesNo = [](const CString& text) { return AfxMessageBox(text, MB_YESNO) == IDYES; };
    answers.registerDescription = [this](const CString& name, const CString& desc) {
        return AskRegisterDescription(name, desc) == 1;
    };
    answers.tell = [](const CString& text) { AfxMessageBox(text, MB_OK); };
    answers.askClass = [this](const CString& name) { return AskAccountClass(name); };
    return answers;
}

int siwake::AskAccountClass(CString account)
{
    CBunruiDlg dialog(nullptr);
    dialog.m_strAccount = account;
    if (dialog.DoModal() != IDOK || dialog.m_nClass < 0 || dialog.m_nClass > 6)
        return -1;
    return dialog.m_nClass;
}

int siwake::AskRegisterDescription(CString account, CString description)
{
    return AfxMessageBox(DescriptionQuestion(account, description), MB_YESNO) == IDYES ? 1 : 0;
}

// ---------------------------------------------------------------------------
// The journal list

CString siwake::FormatListLine(const CMyObject2& entry)
{
    const JournalLineFormatter formatter(GetDocument()->m_arrDictionary);
    return formatter.Line(entry, m_nConnectIndex, &m_strCauseWord1, &m_strCauseWord2);
}

void siwake::RebuildTransactionList()
{
    CMyDoc* document = GetDocument();
    const auto& journal = document->m_arrJournal;
    m_lbClass.SetFocus();
    // The list is drawn once, with its final rows, selection and scroll position.
    const CStripeListBox::Batch batch(m_lbTransactions);
    m_lbTransactions.ResetContent();
    CWaitCursor wait;
    if (journal.GetSize() == 0) {
        ClearEntryFields();
        // An empty journal has no year: the year of a journal open before stays no longer.
        m_strYearText.Empty();
        GetDocument()->m_strYear.Empty();
        ShowNewEntryRowOnly();
        return;
    }

    m_strYearText = FiscalYearOf(journal);
    // The lines are written when they are shown; the list holds the entries and
    // the new-entry row after them.
    auto lines = std::make_shared<const JournalListLines>(journal, document->m_arrDictionary);
    // An entry without class digits takes those of the nearest earlier one.
    if (lines->LastClassCode().known) {
        m_nClassIndex = lines->LastClassCode().ClassIndexes();
        m_nConnectIndex = lines->LastClassCode().connectChoice;
    } else {
        m_nConnectIndex = 0;
    }
    if (lines->LastWordsFound()) {
        m_strCauseWord1 = lines->LastWord1();
        m_strCauseWord2 = lines->LastWord2();
    }
    const int count = lines->Count();
    m_lbTransactions.ShowLines(count + 1, [lines, count](int row) {
        return row == count ? CString(kNewEntryRowText) : lines->Text(row);
    });
    m_lbTransactions.SetCurSel(NewEntryRow());
    m_nShownLine = NewEntryRow();

    GetDocument()->m_strYear = m_strYearText;
    if (const CMyObject2* current = EntryAt(document->m_nCurEntry)) {
        m_lbTransactions.SetCurSel(document->m_nCurEntry);
        m_nShownLine = document->m_nCurEntry;
        LoadEntryFields(*current);
    } else {
        document->m_nCurEntry = -1;
    }
    m_lbClass.SetFocus();
}

void siwake::FillCauseAccountLists()
{
    const Dictionary& dictionary = GetDocument()->m_arrDictionary;
    for (int k = 0; k < 3; ++k) {
        const int classIndex = m_nClassIndex[static_cast<size_t>(k)];
        if (classIndex < 0 || classIndex > 6)
            continue;
        m_cbCause[k].ResetContent();
        for (const CString& name : ChildNames(dictionary, classIndex + 1))
            m_cbCause[k].AddString(name);
    }
}

void siwake::LoadEntryFields(const CMyObject2& entry)
{
    CMyDoc* document = GetDocument();
    SetDateFromEntryText(entry.m_strDate);
    const ClassCode code = DecodeClassCode(entry.m_nClassCode);
    if (code.known) {
        m_nClassIndex = code.ClassIndexes();
        m_nConnectIndex = code.connectChoice;
        m_lbClass.SetCurSel(m_nClassIndex[0]);
    }
    OfferResultAccounts(entry.m_strCause1);
    FillCauseAccountLists();

    const auto accounts = AccountsOf(entry);
    for (int i = 0; i < 3; ++i) {
        m_cbCause[i].SetWindowText(*accounts[RowOfField(kCauseSide, i + 1)]);
        m_cbResult[i].SetWindowText(*accounts[RowOfField(kResultSide, i + 1)]);
    }
    const auto amounts = AmountsOf(entry);
    for (int i = 0; i < 3; ++i) {
        SetAmountField(m_edCauseAmount[i], *amounts[RowOfField(kCauseSide, i + 1)]);
        SetAmountField(m_edResultAmount[i], *amounts[RowOfField(kResultSide, i + 1)]);
    }
    m_cbRemark.SetWindowText(RemarkText(entry.m_strRemark));
    const auto descriptions = DescriptionsOf(entry);
    for (size_t k = 0; k < 6; ++k) {
        m_strRowDesc[k] = *descriptions[k];
        m_strRowAccount[k] = *accounts[k];
    }

    m_nActiveRow = 1;
    m_nActiveResultRow = 1;
    // A cause account that the class side does not hold has no connecting word,
    // as its list line shows; the word of the entry shown before goes.
    if (LoadRowDescriptions(0, 1, entry.m_strCause1) < 0)
        m_stConnectWord.SetWindowText("");
    m_cbDesc1.SetWindowText(m_strRowDesc[0]);
    LoadRowDescriptions(1, 1, entry.m_strResult1);
    m_cbDesc2.SetWindowText(m_strRowDesc[3]);
    RedrawDescBracket(0, 1);
    RedrawDescBracket(1, 1);

    CheckDlgButton(IDC_JOURNAL_PHRASE1, BST_UNCHECKED);
    CheckDlgButton(IDC_JOURNAL_PHRASE2, BST_UNCHECKED);
    SetResultPhrases(entry.m_nDirection, entry.m_strResult1);
    SetDescLabel(0, 1, entry.m_strCause1);
    SetDescLabel(1, 1, entry.m_strResult1);

    GetDocument()->m_strHintCause = entry.m_strCause1;
    if (document->m_strCurAccount.IsEmpty())
        document->m_strCurAccount = entry.m_strCause1;
    const EntryBookWords words = BookWordsOf(entry);
    document->m_strExpenseAccount = words.expenseAccount;
    document->m_strBookCodes = words.bookCodes;
}

void siwake::OnSelchangeTransactionList()
{
    CMyDoc* document = GetDocument();
    const int s = SelectedRow();
    if (s < 0 || s == m_nShownLine)
        return;
    // The row being inserted stays selected without a word.
    if (m_nInsertLine != -1 && s == m_nInsertLine)
        return;
    if (ConfirmLeaveEdit("取引リスト") == -1)
        return;
    if (m_bResultListsStale) {
        FillResultAccountLists(1);
        m_bResultListsStale = FALSE;
    }
    if (m_nInsertLine != -1) {
        AfxMessageBox(kInsertPendingList, MB_OK);
        m_lbTransactions.SetCurSel(m_nInsertLine);
        m_lbTransactions.SetTopIndex(m_nInsertLine);
        return;
    }
    if (s < NewEntryRow()) {
        const CMyObject2* entry = EntryAt(s);
        if (!entry)
            return;
        for (CComboBox& cause : m_cbCause)
            cause.ResetContent();
        m_cbDesc1.ResetContent();
        m_cbDesc2.ResetContent();
        document->m_nCurEntry = s;
        LoadEntryFields(*entry);
        ShowEntryTable(*entry);
        document->m_strCurAccount = entry->m_strCause1;
    } else if (m_nShownLine != -1) {
        ClearEntryAndTable();
        FillResultAccountLists(0);
        document->m_nCurEntry = s - 1;
    }
    m_lbTransactions.SetCurSel(s);
    m_nActiveRow = 1;
    RedrawClassFunnel(1);
    RedrawDescBracket(0, 1);
    m_nShownLine = s;
}

void siwake::OnSortByDate()
{
    if (RefuseWhileInserting(kInsertPendingSort))
        return;
    ClearEntryFields();
    CWaitCursor wait;
    SortJournalByDate(GetDocument()->m_arrJournal);
    RebuildTransactionList();
    MarkModified();
}

// ---------------------------------------------------------------------------
// Editing

void siwake::OnInsertRow()
{
    CMyDoc* document = GetDocument();
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    if (sel == NewEntryRow()) {
        AfxMessageBox("この行の前には行の挿入できません。", MB_OK);
        return;
    }
    if (m_nInsertLine == -1) {
        // The new entry takes the date of the entry it is put in front of.
        const CMyObject2* before = EntryAt(sel);
        if (!before)
            return;
        const CString date = before->m_strDate;
        m_lbTransactions.InsertString(sel, kInsertRowText);
        document->m_nInsertRow = m_nInsertLine = sel;
        SetDlgItemText(IDC_JOURNAL_INSERT, "挿入確定");
        SetDlgItemText(IDC_JOURNAL_DELETE, "挿入中止");
        LockForInsertion(TRUE);
        ClearEntryAndTable();
        m_lbTransactions.SetCurSel(sel);
        // No stored entry is shown while the new one is typed.
        m_nShownLine = -1;
        SetDateFromEntryText(date);
        return;
    }

    const int row = m_nInsertLine;
    if (row < 0 || row > document->m_arrJournal.GetSize())
        return;
    std::unique_ptr<CMyObject2> built = BuildEntry(CMyObject2());
    if (!built)
        return;
    const CMyObject2* record = built.get();
    ShowListEdit(InsertEntry(document->m_arrJournal, row, std::move(built)));
    m_nShownLine = row;
    ShowEntryTable(*record);
    document->m_nInsertRow = m_nInsertLine = -1;
    SetDlgItemText(IDC_JOURNAL_INSERT, "行挿入");
    SetDlgItemText(IDC_JOURNAL_DELETE, "削除");
    LockForInsertion(FALSE);
    MarkModified();
}

void siwake::OnChangeEntry()
{
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    if (sel == NewEntryRow()) {
        AfxMessageBox("この行は新規登録行です。\n\n[新規追加]ボタンを押してください。", MB_OK);
        return;
    }
    if (RefuseWhileInserting(kInsertPendingChange))
        return;
    CMyObject2* entry = EntryAt(sel);
    if (!entry)
        return;
    const std::unique_ptr<CMyObject2> changed = BuildEntry(*entry);
    if (!changed)
        return;
    ShowListEdit(ChangeEntry(GetDocument()->m_arrJournal, sel, *changed));
    ShowEntryTable(*entry);
    if ((m_nActiveRow == 2 || m_nActiveRow == 3) && m_strRowDesc[RowOfField(kCauseSide, m_nActiveRow)].IsEmpty())
        m_cbDesc1.SetWindowText("");
    if ((m_nActiveResultRow == 2 || m_nActiveResultRow == 3) &&
        m_strRowDesc[RowOfField(kResultSide, m_nActiveResultRow)].IsEmpty())
        m_cbDesc2.SetWindowText("");
    MarkModified();
}

void siwake::OnDeleteRow()
{
    CMyDoc* document = GetDocument();
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    if (sel == NewEntryRow()) {
        AfxMessageBox("この行は新規登録行です。\n\n削除は出来ません", MB_OK);
        return;
    }
    const bool inserting = m_nInsertLine != -1;
    if (AfxMessageBox(inserting ? "挿入を中止し、挿入行を削除しますか？" : kDeleteQuestion, MB_YESNO) != IDYES)
        return;
    if (!inserting) {
        const CMyObject2* entry = EntryAt(sel);
        if (!entry)
            return;
        if (FindItemsStart(entry->m_strRemark) >= 0 &&
            AfxMessageBox("この取引は" + BreakdownBookWord(*entry) +
                              "帳で内訳明細が記帳されています。\n\nこの取引を削除すると内訳明細も、同時に削除されます。\n\n"
                              "この取引を削除しますか？",
                          MB_YESNO) != IDYES)
            return;
        ShowListEdit(DeleteEntry(document->m_arrJournal, sel));
    } else {
        SetDlgItemText(IDC_JOURNAL_INSERT, "行挿入");
        SetDlgItemText(IDC_JOURNAL_DELETE, "削除");
        LockForInsertion(FALSE);
        m_lbTransactions.DeleteString(static_cast<UINT>(m_nInsertLine));
    }
    document->m_nInsertRow = m_nInsertLine = -1;
    ClearEntryAndTable();
    m_lbTransactions.SetCurSel(-1);
    m_nShownLine = -1;
    m_nActiveRow = 0;
    MarkModified();
}

void siwake::OnClearFields()
{
    if (AfxMessageBox("編集欄に入力されている項目をクリアーしますか？", MB_YESNO) == IDYES)
        ClearEntryFields();
}

void siwake::CopyEntryToClip(const CMyObject2& record)
{
    CopyEntryFields(record, m_clipEntry);
    m_bLineCopied = TRUE;
}

void siwake::ShowListEdit(const JournalEdit& edit)
{
    switch (edit.change) {
    case JournalEdit::ListChange::None:
        return;
    case JournalEdit::ListChange::Insert:
        m_lbTransactions.InsertString(edit.row, FormatListLine(*edit.entry));
        break;
    case JournalEdit::ListChange::Replace:
        m_lbTransactions.DeleteString(static_cast<UINT>(edit.row));
        m_lbTransactions.InsertString(edit.row, FormatListLine(*edit.entry));
        break;
    case JournalEdit::ListChange::Remove:
        m_lbTransactions.DeleteString(static_cast<UINT>(edit.row));
        break;
    }
    m_lbTransactions.SetCurSel(edit.select);
    if (edit.currentEntry)
        GetDocument()->m_nCurEntry = *edit.currentEntry;
}

void siwake::ShowPastedEntry(const JournalEdit& edit)
{
    if (!edit.Done())
        return;
    // The pasted entry's line is written with its own connecting word.
    const ClassCode code = DecodeClassCode(edit.entry->m_nClassCode);
    if (code.known)
        m_nConnectIndex = code.connectChoice;
    ShowListEdit(edit);
    m_nShownLine = edit.row;
    ShowEntryTable(*edit.entry);
    LoadEntryFields(*edit.entry);
    MarkModified();
}

void siwake::OnEditCutLine()
{
    CMyDoc* document = GetDocument();
    if (RefuseWhileInserting(kInsertPendingCut))
        return;
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    if (sel == NewEntryRow()) {
        AfxMessageBox("新規登録行は切り取りできません。", MB_OK);
        return;
    }
    CMyObject2* entry = EntryAt(sel);
    if (!entry)
        return;
    // Cutting removes the entry from the journal: asked as the delete asks.
    if (AfxMessageBox(kDeleteQuestion, MB_YESNO) != IDYES)
        return;
    if (FindItemsStart(entry->m_strRemark) >= 0 &&
        AfxMessageBox("この取引は" + BreakdownBookWord(*entry) +
                          "帳で内訳明細が記帳されています。\n\nこの取引を削除すると内訳明細も、同時に削除されます。\n\n"
                          "この取引を削除しますか？",
                      MB_YESNO) != IDYES)
        return;
    CMyObject2 base;
    // The item breakdown goes with the line.
    base.m_strRemark = entry->m_strRemark;
    const std::unique_ptr<CMyObject2> record = BuildEntry(base);
    if (!record)
        return;
    CopyEntryToClip(*record);
    ShowListEdit(DeleteEntry(document->m_arrJournal, sel));
    MarkModified();
    m_nShownLine = -1;
    ClearEntryAndTable();
    m_lbTransactions.SetCurSel(-1);
}

void siwake::OnEditCopyLine()
{
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    if (ConfirmLeaveEdit("copy") == -1)
        return;
    CMyObject2 base;
    if (const CMyObject2* entry = m_nShownLine == sel ? EntryAt(sel) : nullptr)
        base.m_strRemark = entry->m_strRemark;
    const std::unique_ptr<CMyObject2> record = BuildEntry(base);
    if (!record)
        return;
    CopyEntryToClip(*record);
}

void siwake::OnEditPasteInsert()
{
    CMyDoc* document = GetDocument();
    if (!m_bLineCopied)
        return;
    if (RefuseWhileInserting(kInsertPendingPaste))
        return;
    const int sel = SelectedRow();
    if (sel < 0) {
        AfxMessageBox(kSelectRow, MB_OK);
        return;
    }
    ShowPastedEntry(PasteEntry(document->m_arrJournal, sel, m_clipEntry));
}

void siwake::OnEditPasteEnd()
{
    CMyDoc* document = GetDocument();
    if (!m_bLineCopied)
        return;
    if (RefuseWhileInserting(kInsertPendingPaste))
        return;
    m_lbTransactions.SetCurSel(NewEntryRow());
    ClearEntryAndTable();
    m_nShownLine = NewEntryRow();
    ShowPastedEntry(PasteEntryAtEnd(document->m_arrJournal, m_clipEntry));
}

// ---------------------------------------------------------------------------
// Leaving an edited entry, book buttons, keys and focus

int siwake::ConfirmLeaveEdit(CString destination)
{
    CMyDoc* document = GetDocument();
    const int n = m_lbTransactions.GetCount();
    int r = -1;
    CString D;
    CString A;
    int d = -1;
    if (m_nShownLine != n - 1 && m_nShownLine != -1) {
        const CString date = DateText();
        std::array<CString, 6> accounts;
        std::array<CString, 6> amounts;
        for (int i = 0; i < 3; ++i) {
            const size_t cause = RowOfField(kCauseSide, i + 1);
            const size_t result = RowOfField(kResultSide, i + 1);
            accounts[cause] = WindowText(m_cbCause[i]);
            accounts[result] = WindowText(m_cbResult[i]);
            amounts[cause] = Normalized(WindowText(m_edCauseAmount[i]));
            amounts[result] = Normalized(WindowText(m_edResultAmount[i]));
        }
        const CString remark = WindowText(m_cbRemark);
        d = IsDlgButtonChecked(IDC_JOURNAL_PHRASE1) ? 1 : (IsDlgButtonChecked(IDC_JOURNAL_PHRASE2) ? 0 : -1);
        const CMyObject2* entry = EntryAt(document->m_nCurEntry);
        if (!entry)
            return 0;
        D = entry->m_strDate;
        A = entry->m_strCause1;
        for (size_t k = 0; k < 6; ++k)
            if (accounts[k].IsEmpty())
                m_strRowDesc[k].Empty();
        bool same = D == date && RemarkText(entry->m_strRemark) == remark && entry->m_nDirection == d;
        const auto storedAccounts = AccountsOf(*entry);
        const auto storedAmounts = AmountsOf(*entry);
        const auto storedDescriptions = DescriptionsOf(*entry);
        for (size_t k = 0; k < 6 && same; ++k)
            same = *storedAccounts[k] == accounts[k] && Normalized(*storedAmounts[k]) == amounts[k] &&
                   *storedDescriptions[k] == m_strRowDesc[k];
        r = same ? 0 : -1;
    } else {
        bool empty = true;
        for (int i = 0; i < 3; ++i)
            empty = empty && WindowText(m_cbCause[i]).IsEmpty() && WindowText(m_cbResult[i]).IsEmpty();
        r = empty || m_nShownLine == -1 ? 0 : -1;
    }
    if (r == 0)
        return 0;

    if (destination == "copy") {
        // A new sentence has no stored entry to differ from: it is copied as typed.
        if (D.IsEmpty())
            return 0;
        AfxMessageBox("コピーする　" + D + "　" + A + "　の取引は変更されています。\n\n変更ボタンを押して、変更してください。",
                      MB_OK);
        return -1;
    }
    CString text;
    if (D.IsEmpty()) {
        text = "新規取引の入力中です。選択した [ " + destination +
               " ] に移動しますか？\n\n取引の入力作業を中止して、移動するには、[はい] を押してください。\n\n"
               "移動を中止して入力作業に戻るには、[いいえ] を押してください。";
    } else {
        text = d == -1 ? "移動前の　" + D + "　" + A + "　の取引の増減が選択されていません。"
                       : "移動前の　" + D + "　" + A + "　の取引が変更されています。";
        text += "\n\n選択した [ " + destination +
                " ] に移動しますか？\n\n取引の変更作業を中止して、移動するには、[はい] を押してください。\n\n"
                "移動を中止して変更作業に戻るには、[いいえ] を押してください。";
    }
    if (AfxMessageBox(text, MB_YESNO) == IDYES)
        return 0;
    m_lbTransactions.SetCurSel(m_nShownLine);
    return -1;
}

void siwake::SwitchBook(const char* destination, UINT command)
{
    // The buttons are disabled while a row is inserted; a click that still comes does nothing.
    if (m_nInsertLine != -1)
        return;
    if (ConfirmLeaveEdit(destination) == -1)
        return;
    if (GetDocument()->m_menuState.HintDialogOpen())
        return;
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_COMMAND, command, 0);
}

// The book buttons, each with the destination its question names and the
// main window's book command it sends.
void siwake::OnBookKanjyo() { SwitchBook("勘定元帳", ID_VIEW_KANJYO); }
void siwake::OnBookKinsen() { SwitchBook("現金出納帳", ID_VIEW_KINSEN); }
void siwake::OnBookKeihi() { SwitchBook("経費帳", ID_VIEW_KEIHI); }
void siwake::OnBookUriage() { SwitchBook("売上帳", ID_VIEW_URIAGE); }
void siwake::OnBookSiire() { SwitchBook("仕入帳", ID_VIEW_SIIRE); }
void siwake::OnBookKessan() { SwitchBook("決算", ID_VIEW_KESSAN); }
void siwake::OnBookSettei() { SwitchBook("科目辞書設定", ID_VIEW_SETTEI); }

void siwake::OnEditCopy()
{
    if (HWND focus = ::GetFocus())
        ::PostMessageW(focus, WM_COPY, 0, 0);
}

void siwake::OnEditPaste()
{
    if (HWND focus = ::GetFocus())
        ::PostMessageW(focus, WM_PASTE, 0, 0);
}

void siwake::OnSetfocusResultAmount1()
{
    SetImeOpen(FALSE);
    CString sum;
    for (CNumEdit& field : m_edCauseAmount) {
        const CString text = WindowText(field);
        field.SetWindowText(FormatAmount(text, 0));
        sum = AddSubAmounts(sum, text, 1);
    }
    for (int i = 1; i < 3; ++i) {
        const CString text = WindowText(m_edResultAmount[i]);
        m_edResultAmount[i].SetWindowText(FormatAmount(text, 0));
        sum = AddSubAmounts(sum, text, -1);
    }
    m_edResultAmount[0].SetWindowText(FormatAmount(sum, 0));
}

void siwake::OnSetfocusAmount()
{
    SetImeOpen(FALSE);
}

void siwake::OnInputHint()
{
    GetDocument()->m_strHintCause = WindowText(m_cbCause[0]);
    GetDocument()->m_strHintResult = WindowText(m_cbResult[0]);
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_COMMAND, ID_HINT_SHOW, 0);
}

void siwake::OnKillfocusFocusHolder()
{
    ShowEmptyTable();
}

void siwake::OnLeaving()
{
    // A view switch that still came during an insertion (a window that enabled the
    // book commands again) abandons the insertion: the file commands must not
    // stay locked by a row that no longer exists.
    if (m_nInsertLine != -1) {
        GetDocument()->m_nInsertRow = -1;
        m_nInsertLine = -1;
        LockForInsertion(FALSE);
    }
}
