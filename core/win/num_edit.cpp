#include "num_edit.h"

#include "../num_edit_keys.h"

#include "../../framework/win/wide_text.h"

#include <imm.h>

#include <string>

const MessageMap* CNumEdit::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CNumEdit>(
        on::Char(&CNumEdit::OnChar),
        on::Message(WM_IME_CHAR, &CNumEdit::OnImeChar),
        on::Message(WM_IME_COMPOSITION, &CNumEdit::OnImeComposition));
    return &map;
}

void CNumEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (IsAmountKey(nChar))
        Default();
}

void CNumEdit::InsertAmountCharacters(const CString& text)
{
    const CString kept = AmountCharactersOnly(text);
    if (!kept.IsEmpty())
        ReplaceSel(kept, TRUE);
}

LRESULT CNumEdit::OnImeChar(WPARAM wParam, LPARAM)
{
    if (wParam < 0x80 && IsAmountKey(static_cast<UINT>(wParam)))
        return Default();
    return 0;
}

LRESULT CNumEdit::OnImeComposition(WPARAM wParam, LPARAM lParam)
{
    if (!(lParam & GCS_RESULTSTR))
        return Default();
    // The finished text goes in through the same filter as typed text; the
    // composition itself is left to the control.
    std::wstring result;
    if (HIMC context = ::ImmGetContext(m_hWnd)) {
        const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
        if (bytes > 0) {
            result.resize(static_cast<size_t>(bytes) / sizeof(wchar_t));
            ::ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
        }
        ::ImmReleaseContext(m_hWnd, context);
    }
    InsertAmountCharacters(FromWide(result));
    const LPARAM rest = lParam & ~static_cast<LPARAM>(GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE |
                                                     GCS_RESULTREADCLAUSE);
    return rest ? ::CallWindowProcW(m_pfnSuper, m_hWnd, WM_IME_COMPOSITION, wParam, rest) : 0;
}
