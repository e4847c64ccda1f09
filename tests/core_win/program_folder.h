// A temporary program folder made the current directory, and the program's
// application started and closed in it, with every message box and dialog
// answered by the test.
#pragma once

#include "app/main_frame.h"
#include "app/my_app.h"
#include "core/win/my_doc.h"
#include "framework/win/modal_seam.h"
#include "framework/win/view.h"
#include "support/file_bytes.h"
#include "support/journal_fixtures.h"
#include "support/program_in_process.h"
#include "support/temp_folder.h"
#include "support/window_test_support.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>


void WriteJournal(const CString& path, std::initializer_list<const char*> amounts);
// An old-format journal of one sale of 1500 yen on 1999/04/01.
void WriteOldJournal(const CString& path);
// The number of entries of the journal file at path.
int EntriesInFile(const CString& path);
// A dictionary of the root, seven classes, the result branch and nodeCount - 9 accounts.
void WriteDictionary(const CString& path, int nodeCount);

// A message-box answer for tests that edit: every text is recorded in boxes, a
// notice is answered OK and a question with the next of buttons; a question with
// none left fails the test and is answered No.
template <class Text>
std::function<int(const MessageBoxRequest&)> AnswerFromQueue(std::vector<Text>& boxes, std::deque<int>& buttons)
{
    return [&boxes, &buttons](const MessageBoxRequest& box) {
        boxes.push_back(Text(box.text));
        if ((box.style & MB_TYPEMASK) == MB_OK)
            return IDOK;
        if (buttons.empty()) {
            ADD_FAILURE() << "an unexpected question: " << std::string(box.text);
            return IDNO;
        }
        const int button = buttons.front();
        buttons.pop_front();
        return button;
    };
}

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The file name in the program folder.
    CString Path(const char* name) const { return m_folder.Path(name); }
    // The program folder as the program sees it (without a trailing backslash).
    CString Folder() const;
    // Puts the shipped dictionary and hint example files into the program folder.
    void CopyShippedSetupFiles();

    // Starts the program; FALSE when its start-up refused.
    BOOL Start(int nCmdShow = SW_HIDE);
    // Asks the main window to close, as the close box does; TRUE when it closed.
    bool Close();
    // Ends the program whatever state it is in, without questions (for the next start).
    void Stop();

    CMainFrame* Frame() const;
    CMyDoc* Document() const;
    // The active view when it is of that class, else nullptr.
    template <class ViewClass>
    ViewClass* ActiveViewOf() const
    {
        CView* view = Frame() ? Frame()->GetActiveView() : nullptr;
        return view && view->IsKindOf(RUNTIME_CLASS(ViewClass)) ? static_cast<ViewClass*>(view) : nullptr;
    }

    // The texts of the message boxes shown so far.
    std::vector<CString> MessagesShown() const;

    TempFolder m_folder;
    ModalAnswers m_answers;
    std::unique_ptr<CMyApp> m_app;

private:
    std::optional<CurrentDirectorySwitch> m_directory;
};
