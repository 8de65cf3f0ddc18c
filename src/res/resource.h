/* Resource ids of the dialogs, the strings, the icon and the menu command.
   Plain #defines so that a resource compiler can read this file as well as C++. */
#ifndef HEXCRIBE_RES_RESOURCE_H
#define HEXCRIBE_RES_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CONVERTER_DIALOG 102
#define IDD_CHARACTER_DETAILS 103
#define IDR_MAINFRAME 128
/* The code of the language a module's resources are in ("en", "ko"), one in each language's
   string table: which language Windows' resource loader picked. */
#define IDS_UI_LANGUAGE 150

/* The status line's texts, and the program's item of the input box's context menu. */
#define IDS_STATUS_CHARACTERS 300
#define IDS_STATUS_BYTES 301
#define IDS_STATUS_ABOVE_BMP 302
#define IDS_STATUS_NO_GLYPH 303
#define IDS_STATUS_CUT 304
#define IDS_STATUS_CUT_PAIR 305
#define IDS_STATUS_SEPARATOR 306
#define IDS_PASTE_COMMAND_AS_TEXT 310

/* The status line's counts of characters that will go wrong, the input box's menu entries for them,
   and the Character Details window's column headers and problems. */
#define IDS_STATUS_INVISIBLE 320
#define IDS_STATUS_DECOMPOSED 321
#define IDS_CHARACTER_DETAILS 322
#define IDS_COMPOSE_CHARACTERS 323
#define IDS_COLUMN_NUMBER 324
#define IDS_COLUMN_CHARACTER 325
#define IDS_COLUMN_CODE_POINT 326
#define IDS_COLUMN_BYTES 327
#define IDS_COLUMN_NAME 328
#define IDS_COLUMN_PROBLEMS 329
#define IDS_PROBLEM_INVISIBLE 330
#define IDS_PROBLEM_DECOMPOSED 331
#define IDS_PROBLEM_ABOVE_BMP 332
#define IDS_PROBLEM_NO_GLYPH 333

#define IDC_FONT_COMBO 1000
#define IDC_RESULT_EDIT 1002
#define IDC_WHOLE_COMMAND 1003
#define IDC_SEPARATION_COMBO 1004
#define IDC_COPY_CLIPBOARD 1005
#define IDC_CLOSE 1007
#define IDC_INPUT_EDIT 1008
#define IDC_STATUS_LINE 1010
/* The main dialog's texts: the instructions and the labels, each right before the control it names. */
#define IDC_INSTRUCTIONS 1011
#define IDC_FONT_LABEL 1012
#define IDC_INPUT_LABEL 1013
#define IDC_RESULT_LABEL 1014
#define IDC_SEPARATION_LABEL 1015
/* Character Details: its list and the label that names it. */
#define IDC_CHARACTER_LIST 1020
#define IDC_CHARACTER_LIST_LABEL 1021

#define IDM_ABOUTBOX 0x0010

#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
