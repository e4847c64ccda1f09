// kanjyo: the form view of the general ledger: every account's lines with their running balance.
#pragma once

#include "../core/book_form_view.h"

class kanjyo : public CBookFormView {
    DECLARE_DYNCREATE(kanjyo)
public:
    kanjyo();
};
