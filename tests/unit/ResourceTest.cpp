#include "res/resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {

// The executable whose resources are checked.
HMODULE Module()
{
#ifdef TAVRINO_EXE
    static HMODULE m = LoadLibraryExA(TAVRINO_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return m;
#else
    return GetModuleHandleA(nullptr);
#endif
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

class Reader {
public:
    explicit Reader(const void* p) : p_(static_cast<const BYTE*>(p)) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    // A name or an ordinal, as templates store them; ordinals come back as "#n".
    std::string NameOrOrdinal()
    {
        WORD first = Word();
        if (first == 0)
            return "";
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::wstring s(1, static_cast<wchar_t>(first));
        while (WORD c = Word())
            s += static_cast<wchar_t>(c);
        return Narrow(s);
    }
    void AlignDword() { p_ = reinterpret_cast<const BYTE*>((reinterpret_cast<uintptr_t>(p_) + 3) & ~uintptr_t(3)); }
    void Skip(size_t n) { p_ += n; }

private:
    template <class T>
    T Take()
    {
        T v;
        memcpy(&v, p_, sizeof(T));
        p_ += sizeof(T);
        return v;
    }
    const BYTE* p_;
};

const void* Resource(LPCSTR type, int id, DWORD* size = nullptr)
{
    HRSRC r = FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!r)
        return nullptr;
    if (size)
        *size = SizeofResource(Module(), r);
    return LockResource(LoadResource(Module(), r));
}

struct Item {
    std::string cls;
    int id;
    std::string text;
    short x, y, w, h;
    DWORD style;
};

struct Dialog {
    DWORD style, exStyle;
    short x, y, w, h;
    std::string caption, face;
    WORD points, weight;
    BYTE italic, charset;
    std::vector<Item> items;
};

Dialog ReadDialog(int id)
{
    const void* p = Resource(RT_DIALOG, id);
    EXPECT_NE(p, nullptr);
    Dialog d{};
    if (!p)
        return d;
    Reader r(p);
    EXPECT_EQ(r.Word(), 1);       // DIALOGEX version
    EXPECT_EQ(r.Word(), 0xFFFF);  // signature
    r.Dword();                    // help id
    d.exStyle = r.Dword();
    d.style = r.Dword();
    WORD count = r.Word();
    d.x = r.Short(), d.y = r.Short(), d.w = r.Short(), d.h = r.Short();
    EXPECT_EQ(r.NameOrOrdinal(), "");  // no menu
    EXPECT_EQ(r.NameOrOrdinal(), "");  // no class
    d.caption = r.NameOrOrdinal();
    d.points = r.Word(), d.weight = r.Word(), d.italic = r.Byte(), d.charset = r.Byte();
    d.face = r.NameOrOrdinal();
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Item it{};
        EXPECT_EQ(r.Dword(), 0u);  // help id
        EXPECT_EQ(r.Dword(), 0u);  // extended style
        it.style = r.Dword();
        it.x = r.Short(), it.y = r.Short(), it.w = r.Short(), it.h = r.Short();
        it.id = static_cast<int>(r.Dword());
        it.cls = r.NameOrOrdinal();
        it.text = r.NameOrOrdinal();
        r.Skip(r.Word());
        // Predefined classes are stored as ordinals.
        const char* names[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
        if (it.cls.size() > 1 && it.cls[0] == '#')
            it.cls = names[std::stoi(it.cls.substr(1)) - 0x80];
        d.items.push_back(it);
    }
    return d;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}

void ExpectItems(const Dialog& d, const std::vector<Item>& want)
{
    ASSERT_EQ(d.items.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        const Item &g = d.items[i], &w = want[i];
        EXPECT_EQ(Upper(g.cls), Upper(w.cls));
        EXPECT_EQ(static_cast<short>(g.id), w.id);
        EXPECT_EQ(g.text, w.text);
        EXPECT_EQ(g.x, w.x);
        EXPECT_EQ(g.y, w.y);
        EXPECT_EQ(g.w, w.w);
        EXPECT_EQ(g.h, w.h);
        EXPECT_EQ(g.style, w.style);
    }
}

TEST(Resources, MainDialogTemplate)
{
    Dialog d = ReadDialog(IDD_UPGRADE_DIALOG);
    EXPECT_EQ(d.style, 0x90C800C8u);
    EXPECT_EQ(d.exStyle, 0x00040000u);
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 0);
    EXPECT_EQ(d.w, 351);
    EXPECT_EQ(d.h, 115);
    EXPECT_EQ(d.caption, "Orvin Series Upgrade");
    EXPECT_EQ(d.face, "MS Shell Dlg");
    EXPECT_EQ(d.points, 10);
    EXPECT_EQ(d.weight, 400);
    EXPECT_EQ(d.italic, 0);
    EXPECT_EQ(d.charset, 0);
    ExpectItems(d, {
        {"Button", IDOK, "Exit(&X)", 143, 90, 65, 20, 0x50010001},
        {"Static", -1, "", 7, 19, 106, 63, 0x50000012},
        {"Static", -1, "", 0, 87, 352, 1, 0x50000010},
        {"Button", IDC_LBL_UPDATE, "Update", 13, 10, 53, 9, 0x50010000},
        {"Static", -1, "", 117, 19, 230, 63, 0x50000012},
        {"Button", IDC_LBL_TOOLS, "Tools", 123, 10, 53, 9, 0x50010000},
        {"Button", IDC_HELP_TEXT, "Button1", 121, 22, 133, 57, 0x50012000},
        {"Button", IDC_BTN_FORMAT_CARD, "Format CF Card", 258, 30, 85, 32, 0x50010000},
        {"Button", IDC_BTN_UPDATE_CARD, "Update CF Card", 10, 45, 100, 24, 0x50010000},
        {"Static", -1, "", 7, 7, 61, 13, 0x50000012},
        {"Static", -1, "", 117, 7, 61, 13, 0x50000012},
        {"ComboBox", IDC_CARD_DRIVE, "", 73, 26, 35, 57, 0x50210003},
        {"Button", IDC_LBL_CARD_DISK, "CF Card Disk", 10, 28, 62, 11, 0x50010000},
    });
}

TEST(Resources, AboutDialogTemplate)
{
    Dialog d = ReadDialog(IDD_ABOUT_BOX);
    EXPECT_EQ(d.style, 0x80C800C8u);
    EXPECT_EQ(d.exStyle, 0u);
    EXPECT_EQ(d.w, 235);
    EXPECT_EQ(d.h, 55);
    EXPECT_EQ(d.caption, "?? Tavrino");
    EXPECT_EQ(d.face, "MS Shell Dlg");
    EXPECT_EQ(d.points, 9);
    EXPECT_EQ(d.weight, 0);
    EXPECT_EQ(d.charset, 1);
    ASSERT_EQ(d.items.size(), 4u);
    std::string notice = d.items[2].text;
    EXPECT_NE(notice.find("2005"), std::string::npos);
    ExpectItems(d, {
        {"Static", -1, "#128", 11, 17, 20, 20, 0x50000003},
        {"Static", -1, "Tavrino Version 1.0", 40, 10, 119, 8, 0x50020080},
        {"Static", -1, notice, 40, 25, 119, 8, 0x50020000},
        {"Button", IDOK, "OK", 178, 7, 50, 16, 0x50030001},
    });
    EXPECT_EQ(Resource(RT_GROUP_ICON, 128), nullptr) << "the About box has no icon to show";
}

std::string Str(UINT id)
{
    char buf[512] = {};
    int n = LoadStringA(Module(), id, buf, sizeof(buf));
    return std::string(buf, n > 0 ? n : 0);
}

TEST(Resources, StringTable)
{
    EXPECT_EQ(Str(IDS_ABOUT_MENU), "About Tavrino(&A)...");
    EXPECT_EQ(Str(IDS_HELP_TEXT),
              "    Sometime the diagnostic card could not be used, before you reuse it, maybe you should format the "
              "diagnostic card, and after you format it, you can download the full update packet and rerun it!");
    std::string caption = Str(IDS_APP_CAPTION);
    EXPECT_EQ(caption.rfind("Orvin Series Upgrade [", 0), 0u) << caption;
    EXPECT_NE(caption.find("2005"), std::string::npos);
    EXPECT_EQ(caption.substr(caption.size() - 6), " V1.5]");
    EXPECT_EQ(Str(57344), "") << "the application name comes from the file name";
    // Only 101-103 exist: their block (7) holds nothing else, and no other block exists.
    for (UINT id = 96; id < 112; ++id) {
        if (id < 101 || id > 103) {
            EXPECT_EQ(Str(id), "") << id;
        }
    }
}

struct IconCase {
    int id;
    WORD bits;
};

TEST(Resources, IconsAreOne32x32ImageEach)
{
    for (IconCase c : {IconCase{IDI_MAIN, 8}, IconCase{IDI_EXIT, 8}, IconCase{IDI_FORMAT_CARD, 24},
                       IconCase{IDI_UPDATE_CARD, 24}}) {
        SCOPED_TRACE(c.id);
        const BYTE* group = static_cast<const BYTE*>(Resource(RT_GROUP_ICON, c.id));
        ASSERT_NE(group, nullptr);
        Reader g(group);
        g.Word();
        EXPECT_EQ(g.Word(), 1);  // icon
        ASSERT_EQ(g.Word(), 1);  // one image
        EXPECT_EQ(g.Byte(), 32);
        EXPECT_EQ(g.Byte(), 32);
        g.Skip(2 + 2);
        EXPECT_EQ(g.Word(), c.bits);
        g.Dword();
        WORD imageId = g.Word();
        DWORD size = 0;
        const auto* bih = static_cast<const BITMAPINFOHEADER*>(Resource(RT_ICON, imageId, &size));
        ASSERT_NE(bih, nullptr);
        EXPECT_EQ(bih->biWidth, 32);
        EXPECT_EQ(bih->biHeight, 64);  // colour image and mask
        EXPECT_EQ(bih->biBitCount, c.bits);
        DWORD table = c.bits == 8 ? 256 * 4 : 0;
        EXPECT_EQ(size, 40 + table + 32 * 32 * c.bits / 8 + 32 * 4);
    }
}

TEST(Resources, BackgroundBitmapHeader)
{
    DWORD size = 0;
    const auto* bih = static_cast<const BITMAPINFOHEADER*>(Resource(RT_BITMAP, IDB_BACKGROUND, &size));
    ASSERT_NE(bih, nullptr);
    EXPECT_EQ(bih->biSize, 40u);
    EXPECT_EQ(bih->biWidth, 240);
    EXPECT_EQ(bih->biHeight, 160);  // bottom-up
    EXPECT_EQ(bih->biPlanes, 1);
    EXPECT_EQ(bih->biBitCount, 24);
    EXPECT_EQ(bih->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(bih->biSizeImage, 115202u);
    EXPECT_EQ(bih->biXPelsPerMeter, 2834);
    EXPECT_EQ(bih->biYPelsPerMeter, 2834);
    EXPECT_EQ(bih->biClrUsed, 0u);
    EXPECT_EQ(size, 40u + 115202u);
    const BYTE* px = reinterpret_cast<const BYTE*>(bih + 1);
    EXPECT_EQ(px[115200], 0);
    EXPECT_EQ(px[115201], 0);
    // Blue, green, red of the field at the corner.
    EXPECT_EQ(px[0], 211);
    EXPECT_EQ(px[1], 211);
    EXPECT_EQ(px[2], 201);
}

TEST(Resources, VersionBlock)
{
    char path[MAX_PATH];
    GetModuleFileNameA(Module(), path, MAX_PATH);
    DWORD handle = 0, size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &len));
    EXPECT_EQ(LOWORD(*translation), 0x0804);
    EXPECT_EQ(HIWORD(*translation), 936);
    for (const char* key : {"InternalName", "OriginalFilename", "FileVersion", "ProductVersion"}) {
        char* value = nullptr;
        std::string q = std::string("\\StringFileInfo\\080403a8\\") + key;
        ASSERT_TRUE(VerQueryValueA(data.data(), q.c_str(), reinterpret_cast<void**>(&value), &len)) << key;
        std::string expected = key[0] == 'I' || key[0] == 'O' ? "Tavrino.exe" : "1.0.0.1";
        EXPECT_EQ(std::string(value), expected) << key;
    }
}

}  // namespace
