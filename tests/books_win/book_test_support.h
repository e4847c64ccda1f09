// What the books' window tests share: the program started with the sample
// journal, and commands and notifications sent as the user's clicks send them.
#pragma once

#include "program_folder.h"

#include "program_data.h"

#include "support/file_bytes.h"
#include "support/window_test_support.h"

#include "framework/win/controls.h"
#include "framework/win/form_view.h"
#include "framework/win/view.h"
#include "framework/win/wnd.h"

class BookWindowTest : public ProgramFolderTest {
protected:
    // The sample journal of the shipped files opened as the last journal.
    void StartWithSample(int show = SW_HIDE)
    {
        CopyShippedSetupFiles();
        WriteFileBytes(Path("2024.siz"), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\ｻﾝﾌﾟﾙ2024.siz"));
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start(show));
        ASSERT_GT(Document()->m_arrJournal.GetSize(), 300);
    }

    template <class View>
    View* Shown() const
    {
        CView* view = Frame() ? Frame()->GetActiveView() : nullptr;
        return view && view->IsKindOf(RUNTIME_CLASS(View)) ? static_cast<View*>(view) : nullptr;
    }

    void Command(UINT id)
    {
        Frame()->SendMessage(WM_COMMAND, id);
        PumpWaitingMessages();
    }

    // A control's notification, as the control sends it to the active view.
    void Notify(int id, UINT code)
    {
        CView* view = Frame()->GetActiveView();
        view->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(view->GetDlgItem(id)->m_hWnd));
        PumpWaitingMessages();
    }

    // Picks the item whose whole text is name in list id, as the user does.
    void PickItem(int id, const char* name)
    {
        auto* list = static_cast<CListBox*>(Frame()->GetActiveView()->GetDlgItem(id));
        int found = -1;
        for (int i = 0; i < list->GetCount() && found < 0; ++i) {
            CString item;
            list->GetText(i, item);
            if (item == name)
                found = i;
        }
        ASSERT_GE(found, 0) << name;
        list->SetCurSel(found);
        Notify(id, LBN_SELCHANGE);
    }

    void PickLine(int id, int line)
    {
        auto* list = static_cast<CListBox*>(Frame()->GetActiveView()->GetDlgItem(id));
        list->SetCurSel(line);
        Notify(id, LBN_SELCHANGE);
    }

    // The text of a control, or the caption of a group box the form draws.
    CString Text(int id) const
    {
        CString text;
        static_cast<CFormView*>(Frame()->GetActiveView())->GetDlgItemText(id, text);
        return text;
    }
};
