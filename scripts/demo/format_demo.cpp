// Demo stand-in for the system's format command, which Wine lacks: "format X: ..." empties the
// card's folder so the user sees an empty card afterwards. Shipped with the run script only.
#include <windows.h>
#include <cstdio>
#include <string>

namespace {
void Empty(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = dir + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Empty(path + "\\");
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::string(argv[1]).size() != 2 || argv[1][1] != ':') {
        std::fprintf(stderr, "usage: format X: [options]\n");
        return 1;
    }
    std::string root = std::string(argv[1]) + "\\";
    if (GetDriveTypeA(root.c_str()) != DRIVE_REMOVABLE) {
        std::fprintf(stderr, "format (demo): %s is not a removable drive; refused\n", argv[1]);
        return 2;
    }
    std::printf("format (demo): emptying %s\n", root.c_str());
    Empty(root);
    std::printf("Format complete.\n");
    return 0;
}
