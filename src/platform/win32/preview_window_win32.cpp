// The preview on Windows: a child window of class "Lumivera" filling the
// Screen Saver dialog's preview area, painted with one GDI transfer of the
// whole picture per WM_PAINT (the same pixels as one SetPixelV per pixel).
#include <windows.h>

#include <vector>

#include "platform/preview_window.h"

namespace platform {

struct PreviewWindow {
    HWND parent = nullptr;
    HWND child = nullptr;
};

namespace {

const char className[] = "Lumivera";

// What WM_PAINT shows; the window procedure has no other way to reach it.
std::vector<uint32_t> shownPixels;
int32_t shownWidth = 0;
int32_t shownHeight = 0;

void drawPicture(HDC dc) {
    if (dc && shownWidth > 0 && shownHeight > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = shownWidth;
        info.bmiHeader.biHeight = -shownHeight;  // rows top first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;  // 0x00RRGGBB per pixel
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(shownWidth), static_cast<DWORD>(shownHeight), 0, 0,
                          0, static_cast<UINT>(shownHeight), shownPixels.data(), &info, DIB_RGB_COLORS);
    }
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    drawPicture(BeginPaint(window, &ps));
    EndPaint(window, &ps);
}

LRESULT CALLBACK previewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = previewProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(1));  // colour 0 plus one
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

PreviewWindow* openPreviewWindow(uint32_t parent, int32_t& width, int32_t& height) {
    HWND parentWindow = reinterpret_cast<HWND>(static_cast<uintptr_t>(parent));
    if (!IsWindow(parentWindow)) return nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerClass(instance)) return nullptr;
    RECT client{};
    if (!GetClientRect(parentWindow, &client)) return nullptr;
    width = client.right - client.left;
    height = client.bottom - client.top;
    HWND child = CreateWindowExA(0, className, className, WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                                 parentWindow, nullptr, instance, nullptr);
    // Without a window no WM_DESTROY would ever end the message loop.
    if (!child) return nullptr;
    auto* window = new PreviewWindow;
    window->parent = parentWindow;
    window->child = child;
    return window;
}

void runPreviewWindow(PreviewWindow* window, const uint32_t* pixels, int32_t width, int32_t height) {
    if (!window) return;
    const bool any = pixels && width > 0 && height > 0;
    shownWidth = any ? width : 0;
    shownHeight = any ? height : 0;
    shownPixels.assign(pixels, any ? pixels + static_cast<size_t>(width) * height : pixels);
    InvalidateRect(window->child, nullptr, FALSE);
    UpdateWindow(window->child);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    window->child = nullptr;  // destroyed with its parent
}

void closePreviewWindow(PreviewWindow* window) {
    if (!window) return;
    if (window->child && IsWindow(window->child)) DestroyWindow(window->child);
    delete window;
}

}  // namespace platform
