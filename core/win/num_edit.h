// CNumEdit: the edit control of the amount fields. Typed characters other than
// digits, ",", ".", backspace and tab never reach it, nor do the characters of
// text composed by the input method. Pasted text goes in as it stands: the
// owner's amount check (amount_check.h) refuses what is no amount when the field
// is committed, naming the field, instead of the field keeping a silently
// changed figure.
#pragma once

#include "../../framework/win/controls.h"

class CNumEdit : public CEdit {
    DECLARE_MESSAGE_MAP(CNumEdit)
public:
    CNumEdit() = default;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);

    // Puts the amount characters of text in place of the selection.
    void InsertAmountCharacters(const CString& text);
};
