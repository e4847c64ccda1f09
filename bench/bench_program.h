// The program started in-process in a program folder of its own, on real
// windows, with every message box answered (OK, Yes) and recorded, for the
// benchmark to drive as a user does: commands, picks in lists, clicks.
#pragma once

#include "framework/win/modal_seam.h"
#include "framework/win/view.h"
#include "tests/support/message_pump.h"
#include "tests/support/program_in_process.h"

#include <memory>
#include <string>
#include <vector>

class BenchProgram {
public:
    // folder holds the set-up files and the last-file record naming the journal.
    explicit BenchProgram(const CString& folder);
    ~BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    // Starts the program shown and paints its main window once; FALSE when it refused.
    BOOL StartAndPaint();
    // Ends it without questions.
    void Stop();

    CMainFrame* Frame() const;
    CMyDoc* Document() const;
    CView* View() const;
    template <class View>
    View* Shown() const
    {
        CView* view = this->View();
        return view && view->IsKindOf(RUNTIME_CLASS(View)) ? static_cast<View*>(view) : nullptr;
    }

    // Runs the program's idle work until it has none left.
    void Idle();
    // While off, commands, notifications and picks leave the messages they queue
    // (the paint among them) for Pump, so that the steps of an action are timed apart.
    void SetPumping(bool pumping) { m_pumping = pumping; }
    // Handles the messages waiting.
    void Pump();
    void Command(UINT id);
    // A control's notification to the active view, as the control sends it.
    void Notify(int id, UINT code);
    // Picks the item whose whole text is name in the view's list box id; FALSE when none is.
    bool PickItem(int id, const CString& name);
    void PickLine(int id, int line);
    void SetText(int id, const char* text);

    // The texts of the message boxes shown so far.
    const std::vector<CString>& Messages() const { return m_messages; }

private:
    CurrentDirectorySwitch m_directory;
    ModalAnswers m_answers;
    std::unique_ptr<CMyApp> m_app;
    std::vector<CString> m_messages;
    bool m_pumping = true;
};
