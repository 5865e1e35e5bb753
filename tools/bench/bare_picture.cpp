// The picture side of the bare program for the help window: the help picture (the same
// JPEG, embedded the same way) decoded with WIC and shown in a window of the help
// window's size.
#include "bare_picture.h"

#include <wincodec.h>

#include <initializer_list>

namespace {

HBITMAP picture = nullptr;

// Decodes RCDATA "HELP_PICTURE" into a 32-bit top-down DIB section; null on failure.
HBITMAP decode(HINSTANCE instance) {
    const HRSRC info = FindResourceW(instance, L"HELP_PICTURE", MAKEINTRESOURCEW(10));
    if (info == nullptr) return nullptr;
    auto* data = static_cast<BYTE*>(LockResource(LoadResource(instance, info)));
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    HBITMAP bitmap = nullptr;
    UINT width = 0, height = 0;
    void* bits = nullptr;
    BITMAPINFO bmi = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(data, SizeofResource(instance, info))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                   &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                        nullptr, 0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = static_cast<LONG>(width);
        bmi.bmiHeader.biHeight = -static_cast<LONG>(height);
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap != nullptr &&
            FAILED(converter->CopyPixels(nullptr, width * 4, width * 4 * height,
                                         static_cast<BYTE*>(bits)))) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    for (IUnknown* p : {static_cast<IUnknown*>(converter), static_cast<IUnknown*>(frame),
                        static_cast<IUnknown*>(decoder), static_cast<IUnknown*>(stream),
                        static_cast<IUnknown*>(factory)}) {
        if (p != nullptr) p->Release();
    }
    return bitmap;
}

LRESULT CALLBACK picture_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        const HDC mem = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(mem, picture);
        BitBlt(dc, 0, 0, 1425, 982, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_picture_class(HINSTANCE instance) {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = picture_proc;
    cls.hInstance = instance;
    cls.lpszClassName = L"BarePicture";
    return RegisterClassExW(&cls) != 0;
}

void show_picture(HWND owner) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if ((picture = decode(instance)) == nullptr) return;
    const HWND shown =
        CreateWindowExW(0, L"BarePicture", L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        CW_USEDEFAULT, CW_USEDEFAULT, 1098, 704, owner, nullptr, instance, nullptr);
    ShowWindow(shown, SW_SHOW);
    UpdateWindow(shown);
}
