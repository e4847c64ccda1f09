// A temporary program folder made the current directory, and the program's
// application started and closed in it, with every message box and dialog
// answered by the test.
#pragma once

#include "core/main_frame.h"
#include "core/my_app.h"
#include "core/my_doc.h"
#include "framework/win/modal_seam.h"
#include "support/file_bytes.h"
#include "support/journal_fixtures.h"
#include "support/temp_folder.h"
#include "support/window_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>


void WriteJournal(const CString& path, std::initializer_list<const char*> amounts);
// An old-format journal of one sale of 1500 yen on 1999/04/01.
void WriteOldJournal(const CString& path);
// The number of entries of the journal file at path.
int EntriesInFile(const CString& path);
// A dictionary of the root, seven classes, the result branch and nodeCount - 9 accounts.
void WriteDictionary(const CString& path, int nodeCount);

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

    // The texts of the message boxes shown so far.
    std::vector<CString> MessagesShown() const;

    TempFolder m_folder;
    ModalAnswers m_answers;
    std::unique_ptr<CMyApp> m_app;

private:
    std::wstring m_previousDirectory;
};
