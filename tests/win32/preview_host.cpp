// preview-host WIDTH HEIGHT FOLDER [in-process]: plays the Screen Saver
// dialog's preview area under Wine. Makes a top-level window whose client area is WIDTH x
// HEIGHT, prints its handle in decimal, then answers requests left as files
// in FOLDER:
//   capture  -> writes shot.ppm (the client area as the screen shows it, child
//               windows included), then shot.done
//   destroy  -> destroys the window (and so the preview's child) and ends
// With "in-process" it runs the preview mode itself ("/p HANDLE") on a thread
// of its own and ends with that mode's exit code: Wine shows nothing that a
// process draws with GDI into a child of another process's window, so the
// pixels are checked this way, and the window handling across processes with
// the real .scr.
#include <windows.h>

#include <thread>

#include "app/entry.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void capture(HWND window, int width, int height, const std::string& folder) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    FILE* out = std::fopen((folder + "\\shot.ppm").c_str(), "wb");
    if (!out) return;
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        const unsigned char rgb[3] = {pixels[i + 2], pixels[i + 1], pixels[i]};
        std::fwrite(rgb, 1, 3, out);
    }
    std::fclose(out);
    // What the host knows of its child: the preview's window.
    FILE* done = std::fopen((folder + "\\shot.done").c_str(), "wb");
    if (!done) return;
    HWND child = GetWindow(window, GW_CHILD);
    char name[64] = {};
    RECT client{};
    if (child) {
        GetClassNameA(child, name, sizeof name);
        GetClientRect(child, &client);
    }
    std::fprintf(done, "child=%s %ldx%ld\n", name, client.right, client.bottom);
    std::fclose(done);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 4) return 2;
    const int width = std::atoi(__argv[1]);
    const int height = std::atoi(__argv[2]);
    const std::string folder = __argv[3];

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "PreviewHost";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, width, height};
    // As a dialog's preview area: its own painting leaves the child alone.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, "PreviewHost", "Preview host", style, 40, 40, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    const unsigned long handle = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window));
    std::printf("%lu\n", handle);
    std::fflush(stdout);
    int previewExit = -1;
    std::thread preview;
    if (__argc > 4 && std::string(__argv[4]) == "in-process") {
        preview = std::thread([&] { previewExit = entryPoint("/p " + std::to_string(handle)); });
    }

    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (exists(folder + "\\destroy")) {
            DestroyWindow(window);
            if (!preview.joinable()) return 0;
            preview.join();
            return previewExit;
        }
        if (exists(folder + "\\capture")) {
            DeleteFileA((folder + "\\capture").c_str());
            capture(window, width, height, folder);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}
