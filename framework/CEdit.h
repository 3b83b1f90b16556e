#pragma once

#include "framework/CWnd.h"

// A platform edit control ("EDIT" class). The program's edit boxes come
// from dialog templates and are bound with DDX_Control; their texts go
// through CWnd.
class CEdit : public CWnd {};
