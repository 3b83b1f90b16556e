#pragma once

#include <windows.h>
#include <commctrl.h>

class CBitmap;
class CDC;

// Owner of a common controls image list: destroys it when destroyed.
// Move-only.
class CImageList {
public:
    CImageList() = default;
    ~CImageList();

    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    CImageList(CImageList&& other) noexcept;
    CImageList& operator=(CImageList&& other) noexcept;

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Takes ownership of hImageList; a list held before is destroyed.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    int GetImageCount() const;
    // Adds the images of a bitmap; pixels of crMask become transparent
    // (for a list made with ILC_MASK).
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

    HIMAGELIST m_hImageList = nullptr;
};
