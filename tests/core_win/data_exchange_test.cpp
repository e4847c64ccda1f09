// Data exchange runs both ways on every form view and dialog of the program
// without a fault of its table (a control id the template lacks).
#include "program_folder.h"

#include "app/book_views.h"
#include "framework/win/dialog.h"
#include "framework/win/view.h"
#include "resource.h"

namespace {

// The program's dialogs: the command that opens each and its template. A new
// dialog joins with one line.
struct ProgramDialog {
    const char* name;
    UINT command;
    UINT templateId;
};
const ProgramDialog programDialogs[] = {
    {"about box", ID_APP_ABOUT, IDD_ABOUTBOX},
};

class DataExchangeTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start());
        m_answers.asked.clear();
    }

    // Both directions; TRUE from each, and no message box on the way.
    static void ExchangeBothWays(CWnd& window)
    {
        EXPECT_TRUE(window.UpdateData(FALSE));
        EXPECT_TRUE(window.UpdateData(TRUE));
    }
};

TEST_F(DataExchangeTest, EveryFormViewExchangesBothWays)
{
    // The book views, from the table the view switch reads: a new view joins there.
    ASSERT_FALSE(BookViews().empty());
    for (const BookView& book : BookViews()) {
        SCOPED_TRACE(book.viewClass->m_lpszClassName);
        Frame()->SendMessage(WM_COMMAND, book.commandId);
        PumpWaitingMessages();
        CView* view = Frame()->GetActiveView();
        ASSERT_TRUE(view && view->IsKindOf(book.viewClass));
        ExchangeBothWays(*view);
    }
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

TEST_F(DataExchangeTest, EveryDialogExchangesBothWays)
{
    for (const ProgramDialog& dialog : programDialogs) {
        SCOPED_TRACE(dialog.name);
        bool exchanged = false;
        m_answers.dialogs[dialog.templateId] = [&](CDialog& live) {
            ExchangeBothWays(live);
            exchanged = true;
            live.EndDialog(IDCANCEL);
        };
        Frame()->SendMessage(WM_COMMAND, dialog.command);
        EXPECT_TRUE(exchanged);
        m_answers.dialogs.clear();
    }
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

}  // namespace
