#include "framework/CBitmap.h"

#include "framework/CDC.h"
#include "framework/CWinApp.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(AfxGetResourceHandle(), nIDResource); }

BOOL CBitmap::LoadBitmap(HINSTANCE hInstance, UINT nIDResource)
{
    return Attach(::LoadBitmapA(hInstance, MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitsPerPixel, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

SIZE CBitmap::GetSize() const
{
    BITMAP bm{};
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof bm, &bm) == 0)
        return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}
