#include "gfx/ArtworkBitmap.h"

#include "framework/ComPtr.h"
#include "framework/ProcAddress.h"
#include "framework/SystemLibrary.h"
#include "res/resource.h"

#include <objbase.h>
#include <wincodec.h>

#include <utility>

namespace gfx {

namespace {

// Resource ids are 16 bits; a larger one would silently name another.
constexpr UINT kLargestResourceId = 0xFFFF;
// Larger artwork is a mistake, and this bound keeps stride * height in a UINT.
constexpr UINT kLargestSide = 16384;
constexpr UINT kBytesPerPixel = 3;

// COM's three functions, bound from ole32 at run time so that a program at
// 96 DPI never loads it.
struct ComFunctions {
    decltype(&::CoInitializeEx) initialize = nullptr;
    decltype(&::CoUninitialize) uninitialize = nullptr;
    decltype(&::CoCreateInstance) createInstance = nullptr;
};

// windowscodecs is loaded here, from the system folder, although only COM
// calls into it: COM then finds this copy already loaded rather than
// searching for the file by name. Both libraries stay loaded for the run, as
// COM keeps state in them that outlives any one call.
ComFunctions BindCom()
{
    ComFunctions com;
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    if (ole32 == nullptr)
        return com;
    com.initialize = ProcAddress<decltype(com.initialize)>(ole32, "CoInitializeEx");
    com.uninitialize = ProcAddress<decltype(com.uninitialize)>(ole32, "CoUninitialize");
    com.createInstance = ProcAddress<decltype(com.createInstance)>(ole32, "CoCreateInstance");
    HMODULE codecs = LoadSystemLibrary(L"windowscodecs.dll");
    if (codecs != nullptr && com.initialize != nullptr && com.uninitialize != nullptr && com.createInstance != nullptr)
        return com;
    if (codecs != nullptr)
        FreeLibrary(codecs);
    FreeLibrary(ole32);
    return ComFunctions{};
}

// Null where either library or a function is missing.
const ComFunctions* Com()
{
    static const ComFunctions com = BindCom();
    return com.createInstance != nullptr ? &com : nullptr;
}

// The calling thread joined to COM for a scope. S_FALSE (joined already, in
// the same mode) counts like S_OK and is balanced the same way;
// RPC_E_CHANGED_MODE means COM already runs on this thread in the other mode:
// usable, and not ours to end.
class ComApartment {
public:
    explicit ComApartment(const ComFunctions& com)
        : m_com(com)
        , m_result(com.initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
    {
    }
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))
            m_com.uninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool IsUsable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    const ComFunctions& m_com;
    HRESULT m_result;
};

struct ResourceBytes {
    BYTE* data = nullptr;
    DWORD size = 0;
};

// The bytes of the PNG drawn for set `set`, or none.
ResourceBytes FindScaledImage(HINSTANCE module, UINT bitmapId, UINT set)
{
    if (bitmapId > (kLargestResourceId - set) / IDR_SCALED_PER_BITMAP)
        return {};
    const UINT id = bitmapId * IDR_SCALED_PER_BITMAP + set;
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
    void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return {};
    return ResourceBytes{static_cast<BYTE*>(data), SizeofResource(module, info)};
}

bool FitsInDib(UINT width, UINT height)
{
    return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

// Rows of a DIB start on 4-byte boundaries.
UINT DibStride(UINT width) { return (width * kBytesPerPixel + 3) & ~3U; }

// A top-down 24-bit DIB section holding the source's pixels, or an empty
// bitmap. A DIB section keeps every colour exact whatever the display's depth
// (a bitmap compatible with a 16-bit screen would merge near-magenta into
// magenta). 24 bits, not 32: WIC fills the fourth byte of 32bppBGR with 0xFF
// where GDI's own pixels hold 0, and a colour-keyed transfer that compares
// whole pixels (Wine's does) then finds no magenta at all.
CBitmap CopyToDibSection(IWICBitmapSource* source)
{
    CBitmap dib;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(source->GetSize(&width, &height)) || !FitsInDib(width, height))
        return dib;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = static_cast<LONG>(width);
    bmi.bmiHeader.biHeight = -static_cast<LONG>(height);
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = static_cast<WORD>(kBytesPerPixel * 8);
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    if (!dib.Attach(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0)))
        return dib;
    const UINT stride = DibStride(width);
    if (FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
        dib.DeleteObject();
    return dib;
}

// The PNG decoded through WIC; every interface is released on return, before
// the caller leaves COM.
CBitmap DecodePng(const ComFunctions& com, const ResourceBytes& png)
{
    ComPtr<IWICImagingFactory> factory;
    // Factory1, which every Windows with WIC has; the name without a number
    // means Factory2 to newer SDKs, which Windows 7 lacks.
    if (FAILED(
            com.createInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.Put()))))
        return CBitmap();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // The stream only reads the resource, which is read-only memory.
    if (FAILED(factory->CreateStream(stream.Put())) || FAILED(stream->InitializeFromMemory(png.data, png.size)) ||
        FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.Put())) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(factory->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(),
                                     GUID_WICPixelFormat24bppBGR,
                                     WICBitmapDitherTypeNone,
                                     nullptr,
                                     0.0,
                                     WICBitmapPaletteTypeCustom)))
        return CBitmap();
    return CopyToDibSection(converter.Get());
}

CBitmap DecodeWithWic(BYTE* data, DWORD size)
{
    const ComFunctions* com = Com();
    if (com == nullptr)
        return CBitmap();
    ComApartment apartment(*com);
    if (!apartment.IsUsable())
        return CBitmap();
    return DecodePng(*com, ResourceBytes{data, size});
}

PngDecoder g_decoder = &DecodeWithWic;

CBitmap LoadScaledArtwork(HINSTANCE module, UINT bitmapId, const DisplayScale& scale)
{
    // The resource is looked up first: no image, no COM.
    const ResourceBytes png = FindScaledImage(module, bitmapId, static_cast<UINT>(scale.SetIndex()));
    if (png.data == nullptr)
        return CBitmap();
    return g_decoder(png.data, png.size);
}

} // namespace

PngDecoder ReplacePngDecoder(PngDecoder decoder) { return std::exchange(g_decoder, decoder); }

bool LoadArtwork(CBitmap* pBitmap, HINSTANCE module, UINT bitmapId, const DisplayScale& scale)
{
    if (pBitmap == nullptr)
        return false;
    if (scale.IsNatural())
        return pBitmap->LoadBitmap(module, bitmapId) != FALSE;
    CBitmap decoded = LoadScaledArtwork(module, bitmapId, scale);
    return pBitmap->Attach(decoded.Detach()) != FALSE;
}

// Loaded aside first, so that a failure at the scale leaves nothing of it.
DisplayScale LoadArtworkSet(HINSTANCE module, const std::vector<ArtworkItem>& items, const DisplayScale& scale)
{
    std::vector<CBitmap> loaded(items.size());
    bool whole = true;
    for (std::size_t i = 0; i < items.size() && whole; ++i)
        whole = LoadArtwork(&loaded[i], module, items[i].bitmapId, scale);
    if (whole) {
        for (std::size_t i = 0; i < items.size(); ++i)
            *items[i].bitmap = std::move(loaded[i]);
        return scale;
    }
    const DisplayScale natural;
    for (const ArtworkItem& item : items)
        LoadArtwork(item.bitmap, module, item.bitmapId, natural);
    return natural;
}

} // namespace gfx
