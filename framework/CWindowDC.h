#pragma once

#include "framework/CDC.h"

class CWnd;

// The DC of a whole window, non-client area included (GetWindowDC),
// released when destroyed. Raises the resource exception when the platform
// gives no DC.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    CWindowDC(CWindowDC&&) = delete;
    CWindowDC& operator=(CWindowDC&&) = delete;

protected:
    HWND m_hWnd;
};
