// CNumEdit: the edit control of the amount fields. Typed characters other than
// digits, ",", ".", backspace and tab never reach it. Text that arrives another
// way, pasted or composed by the input method, is cut down to the same characters,
// so the field only ever holds what could have been typed.
#pragma once

#include "../framework/win/controls.h"

class CNumEdit : public CEdit {
    DECLARE_MESSAGE_MAP(CNumEdit)
public:
    CNumEdit() = default;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);

    // Puts the amount characters of text in place of the selection.
    void InsertAmountCharacters(const CString& text);
};
