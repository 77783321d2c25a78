/* SDL.dll with one function of the real library's: a wrong DLL that a
   program calling SDL_Linked_Version alone would take for SDL 1.2. */
typedef struct {
    unsigned char major, minor, patch;
} Version;

__declspec(dllexport) const Version* SDL_Linked_Version(void) {
    static const Version version = {1, 2, 15};
    return &version;
}
