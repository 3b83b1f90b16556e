#pragma once

#include "framework/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    ~CBitmap() override = default;

    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    CBitmap(CBitmap&&) noexcept = default;
    CBitmap& operator=(CBitmap&&) noexcept = default;

    // Loads a bitmap resource from the application's resource module (or
    // from hInstance).
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(HINSTANCE hInstance, UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* lpBits);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);

    // Width and height in pixels; 0 x 0 when the object holds no bitmap.
    SIZE GetSize() const;

    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(m_hObject); }
};
