#pragma once

#include "framework/CDC.h"

class CWnd;

// The client-area DC of a window (GetDC; the whole screen for the desktop
// window or a null window), released when destroyed. Raises the resource
// exception when the platform gives no DC.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    CClientDC(CClientDC&&) = delete;
    CClientDC& operator=(CClientDC&&) = delete;

protected:
    HWND m_hWnd;
};
