// kinsen: the form view of the cash book.
#pragma once

#include "../core/book_form_view.h"

class kinsen : public CBookFormView {
    DECLARE_DYNCREATE(kinsen)
public:
    kinsen();
};
