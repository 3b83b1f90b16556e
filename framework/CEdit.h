#pragma once

#include "framework/AccessibleName.h"
#include "framework/CWnd.h"

// A platform edit control ("EDIT" class). The program's edit boxes come
// from dialog templates and are bound with DDX_Control; their texts go
// through CWnd.
class CEdit : public CWnd {
public:
    // What a screen reader names the box (a GBK text, as every text at the
    // framework's interface). An edit's window text is what was typed in it,
    // and the platform takes no name from a label that is not a static
    // control, so the name is given here.
    void SetAccessibleName(const char* lpszName);

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

private:
    AccessibleName m_name;
};
