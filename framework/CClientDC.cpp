#include "framework/CClientDC.h"

#include "framework/CResourceException.h"
#include "framework/CWnd.h"

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
    if (m_hDC == nullptr)
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, m_hDC);
        m_hDC = nullptr;
    }
}
