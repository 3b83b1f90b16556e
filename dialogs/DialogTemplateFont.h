#pragma once

#include <windows.h>

#include <cstddef>

// The point size of the font a dialog template names (DS_SETFONT), in either
// of its forms (DLGTEMPLATE, DLGTEMPLATEEX); 0 where the template names none
// or its bytes end before it.
int TemplateFontPointSize(const BYTE* data, std::size_t size);

// The same, of dialog resource templateId of module; 0 where there is none.
int DialogFontPointSize(HINSTANCE module, UINT templateId);
