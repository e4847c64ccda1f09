// Control ids of the journal form (IDD_SIWAKE), shared by its template and the
// journal view. The rows of a sentence come in threes: the cause combos, their
// amounts, the result combos and their amounts, first row first.
#pragma once

// The three frames of the form: entry, list and debit/credit table.
#define IDC_JOURNAL_ENTRY_GROUP 1093
#define IDC_JOURNAL_LIST_GROUP 1094
#define IDC_JOURNAL_TABLE_GROUP 1095

// The book buttons along the top.
#define IDC_JOURNAL_BOOK_KANJYO 1010
#define IDC_JOURNAL_BOOK_KINSEN 1011
#define IDC_JOURNAL_BOOK_KEIHI 1029
#define IDC_JOURNAL_BOOK_URIAGE 1012
#define IDC_JOURNAL_BOOK_SIIRE 1044
#define IDC_JOURNAL_BOOK_KESSAN 1023
#define IDC_JOURNAL_BOOK_SETTEI 1027

// The sentence: date, class list, cause rows, connecting word, result rows, phrases.
#define IDC_JOURNAL_DATE 1039
#define IDC_JOURNAL_CLASS_LIST 1034
#define IDC_JOURNAL_CAUSE1 1038
#define IDC_JOURNAL_CAUSE2 1040
#define IDC_JOURNAL_CAUSE3 1041
#define IDC_JOURNAL_CAUSE_AMOUNT1 1032
#define IDC_JOURNAL_CAUSE_AMOUNT2 1033
#define IDC_JOURNAL_CAUSE_AMOUNT3 1042
#define IDC_JOURNAL_CONNECT_WORD 1049
#define IDC_JOURNAL_RESULT1 1043
#define IDC_JOURNAL_RESULT2 1030
#define IDC_JOURNAL_RESULT3 1031
#define IDC_JOURNAL_RESULT_AMOUNT1 1024
#define IDC_JOURNAL_RESULT_AMOUNT2 1025
#define IDC_JOURNAL_RESULT_AMOUNT3 1026
#define IDC_JOURNAL_PHRASE1 1035
#define IDC_JOURNAL_PHRASE1_TEXT 1079
#define IDC_JOURNAL_PHRASE2 1037
#define IDC_JOURNAL_PHRASE2_TEXT 1080

// Descriptions and remark.
#define IDC_JOURNAL_DESC1_LABEL 1112
#define IDC_JOURNAL_DESC1 1028
#define IDC_JOURNAL_DESC2_LABEL 1113
#define IDC_JOURNAL_DESC2 1036
#define IDC_JOURNAL_REMARK 1045

// The editing buttons and the input hint.
#define IDC_JOURNAL_NEW_ENTRY 1092
#define IDC_JOURNAL_CHANGE 1009
#define IDC_JOURNAL_DELETE 1004
#define IDC_JOURNAL_INSERT 1018
#define IDC_JOURNAL_CLEAR 1005
#define IDC_JOURNAL_INPUT_HINT 1022

// The prompt to pick a class first, with its picture.
#define IDC_JOURNAL_CLASS_PROMPT 1111
#define IDC_JOURNAL_CLASS_PROMPT_PICTURE 1123

// A hidden edit that takes the focus after a commit.
#define IDC_JOURNAL_FOCUS_HOLDER 1061

// The transaction list and its heading.
#define IDC_JOURNAL_LIST_HEADING 1164
#define IDC_JOURNAL_TRANSACTION_LIST 1000
