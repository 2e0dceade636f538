// poke.exe: what other programs on the desktop may do to the add-on, for the end-to-end tests.
//   poke broadcast <registered message name | number>
//   poke delete-icon <window title> <icon id>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Broadcast(const char* what) {
    char* end = nullptr;
    unsigned long number = std::strtoul(what, &end, 0);
    UINT message = *end == '\0' ? static_cast<UINT>(number) : RegisterWindowMessageA(what);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    std::printf("broadcast %s (0x%X)\n", what, message);
    return 0;
}

int DeleteIcon(const char* title, const char* id) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) {
        std::printf("no window titled %s\n", title);
        return 1;
    }
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = static_cast<UINT>(std::strtoul(id, nullptr, 0));
    BOOL ok = Shell_NotifyIconA(NIM_DELETE, &data);
    std::printf("delete-icon %s %s -> %d\n", title, id, ok);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "broadcast" && argc == 3) return Broadcast(argv[2]);
    if (verb == "delete-icon" && argc == 4) return DeleteIcon(argv[2], argv[3]);
    std::fprintf(stderr, "usage: poke broadcast <name|number> | poke delete-icon <title> <id>\n");
    return 2;
}
