// The journal of a year: its entries in journal order, owned by the array's owner.
#pragma once

#include "my_object2.h"

#include "../framework/arrays.h"

using JournalArray = CTypedPtrArray<CObArray, CMyObject2*>;
