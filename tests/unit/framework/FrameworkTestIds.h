#pragma once

// Resources of the framework tests (FrameworkTest.rc).
#define IDD_FW_CLASSIC 200  // DIALOG: a DLGTEMPLATE, visible
#define IDD_FW_EXTENDED 201 // DIALOGEX: a DLGTEMPLATEEX, caption and sizing border, not visible
#define IDD_FW_MISSING 299  // no such template
#define IDC_FW_EDIT 1000
