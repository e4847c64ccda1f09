// The display form and the stored form of amount text.
#pragma once

#include "../framework/cstring.h"

// A formatted amount of at most this many bytes is drawn on the common right edge of
// a printed amount cell; a longer one is drawn further to the left.
constexpr int kAmountFitsBytes = 18;

// digits with "," before every group of three from the right, as long as more than
// three digits stand in front of the last separator, up to maxSeparators of them.
CString InsertThousandsSeparators(const CString& digits, int maxSeparators);

// A display text right-aligned in width bytes: blanks in front of a shorter text; a
// longer one becomes "#" followed by its last width - 1 bytes, so that a cut amount
// is never shown as a smaller number, and a longer negative one "-#" followed by its
// last width - 2 bytes (only "-" in a width of 1), so that its sign stays in view.
// A width of 0 or less leaves the text as it is.
CString FitAmountToWidth(const CString& text, int width);
// Whether a shown text is the mark of an amount cut by FitAmountToWidth ("#" or
// "-#" in front, blanks before it ignored): its text is then not the amount.
bool IsCutAmount(const CString& shown);

// The display form of an amount text: "," removed and put back every three integer
// digits (up to six of them), the fraction cut (not rounded) or completed to two
// decimals (a bare "." gives ".00"), "-" in front of a negative amount. Blanks are
// kept as they are. The empty text stays empty.
// With a width above 0, a whole amount gets three blanks so that its digits line up
// with amounts that have decimals, and the text is fitted with FitAmountToWidth;
// when amountFits is given it is set first: -1 when the text before fitting has at
// most kAmountFitsBytes bytes, 0 when it is longer. An empty amount and a width of 0
// leave the flag alone.
CString FormatAmount(const CString& amount, int width, int* amountFits = nullptr);

// FormatAmount of the amount with every blank removed first, so that a field of
// blanks shows as empty; for the dialogs, which keep no amount-fits flag.
CString FormatAmountIgnoringBlanks(const CString& amount, int width);

// The stored form of an amount: "," and " " removed, and when it has a ".", exactly
// two decimals (cut after two, "0" added to one, ".00" for a bare "."). A "-" stays
// where it is; the empty text stays empty.
CString NormalizeAmount(const CString& amount);
