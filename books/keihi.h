// keihi: the form view of the expense book.
#pragma once

#include "../core/book_form_view.h"

class keihi : public CBookFormView {
    DECLARE_DYNCREATE(keihi)
public:
    keihi();
};
