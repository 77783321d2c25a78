// as-desktop-user.exe: the installer's way to start a program as the user of
// the desktop instead of as itself. Setup runs elevated, and what it starts
// directly runs elevated too, possibly as another account (an administrator
// who typed a password over a standard user's shoulder): the screensaver it
// selects would land in that account's HKCU. This asks the desktop's own
// Explorer to start the program (ShellExecute of the Shell.Application object
// behind the desktop's shell view), so it runs as the desktop's user, with
// that user's ordinary rights.
//
//   as-desktop-user.exe [/hide] PROGRAM [PARAMETERS]
//
// PROGRAM is a full path, quoted when it holds blanks; the rest of the
// command line is handed on as the program's parameters, as it stands. The
// program starts in its own folder, in a normal window, or a hidden one with
// /hide (a console command that has nothing to show).
// Exit codes: 0 Explorer took the request; 1 no Explorer desktop answered
// within ten seconds (none runs, or it is another shell); 2 no program was
// named.
#include <windows.h>
#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {

// Holds one COM interface pointer and releases it.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (pointer) pointer->Release();
    }
    Interface* operator->() const { return pointer; }
    explicit operator bool() const { return pointer != nullptr; }
    Interface** out() { return &pointer; }
    void** outVoid() { return reinterpret_cast<void**>(&pointer); }

private:
    Interface* pointer = nullptr;
};

// A VARIANT holding a copy of a text, freed with it.
class TextVariant {
public:
    explicit TextVariant(const std::wstring& text) {
        VariantInit(&value);
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    ~TextVariant() { VariantClear(&value); }
    VARIANT value;
};

// The Shell.Application object of the running desktop, reached through the
// desktop's shell view: its calls run inside Explorer. One made here with
// CoCreateInstance would run in this process, as this process's user.
bool desktopShell(ComRef<IShellDispatch2>& shell) {
    ComRef<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows, windows.outVoid())))
        return false;
    VARIANT desktopLocation;
    VariantInit(&desktopLocation);
    desktopLocation.vt = VT_I4;
    desktopLocation.lVal = CSIDL_DESKTOP;
    VARIANT noRoot;
    VariantInit(&noRoot);
    long desktopWindow = 0;
    ComRef<IDispatch> desktop;
    // S_FALSE: no desktop is registered (another shell, or none).
    if (windows->FindWindowSW(&desktopLocation, &noRoot, SWC_DESKTOP, &desktopWindow, SWFO_NEEDDISPATCH,
                              desktop.out()) != S_OK ||
        !desktop)
        return false;
    ComRef<IServiceProvider> services;
    ComRef<IShellBrowser> browser;
    ComRef<IShellView> view;
    ComRef<IDispatch> background;
    ComRef<IShellFolderViewDual> folderView;
    ComRef<IDispatch> application;
    return SUCCEEDED(desktop->QueryInterface(IID_IServiceProvider, services.outVoid())) &&
           SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.outVoid())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.out())) && view &&
           SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.outVoid())) && background &&
           SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.outVoid())) &&
           SUCCEEDED(folderView->get_Application(application.out())) && application &&
           SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, shell.outVoid())) && shell;
}

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Reads one word of a command line at `at`: blanks, then a quoted or a bare
// word. Paths hold no quotes, so no escapes are needed. Returns what follows.
const wchar_t* readWord(const wchar_t* at, std::wstring& word) {
    while (isBlank(*at)) ++at;
    const wchar_t* start = at;
    if (*at == L'"') {
        start = ++at;
        while (*at && *at != L'"') ++at;
        word.assign(start, at);
        if (*at) ++at;
    } else {
        while (*at && !isBlank(*at)) ++at;
        word.assign(start, at);
    }
    return at;
}

std::wstring folderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring self, program;
    const wchar_t* rest = readWord(readWord(GetCommandLineW(), self), program);
    const bool hidden = program == L"/hide";
    if (hidden) rest = readWord(rest, program);
    while (isBlank(*rest)) ++rest;
    if (program.empty()) return 2;

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int result = 1;
    {
        // Explorer registers its desktop a while after it starts (after a
        // restart, or on a new account's first log-on): it gets some seconds.
        ComRef<IShellDispatch2> shell;
        bool found = desktopShell(shell);
        for (int attempt = 0; !found && attempt < 40; ++attempt) {
            Sleep(250);
            found = desktopShell(shell);
        }
        if (found) {
            // Setup is in the foreground: let the program's window come forward.
            AllowSetForegroundWindow(ASFW_ANY);
            BSTR file = SysAllocString(program.c_str());
            TextVariant parameters(rest);
            TextVariant folder(folderOf(program));
            TextVariant verb(L"");
            VARIANT show;
            VariantInit(&show);
            show.vt = VT_I4;
            show.lVal = hidden ? SW_HIDE : SW_SHOWNORMAL;
            if (file && SUCCEEDED(shell->ShellExecute(file, parameters.value, folder.value, verb.value, show)))
                result = 0;
            SysFreeString(file);
        }
    }
    CoUninitialize();
    return result;
}
