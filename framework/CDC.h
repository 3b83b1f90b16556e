#pragma once

#include <windows.h>

class CGdiObject;

// A device context. A CDC made with CreateCompatibleDC or given a handle with
// Attach owns it and deletes it when destroyed; one made with FromHandle only
// borrows it. Derived classes (paint, client and window DCs) release their
// handle their own way. Move-only.
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
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Selection: both return the object that was selected before.
    HGDIOBJ SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);

    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                    int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, DWORD dwRop);
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF crColor);

    // Fills with one colour; like the classic framework call it leaves that
    // colour as the background colour of the DC.
    void FillSolidRect(const RECT* lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // One-pixel frame: top and left edges in clrTopLeft, bottom and right in
    // clrBottomRight.
    void Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);

    // Texts in GBK, nCount in bytes (-1: up to the null). DrawText never
    // writes back into the text (DT_MODIFYSTRING is ignored).
    int DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat);
    BOOL TextOut(int x, int y, const char* lpszString, int nCount);
    BOOL GetTextExtent(const char* lpszString, int nCount, SIZE* pSize) const;

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    HDC m_hDC = nullptr;

protected:
    // True when the destructor must DeleteDC the handle.
    bool m_bOwnsHandle = false;
};
