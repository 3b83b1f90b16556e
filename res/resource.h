// Identifiers of Vantik's resources and of the controls and commands of its
// windows.  Plain #defines only: the file is read by the resource compiler
// as well as by the C++ sources.
#ifndef VANTIK_RES_RESOURCE_H
#define VANTIK_RES_RESOURCE_H

// Dialog templates.
#define IDD_CAPTURE_FRAME 102
#define IDD_SET_RGN_SIZE 136

// Application icon: 48, 32 and 16 pixel images.
#define IDI_VANTIK 128

// Capture frame skin and the image strips of its panel buttons (three
// images side by side: normal, hover, pressed).
#define IDB_FRAME_SKIN 129
#define IDB_BTN_CLOSE 130
#define IDB_BTN_CAPTURE 131
#define IDB_BTN_HOTKEYHELP 132
#define IDB_BTN_SETSIZE 133

// Region size dialog: caption-button strip and skin.
#define IDB_CAPTION_BUTTONS 134
#define IDB_SETRGN_SKIN 135

// Artwork for the larger interface scales: the PNG image of bitmap resource
// id drawn for scale set n (1 = 125 % ... 6 = 300 %) is the RCDATA resource
// id * IDR_SCALED_PER_BITMAP + n; 96 DPI keeps the bitmap itself.
#define IDR_SCALED_PER_BITMAP 10

// Controls of the region size dialog (its OK button is IDOK).
#define IDC_EDIT_WIDTH 1000
#define IDC_EDIT_HEIGHT 1001
#define IDC_LABEL_WIDTH 7350
#define IDC_LABEL_HEIGHT 7450

// Panel buttons of the capture frame.
#define IDC_BTN_CLOSE 7560
#define IDC_BTN_CAPTURE 7570
#define IDC_BTN_SETSIZE 7580
#define IDC_BTN_HOTKEYHELP 7590

// The program's texts, one string table per language (strings.rc).
#define IDS_TIP_CLOSE_FRAME 256
#define IDS_TIP_CAPTURE 257
#define IDS_TIP_SET_SIZE 258
#define IDS_TIP_HOTKEY_HELP 259
#define IDS_TIP_MINIMIZE 260
#define IDS_TIP_MAXIMIZE 261
#define IDS_TIP_RESTORE 262
#define IDS_TIP_CLOSE 263
#define IDS_HOTKEY_HELP_CAPTION 264
#define IDS_HOTKEY_HELP_TEXT 265
#define IDS_SIZE_TITLE 266
#define IDS_SIZE_WIDTH 267
#define IDS_SIZE_HEIGHT 268
#define IDS_SIZE_OK 269
// Names a screen reader reads where no text shown says them.
#define IDS_NAME_WIDTH 272
#define IDS_NAME_HEIGHT 273

#endif
