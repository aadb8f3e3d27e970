// Test double for the system's format command. Appends to the file named by TAVRINO_FORMAT_RECORD
// what it saw: its whole command line, the bytes on standard input (when that is a file), whether
// the answer file TAVRINO_FORMAT_ANSWER existed, and the tool's help label. Exits with
// TAVRINO_FORMAT_EXIT (default 0).
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {
std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

BOOL CALLBACK FindTool(HWND h, LPARAM lp)
{
    char caption[256] = {};
    GetWindowTextA(h, caption, sizeof(caption));
    if (std::string(caption).rfind("Orvin Series Upgrade [", 0) == 0) {
        *reinterpret_cast<HWND*>(lp) = h;
        return FALSE;
    }
    return TRUE;
}

std::string Hex(const std::string& bytes)
{
    std::string out;
    char b[4];
    for (unsigned char c : bytes) {
        std::snprintf(b, sizeof(b), "%02X", c);
        out += b;
    }
    return out;
}
}  // namespace

int main()
{
    // Binary, or CR LF would arrive as LF.
    _setmode(_fileno(stdin), _O_BINARY);
    std::string input;
    if (GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_DISK) {
        char buf[256];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof(buf), stdin)) > 0)
            input.append(buf, n);
    } else {
        input = "(not a file)";
    }
    HWND tool = nullptr;
    EnumWindows(&FindTool, reinterpret_cast<LPARAM>(&tool));
    char help[512] = {};
    if (tool)
        GetWindowTextA(GetDlgItem(tool, 1003), help, sizeof(help));
    std::string answer = Env("TAVRINO_FORMAT_ANSWER");
    bool answerThere = !answer.empty() && GetFileAttributesA(answer.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (FILE* f = std::fopen(Env("TAVRINO_FORMAT_RECORD").c_str(), "ab")) {
        std::fprintf(f, "cmdline=%s\nstdin=%s\nanswer=%s\nhelp=%s\n", GetCommandLineA(),
                     input == "(not a file)" ? input.c_str() : Hex(input).c_str(), answerThere ? "yes" : "no", help);
        std::fclose(f);
    }
    return std::atoi(Env("TAVRINO_FORMAT_EXIT").c_str());
}
