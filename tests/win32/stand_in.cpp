// stand-in.exe: takes the place of "Amber Bell.exe" or "config.exe" in launch
// tests under Wine. Writes started.txt into its working directory (the words
// it was given, its working directory, SDL_VIDEO_ALLOW_SCREENSAVER), then
// runs until a file "release" appears there, and writes ended.txt.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR words, int) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const char* allow = std::getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
    FILE* out = std::fopen("started.txt", "wb");
    if (!out) return 1;
    std::fprintf(out, "words=[%s]\ncwd=%s\nenv=%s\n", words ? words : "", folder, allow ? allow : "");
    std::fclose(out);
    while (GetFileAttributesA("release") == INVALID_FILE_ATTRIBUTES) Sleep(50);
    out = std::fopen("ended.txt", "wb");
    if (out) std::fclose(out);
    return 0;
}
