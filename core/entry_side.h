// Which side of the books a row of a journal entry stands on. The sentence's
// increase/decrease choice decides it: with the second phrase (direction 0) the
// cause rows are the debit side and the result rows the credit side; with the
// first phrase (1), or with none (-1), the result rows are the debit side.
#pragma once

constexpr bool CauseRowsAreDebit(int direction)
{
    return direction == 0;
}

constexpr bool RowIsDebit(int direction, bool causeRow)
{
    return causeRow == CauseRowsAreDebit(direction);
}
