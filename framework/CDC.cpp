#include "framework/CDC.h"

#include "framework/GbkText.h"

#include <utility>

CDC::~CDC()
{
    if (m_bOwnsHandle)
        DeleteDC();
}

CDC::CDC(CDC&& other) noexcept
    : m_hDC(std::exchange(other.m_hDC, nullptr))
    , m_bOwnsHandle(std::exchange(other.m_bOwnsHandle, false))
{
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        if (m_bOwnsHandle)
            DeleteDC();
        m_hDC = std::exchange(other.m_hDC, nullptr);
        m_bOwnsHandle = std::exchange(other.m_bOwnsHandle, false);
    }
    return *this;
}

CDC CDC::FromHandle(HDC hDC)
{
    CDC dc;
    dc.m_hDC = hDC;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_bOwnsHandle)
        DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr);
    m_bOwnsHandle = m_hDC != nullptr;
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    m_bOwnsHandle = false;
    return ::DeleteDC(std::exchange(m_hDC, nullptr));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return ::SelectObject(m_hDC, hObject);
}

COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(
        m_hDC,
        x,
        y,
        nWidth,
        nHeight,
        pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
        xSrc,
        ySrc,
        nSrcWidth,
        nSrcHeight,
        dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

void CDC::FillSolidRect(const RECT* lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rc{x, y, x + cx, y + cy};
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const int x = lpRect->left;
    const int y = lpRect->top;
    const int cx = lpRect->right - lpRect->left;
    const int cy = lpRect->bottom - lpRect->top;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

int CDC::DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat)
{
    const std::wstring text = WideFromGbk(lpszString, nCount);
    // DT_MODIFYSTRING would write into the const copy: it is dropped.
    const UINT format = nFormat & ~static_cast<UINT>(DT_MODIFYSTRING);
    return ::DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), lpRect, format);
}
