#pragma once

#include <windows.h>

class CGdiObject;

// A device context. A CDC made with CreateCompatibleDC owns its DC and
// deletes it when destroyed; one made with FromHandle only borrows it.
// Derived classes (paint, client and window DCs) release their handle their
// own way. Move-only.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();

    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;

    // A CDC that uses hDC without ever deleting it.
    static CDC FromHandle(HDC hDC);

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    HDC GetSafeHdc() const { return m_hDC; }

    // Returns the object that was selected before.
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    // A wrapper's address would pass for a handle (HGDIOBJ is void*): select
    // its GetSafeHandle(), or use ScopedSelectObject.
    HGDIOBJ SelectObject(const CGdiObject* pObject) = delete;

    COLORREF SetBkColor(COLORREF crColor);
    COLORREF SetTextColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    COLORREF GetPixel(int x, int y) const;

    // Fills with one colour; like the classic framework call it leaves that
    // colour as the background colour of the DC.
    void FillSolidRect(const RECT* lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // One-pixel frame: top and left edges in clrTopLeft, bottom and right in
    // clrBottomRight.
    void Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);

    // The text in GBK, nCount in bytes (-1: up to the null). Never writes
    // back into the text (DT_MODIFYSTRING is ignored).
    int DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat);

    HDC m_hDC = nullptr;

protected:
    // True when the destructor must DeleteDC the handle.
    bool m_bOwnsHandle = false;
};
