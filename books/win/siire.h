// CSiire: the form view of the purchases book.
#pragma once

#include "sales_book_view.h"

class CSiire : public CSalesBookView {
    DECLARE_DYNCREATE(CSiire)
    DECLARE_MESSAGE_MAP(CSiire)
public:
    CSiire();
};
