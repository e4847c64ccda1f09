// CUriage: the form view of the sales book.
#pragma once

#include "../core/book_form_view.h"

class CUriage : public CBookFormView {
    DECLARE_DYNCREATE(CUriage)
public:
    CUriage();
};
