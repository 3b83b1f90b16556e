#pragma once

#include <windows.h>

// The point size of the font that dialog resource templateId of module
// names: an extended template (DLGTEMPLATEEX) with DS_SETFONT. 0 where there
// is no such template, it names no font, or its bytes end before the size.
int DialogFontPointSize(HINSTANCE module, UINT templateId);
