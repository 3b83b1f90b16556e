#include "framework/CWindowDC.h"

#include "framework/CResourceException.h"
#include "framework/CWnd.h"

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::GetWindowDC(m_hWnd);
    if (m_hDC == nullptr)
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, m_hDC);
        m_hDC = nullptr;
    }
}
