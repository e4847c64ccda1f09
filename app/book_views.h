// The one table of book views: for each book command the form view the switch
// creates. The main frame, the spare views and the tests read it; each view
// itself says which book code it sets and which menu role it has.
#pragma once

#include "../framework/object.h"

#include <span>

struct BookView {
    unsigned int commandId;
    const CRuntimeClass* viewClass;
};

std::span<const BookView> BookViews();

// The entry of a book command, or nullptr for any other command id.
const BookView* FindBookView(unsigned int commandId);
