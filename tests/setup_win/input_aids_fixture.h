// The program started on a journal written by the test, with the journal view
// shown, for driving the input aids' commands and dialogs through the modal seam:
// message boxes are recorded and questions answered from a queue.
#pragma once

#include "program_folder.h"

#include "../support/entry_builder.h"

#include "core/record_file.h"
#include "framework/win/controls.h"
#include "framework/win/dialog.h"
#include "framework/win/wide_text.h"
#include "journal/win/siwake.h"
#include "setup/win/torihikisaki_dlg.h"
#include "resource.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// An entry as one line: date, accounts, amounts, direction and class code.
inline std::string EntryLine(const CMyObject2& e)
{
    return e.m_strDate.str() + " " + e.m_strCause1.str() + "/" + e.m_strResult1.str() + " " +
           e.m_strCauseAmount1.str() + "/" + e.m_strResultAmount1.str() + " d" + std::to_string(e.m_nDirection) +
           " c" + std::to_string(e.m_nClassCode);
}

inline std::string EntryLine(const EntryBuilder& entry)
{
    CMyObject2 e;
    entry.WriteTo(e);
    return EntryLine(e);
}

inline CString DlgText(CDialog& dlg, int id)
{
    CString text;
    dlg.GetDlgItemText(id, text);
    return text;
}

inline void DlgNotify(CDialog& dlg, int id, UINT code)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)->m_hWnd));
}

inline void DlgClick(CDialog& dlg, int id)
{
    DlgNotify(dlg, id, BN_CLICKED);
}

// Whether the control's own visibility is on (the dialog a test answers is not shown).
inline bool DlgShows(CDialog& dlg, int id)
{
    return (::GetWindowLongW(dlg.GetDlgItem(id)->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

inline bool DlgEnabled(CDialog& dlg, int id)
{
    return dlg.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

// A blank-padded amount field of 18 characters.
// The lines of the partner dialog's list, in order.
inline std::vector<std::string> ListLines(CTorihikisakiDlg& dlg)
{
    std::vector<std::string> lines;
    for (int i = 0; i < dlg.m_listPartners.GetCount(); ++i) {
        CString text;
        dlg.m_listPartners.GetText(i, text);
        lines.push_back(text.str());
    }
    return lines;
}

inline CString Field18(const char* shown)
{
    CString text(shown);
    while (text.GetLength() < 18)
        text = " " + text;
    return text;
}

class InputAidsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        m_answers.messageBox = AnswerFromQueue(m_boxes, m_buttons);
    }

    // Starts the program on a journal file of these entries, written as the
    // program writes them: amounts of unused rows are "0".
    void StartWith(std::initializer_list<EntryBuilder> entries)
    {
        JournalArray journal;
        for (const EntryBuilder& entry : entries)
            journal.Add(EntryBuilder(entry).UnusedAmountsZero().New());
        SaveRecordFile(Path("2024.siz"), journal);
        DeleteRecords(journal);
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        ASSERT_NE(nullptr, View());
        m_boxes.clear();
        m_answers.asked.clear();
    }

    siwake* View() const { return ActiveViewOf<siwake>(); }

    void Command(UINT id) { Frame()->SendMessage(WM_COMMAND, id); }

    // Runs the command, whose dialog (template dialogId) drive answers and must end.
    void RunDialog(UINT command, UINT dialogId, const std::function<void(CDialog&)>& drive)
    {
        m_answers.dialogs[dialogId] = drive;
        Command(command);
        ASSERT_FALSE(m_answers.asked.empty());
        EXPECT_EQ("dialog: " + std::to_string(dialogId), m_answers.asked.front().str());
    }

    std::vector<std::string> JournalLines() const
    {
        std::vector<std::string> lines;
        const auto& journal = Document()->m_arrJournal;
        for (int i = 0; i < journal.GetSize(); ++i)
            lines.push_back(EntryLine(*journal.GetAt(i)));
        return lines;
    }

    std::vector<std::string> m_boxes;
    std::deque<int> m_buttons;
};
