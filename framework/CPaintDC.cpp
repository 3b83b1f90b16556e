#include "framework/CPaintDC.h"

#include "framework/CResourceException.h"
#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
    if (m_hDC == nullptr)
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) {
        ::EndPaint(m_hWnd, &m_ps);
        m_hDC = nullptr;
    }
}
