// CSiire: the form view of the purchases book.
#pragma once

#include "../core/book_form_view.h"

class CSiire : public CBookFormView {
    DECLARE_DYNCREATE(CSiire)
public:
    CSiire();
};
