// Ids of the application framework tests' resources.
#pragma once

#include "framework/win/framework_ids.h"

// Frame: menu, accelerators and title string.
#define IDR_TEST_FRAME 128

// Forms and dialogs.
#define IDD_TEST_FORM 200
#define IDD_TEST_FORM_SECOND 201
#define IDD_TEST_DIALOG 202
#define IDD_TEST_NOTICE 203
#define IDD_TEST_MISSING 299

// Controls.
#define IDC_NAME 1001
#define IDC_AMOUNT 1002
#define IDC_FLAG 1003
#define IDC_RADIO_FIRST 1004
#define IDC_RADIO_SECOND 1005
#define IDC_RADIO_THIRD 1006
#define IDC_LIST 1007
#define IDC_COMBO 1008
#define IDC_SWITCH 1009
#define IDC_NOTE 1010
#define IDC_BOTTOM 1011
#define IDC_LABEL 1012
#define IDC_DETAIL_GROUP 1013
#define IDC_TAX_IN 1014
#define IDC_KEPT_GROUP 1015
#define IDC_SHOWN_DATE 1016
#define IDC_SHOWN_AMOUNT 1017
#define IDC_KEPT_FIELD 1018
#define IDC_SHOWN_WORD 1019
#define IDC_KEPT_AMOUNT 1020
#define IDC_SHOWN_HEADING 1021
#define IDC_KEPT_HEADING 1022
#define IDC_SHOWN_CAPTION 1023
#define IDC_KEPT_CAPTION 1024
#define IDC_SHOWN_FRAMED_HEADING 1025
#define IDC_KEPT_FRAMED_HEADING 1026

// Commands.
#define ID_TEST_FIRST 32800
#define ID_TEST_VIEW_FORM 32800
#define ID_TEST_VIEW_SECOND 32801
#define ID_TEST_DOC_COMMAND 32802
#define ID_TEST_UNHANDLED 32803
#define ID_TEST_GREYED_BY_VIEW 32804
#define ID_TEST_LAST 32809

// Strings.
#define IDS_TEST_JAPANESE 300
