// Compiled once per build size, with ZIRERE_FONT_SIZE set to that size.
#include "build_font_size.h"

const int kBuildFontSize = ZIRERE_FONT_SIZE;
