// A realistic busy year of a shop, made the same way on every run from a fixed
// start value of its random numbers: opening balances on 1 January; cash and
// credit sales, purchases (about one entry in ten with the item breakdown of the
// sales and purchases books), receipts and payments with the trading partners,
// expenses across the profit-and-loss lines, apportioned household costs, cash
// deposits, wages, loan repayments and the owner's drawings through the year; the
// closing inventory, depreciation and the bad-debt allowance on 31 December.
// Every entry names accounts of the dictionary and passes the journal's checks.
#pragma once

#include "core/dictionary_tree.h"
#include "core/journal_array.h"
#include "core/my_object2.h"
#include "framework/arrays.h"

#include <cstdint>

struct BusyYearShape {
    int entries = 20000;      // at least kBusyYearFixedEntries
    std::uint32_t startValue = 20240101;
};

// The entries of 1 January and 31 December that every year has.
extern const int kBusyYearFixedEntries;

// Appends the year's entries in date order to year (which owns them). Throws
// std::runtime_error when the dictionary lacks an account the year books, or
// when the journal would refuse an entry.
void MakeBusyYear(const DictionaryNodes& dictionary, const BusyYearShape& shape, JournalArray& year);
