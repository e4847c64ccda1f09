// Ids shared by the launcher's resource script and its code. The launcher is a
// program of its own: its ids may repeat those of the main program.
#pragma once

// The launcher's icon.
#define IDR_LAUNCHER 128

// Dialog templates.
#define IDD_LAUNCHER_ABOUTBOX 100
#define IDD_LAUNCHER 102
#define IDD_HIGH_DPI_HELP 103

// The text of the about entry of the system menu.
#define IDS_LAUNCHER_ABOUT 101

// Bitmaps: the splash picture and the two pictures of the high-DPI help.
#define IDB_LAUNCHER_SPLASH 145
#define IDB_HIGH_DPI_HELP_MENU 149
#define IDB_HIGH_DPI_HELP_SETTING 150

// Controls of the launcher dialog.
#define IDC_FONT_LABEL 1003
#define IDC_PICTURE_AREA 1004
#define IDC_FONT_SIZE 1005
#define IDC_VERSION_AREA 1012
#define IDC_HIGH_DPI_HELP 1013

// The about entry of the system menu (a system command: its low four bits are clear).
#define IDM_LAUNCHER_ABOUT 0x0010
