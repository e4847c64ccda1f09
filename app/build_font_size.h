// The display font size this build of the program was made for (9, 10, 11, 12 or 14).
#pragma once

extern const int kBuildFontSize;
