// CStripeListBox: the list box in which the journal and the books show their
// lines: one text line per row, rows alternately white and light green, a light
// grey line under each row, the selected row in the system highlight colours. It
// only draws; the owner fills the strings and sets the row height.
//
// A list made with LBS_NODATA holds no rows of its own: this object keeps their
// texts and answers the list's text messages (add, insert, delete, reset, get
// text) from them, so that callers use it as any list of strings while a busy
// year's lines go in with one LB_SETCOUNT instead of one copy per line. Such a
// list can also be given its rows' count and a function that writes a row's
// text when the row is drawn or its text asked for: then no line is written
// before it is shown, and rows added, inserted or deleted later move the
// others without writing them.
#pragma once

#include "controls.h"

#include <functional>
#include <vector>

class CStripeListBox : public CListBox {
public:
    CStripeListBox();

    // Replaces every row by lines, with drawing off while they go in.
    void SetLines(std::vector<CString> lines);
    // Replaces every row by count rows whose texts textOf(row) writes when they
    // are needed. A row keeps its number for textOf when rows are added,
    // inserted or deleted before it later; a row added or inserted keeps its text.
    void ShowLines(int count, std::function<CString(int)> textOf);

    // Drawing off while it lives: rows, selection and scroll position change
    // together, and the list and its scroll bar are brought up to date once at
    // the end instead of at every change. Batches may nest.
    class Batch {
    public:
        explicit Batch(CStripeListBox& list);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        CStripeListBox& m_list;
    };

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    COLORREF m_crStripe;
    COLORREF m_crText;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A row of a list that keeps none: its text, or the number textOf writes it by.
    struct Row {
        int number = -1;  // -1: the text is kept
        CString text;
    };

    bool KeepsLines() const;
    // The kept texts' side of the list's own messages; FALSE for the others.
    bool OnLineMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A typed character moves to the next row that begins with it, as a list of strings does.
    void MoveToRowBeginningWith(wchar_t typed);
    // The row's text; empty outside the list.
    CString RowText(int index) const;
    int KeptRowCount() const;
    // Gives each row shown through textOf its own entry, before rows move.
    void ListRows();

    std::vector<Row> m_rows;               // the rows of a list that keeps none
    std::function<CString(int)> m_textOf;  // writes the rows shown through it
    int m_numberedCount = 0;               // while m_rows is empty: rows 0 to this less one, by their own number
    int m_batchDepth = 0;
    bool m_batchHidesDrawing = false;  // the outermost batch switched drawing off
};
