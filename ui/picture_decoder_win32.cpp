#include "ui/picture_decoder_win32.h"

#include <wincodec.h>

#include "app/faults.h"
#include "app/system_dll_win32.h"

namespace {

// Owns one COM interface pointer.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_ != nullptr) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** put() { return &p_; }
    void** put_void() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// COM for this thread, for the life of the process; ole32 is loaded at the first use.
bool com_ready() {
    static const HRESULT result = [] {
        const auto init = system_function<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        return init != nullptr ? init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                               : E_FAIL;
    }();
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
}

// The bytes of an RCDATA resource; resources live as long as the module.
bool resource_bytes(HINSTANCE instance, const wchar_t* name, BYTE** data, DWORD* size) {
    const HRSRC info = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    const HGLOBAL loaded = info != nullptr ? LoadResource(instance, info) : nullptr;
    *data = loaded != nullptr ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    *size = info != nullptr ? SizeofResource(instance, info) : 0;
    return *data != nullptr && *size != 0;
}

}  // namespace

HBITMAP decode_picture_resource(HINSTANCE instance, const wchar_t* name) {
    BYTE* data;
    DWORD size;
    if (fault("decode-picture") || !com_ready() || !resource_bytes(instance, name, &data, &size)) {
        return nullptr;
    }
    const auto create =
        system_function<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (create == nullptr ||
        FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                      IID_IWICImagingFactory, factory.put_void())) ||
        FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(data, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) {
        return nullptr;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, like WIC's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
