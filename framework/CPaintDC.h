#pragma once

#include "framework/CDC.h"

class CWnd;

// The DC of a WM_PAINT: BeginPaint when made, EndPaint when destroyed.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    CPaintDC(CPaintDC&&) = delete;
    CPaintDC& operator=(CPaintDC&&) = delete;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
