#include "app/BitmapImage.h"

#include "app/GdiplusState.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

// The class identifier of the first installed encoder for the format.
HRESULT FindEncoder(const GdiplusState::Functions& gdiplus, const GUID& format, CLSID* pClsid)
{
    UINT count = 0;
    UINT size = 0;
    if (gdiplus.GetImageEncodersSize(&count, &size) != Gdiplus::Ok)
        return E_FAIL;
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size]);
    if (!buffer)
        return E_OUTOFMEMORY;
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
    if (gdiplus.GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return E_FAIL;
    for (UINT i = 0; i < count; ++i) {
        if (std::memcmp(&codecs[i].FormatID, &format, sizeof(GUID)) == 0) {
            *pClsid = codecs[i].Clsid;
            return S_OK;
        }
    }
    return E_FAIL;
}

} // namespace

BitmapImage::BitmapImage() { GdiplusState::Instance().ImageCreated(); }

BitmapImage::~BitmapImage()
{
    if (m_hBitmap != nullptr && m_bMayDelete)
        DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    GdiplusState::Instance().ImageDestroyed();
}

void BitmapImage::Attach(HBITMAP hBitmap, bool bMayDelete)
{
    if (m_hBitmap != nullptr && m_bMayDelete && m_hBitmap != hBitmap)
        DeleteObject(m_hBitmap);
    m_hBitmap = hBitmap;
    m_bMayDelete = bMayDelete;
}

HRESULT BitmapImage::Save(const wchar_t* pszPath, const GUID& format)
{
    GdiplusState& state = GdiplusState::Instance();
    if (!state.Startup())
        return E_FAIL;
    const GdiplusState::Functions& gdiplus = state.Flat();
    CLSID encoder;
    const HRESULT found = FindEncoder(gdiplus, format, &encoder);
    if (found != S_OK)
        return found;

    Gdiplus::GpBitmap* image = nullptr;
    Gdiplus::Status status = gdiplus.CreateBitmapFromHBITMAP(m_hBitmap, nullptr, &image);
    if (status == Gdiplus::Ok) {
        status = gdiplus.SaveImageToFile(image, pszPath != nullptr ? pszPath : L"", &encoder, nullptr);
        gdiplus.DisposeImage(image);
    }
    return status == Gdiplus::Ok ? S_OK : E_FAIL;
}
