#pragma once

#include <windows.h>

class CDialog;
class CWnd;

// Context of one data exchange between a dialog and its members
// (CDialog::UpdateData runs DoDataExchange with it).
class CDataExchange {
public:
    explicit CDataExchange(CDialog* pDlgWnd) : m_pDlgWnd(pDlgWnd) {}

    CDialog* m_pDlgWnd;
};

// Binds rControl to the dialog's control nIDC the first time it runs (later
// exchanges find it bound and do nothing). A template without that control
// raises the resource exception.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
