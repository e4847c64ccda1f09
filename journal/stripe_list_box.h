// CStripeListBox: the list box in which the journal and the books show their
// lines: one text line per row, rows alternately white and light green, a light
// grey line under each row, the selected row in the system highlight colours. It
// only draws; the owner fills the strings and sets the row height.
#pragma once

#include "../framework/win/controls.h"

class CStripeListBox : public CListBox {
public:
    CStripeListBox();

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    COLORREF m_crStripe;
    COLORREF m_crText;
};
