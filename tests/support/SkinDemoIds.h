#pragma once

// Resources of skindemo.exe and of the skin's window tests (SkinDemo.rc).
#define IDD_SKIN_DEMO 300
