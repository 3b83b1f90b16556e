#pragma once

#include "framework/CFont.h"
#include "gfx/DisplayScale.h"

// The face of every text of the skinned windows, "宋体" with the GB2312
// character set, at a character height in pixels and a weight; every other
// field is 0.
LOGFONTA InterfaceLogFont(int pixelHeight, LONG weight);

// The one interface font of the skinned windows at a scale: a "宋体" 12
// pixels high at 96 DPI, as much higher as the scale says elsewhere, made on
// first use and kept for the whole run. Callers select it but never delete or
// change it. If the font cannot be made, the object stays empty and the next
// call tries again.
CFont* GetInterfaceFont(const gfx::DisplayScale& scale = {});
