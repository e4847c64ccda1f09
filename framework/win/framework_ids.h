// Ids the framework itself knows: the standard commands it handles or routes,
// the pane id of a frame's view and the application-name string. Plain
// definitions, so that resource scripts can include this header too.
#pragma once

// String table: the application name, caption of every message box.
#define AFX_IDS_APP_TITLE 0xE000

// File commands.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109

// The recent-file list: the first item stands for the whole list.
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FIRST 0xE110
#define ID_FILE_MRU_LAST 0xE11F

// Edit commands.
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B

// Application and help commands.
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_HELP_INDEX 0xE142
#define ID_HELP_FINDER 0xE143
#define ID_HELP_USING 0xE144
#define ID_CONTEXT_HELP 0xE145
#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// Child-window id of the view that fills a frame.
#define AFX_IDW_PANE_FIRST 0xE900
