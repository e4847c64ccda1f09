// Ids shared by the resource scripts and the code of the main program.
#pragma once

#include "journal_view_ids.h"

// Main frame: menu, accelerators, icon and title string.
#define IDR_MAINFRAME 128

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_SETTEI 102
#define IDD_RENAME 105
#define IDD_KEIHI 133
#define IDD_KANJYO 134
#define IDD_KESSAN 137
#define IDD_SIWAKE 141
#define IDD_KINSEN 142
#define IDD_URIAGE 160
#define IDD_SIIRE 161

// Controls.
#define IDC_NEW_NAME 1148

// The sales and purchases books: the partner list and the item breakdown editor.
#define IDC_PARTNER_GROUP 1129
#define IDC_PARTNER_LIST 1065
#define IDC_BREAKDOWN_GROUP 1136
#define IDC_ITEM_LIST 1137
#define IDC_ITEM_NAME 1028
#define IDC_ITEM_QUANTITY 1024
#define IDC_ITEM_UNIT 1036
#define IDC_ITEM_PRICE 1025
#define IDC_ITEM_CURRENCY 1038
#define IDC_ITEM_ADD 1029
#define IDC_ITEM_CHANGE 1030
#define IDC_ITEM_DELETE 1000
#define IDC_SALES_LEDGER_GROUP 1052

// Book commands (one range: the view switch).
#define ID_VIEW_SIWAKE 32771
#define ID_VIEW_KINSEN 32772
#define ID_HINT_SHOW 32773
#define ID_FILE_OPEN_CSV 32775
#define ID_HINT_CLOSE 32776
#define ID_EDIT_CUT_LINE 32777
#define ID_EDIT_COPY_LINE 32778
#define ID_EDIT_PASTE_INSERT 32779
#define ID_OPENING_BALANCE 32780
#define ID_VIEW_KANJYO 32781
#define ID_TRADING_PARTNERS 32782
#define ID_VIEW_KEIHI 32783
#define ID_VIEW_KESSAN 32784
#define ID_SORT_BY_DATE 32785
#define ID_VIEW_SETTEI 32786
#define ID_FILE_OPEN_OLD 32787
#define ID_HELP_UPGRADE 32788
#define ID_FILE_SAVE_CSV1 32789
#define ID_FILE_SAVE_CSV3 32790
#define ID_HELP_TERMS 32791
#define ID_HELP_HOMEPAGE 32792
#define ID_VIEW_SIIRE 32793
#define ID_VIEW_URIAGE 32794
#define ID_FILE_BACKUP_FOLDER 32795
#define ID_LEDGER_PRINT_ALL_PREVIEW 32797
#define ID_LEDGER_PRINT_ALL 32798
#define ID_INVENTORY 32799
#define ID_BAD_DEBT_ALLOWANCE 32800
#define ID_KEYWORD_SEARCH 32801
#define ID_FILE_COPY 32802
#define ID_FILE_DELETE 32804
#define ID_FILE_MOVE 32805
#define ID_FILE_RENAME 32806
#define ID_EDIT_PASTE_END 32807

#define ID_VIEW_FIRST ID_VIEW_SIWAKE
#define ID_VIEW_LAST ID_VIEW_URIAGE

// Picture beside the class prompt of the journal form.
#define IDB_CLASS_PROMPT 151

// The help icon of the dialogs with a help panel (input hints, result-account class).
#define IDB_HELP_ICON 167

// The input-hint dialog and the dictionary auto-registration dialog.
#define IDD_HINT 139
#define IDD_DICT_REGISTER 159

// The result-account class dialog of the journal's commit.
#define IDD_BUNRUI 140

// The opening-balance dialog.
#define IDD_KISHU_ZANDAKA 135

// The input aids' dialogs: closing inventory, bad-debt allowance, keyword search
// and trading partners.
#define IDD_INVENTORY 168
#define IDD_BAD_DEBT 169
#define IDD_KEYWORD_SEARCH 170
#define IDD_PARTNERS 148

// The dictionary editor: the node icons of its tree (image index = node kind),
// the caption picture between its create buttons, and its controls.
#define IDB_DICT_CLASS 131
#define IDB_DICT_RESULT_BRANCH 132
#define IDB_DICT_CAUSE_DESCRIPTION 133
#define IDB_DICT_CAUSE_ACCOUNT 134
#define IDB_DICT_ROOT 135
#define IDB_DICT_RESULT_ACCOUNT 136
#define IDB_DICT_RESULT_DESCRIPTION 137
#define IDB_DICT_SELECTED_CAPTION 147
#define IDC_DICT_TREE 1031
#define IDC_DICT_GUIDE 1129
#define IDC_DICT_CREATE_BEFORE 1027
#define IDC_DICT_CREATE_AFTER 1030
#define IDC_DICT_CREATE_UNDER 1012
#define IDC_DICT_LINK_AFTER 1162
#define IDC_DICT_LINK_BEFORE 1163
#define IDC_DICT_LINK_UNDER 1161
#define IDC_DICT_NAME_GROUP 1055
#define IDC_DICT_NAME 1024
#define IDC_DICT_CHANGE 1013
#define IDC_DICT_DELETE 1014
#define IDC_DICT_WORD_GROUP 1060
#define IDC_DICT_WORD1_LABEL 1057
#define IDC_DICT_WORD2_LABEL 1058
#define IDC_DICT_WORD1B_LABEL 1059
#define IDC_DICT_WORD2B_LABEL 1061
#define IDC_DICT_WORD1 1025
#define IDC_DICT_WORD1B 1028
#define IDC_DICT_WORD2 1026
#define IDC_DICT_WORD2B 1160
#define IDC_DICT_RESET 1032
#define IDC_DICT_REBUILD 1005
#define IDC_DICT_IMPORT 1003
#define IDC_DICT_EXPORT 1004
#define IDC_DICT_SHOW_CLASSES 1100
#define IDC_DICT_SHOW_CAUSE 1081
#define IDC_DICT_SHOW_WORD 1082
#define IDC_DICT_SHOW_RESULT 1083
#define IDC_DICT_SHOW_PHRASE1 1035
#define IDC_DICT_SHOW_PHRASE2 1037
#define IDC_DICT_SHOW_DESC1 1084
#define IDC_DICT_SHOW_DESC2 1085
