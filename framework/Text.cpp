#include "Text.h"

std::string MakeUpperAnsi(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string LoadResString(UINT id)
{
    // LoadStringA with a zero buffer size returns nothing useful for ANSI, so read into a buffer
    // that grows until the text fits.
    std::string out(256, '\0');
    for (;;) {
        int n = LoadStringA(GetModuleHandleA(nullptr), id, &out[0], static_cast<int>(out.size()));
        if (n <= 0)
            return std::string();
        if (n < static_cast<int>(out.size()) - 1) {
            out.resize(n);
            return out;
        }
        out.resize(out.size() * 2);
    }
}
