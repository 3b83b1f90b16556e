#include "framework/CDC.h"

#include "framework/CGdiObject.h"
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
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_bOwnsHandle)
        DeleteDC();
    m_hDC = hDC;
    m_bOwnsHandle = hDC != nullptr;
    return hDC != nullptr;
}

HDC CDC::Detach()
{
    m_bOwnsHandle = false;
    return std::exchange(m_hDC, nullptr);
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    m_bOwnsHandle = false;
    return ::DeleteDC(std::exchange(m_hDC, nullptr));
}

HGDIOBJ CDC::SelectObject(CGdiObject* pObject)
{
    return pObject != nullptr ? SelectObject(pObject->GetSafeHandle()) : nullptr;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return ::SelectObject(m_hDC, hObject);
}

COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                    xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                     int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                        xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }

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
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

int CDC::DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat)
{
    const std::wstring text = WideFromGbk(lpszString, nCount);
    return ::DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), lpRect, nFormat & ~DT_MODIFYSTRING);
}

BOOL CDC::TextOut(int x, int y, const char* lpszString, int nCount)
{
    const std::wstring text = WideFromGbk(lpszString, nCount);
    return ::TextOutW(m_hDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

BOOL CDC::GetTextExtent(const char* lpszString, int nCount, SIZE* pSize) const
{
    const std::wstring text = WideFromGbk(lpszString, nCount);
    return ::GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), pSize);
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
