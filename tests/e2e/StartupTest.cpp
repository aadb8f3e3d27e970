// The real executable, started from a packet folder with a virtual removable card as E:.
#include "WindowDriver.h"
#include "../unit/TestSupport.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const char kCaption[] = "Orvin Series Upgrade [";

// A packet folder holding a copy of the tool under the given name.
std::string MakePacket(const std::string& exeName = "Tavrino.exe")
{
    std::string base = "C:\\tave2e\\" + TestName();
    RemoveTree(base);
    std::string pkt = base + "\\pkt\\";
    MakeDirs(pkt + "DATA");
    WriteBytes(pkt + "README.TXT", 100);
    WriteBytes(pkt + "DATA\\MAP.BIN", 1000);
    EXPECT_TRUE(CopyFileA(TAVRINO_EXE_WIN, (pkt + exeName).c_str(), FALSE)) << TAVRINO_EXE_WIN;
    return pkt + exeName;
}

struct Started {
    e2e::Tool tool;
    HWND dlg = nullptr;
};

void Start(Started& s, const std::string& exe)
{
    ASSERT_TRUE(e2e::Launch(s.tool, exe));
    s.dlg = e2e::WaitForDialog(s.tool.pi.dwProcessId, kCaption);
    ASSERT_NE(s.dlg, nullptr) << "the main window never appeared";
}

TEST(Startup, ShowsTheWindowWithTheDriveListAndTheAboutBox)
{
    Started s;
    Start(s, MakePacket());
    HWND combo = GetDlgItem(s.dlg, IDC_CARD_DRIVE);
    std::vector<std::string> drives = e2e::ComboEntries(combo);
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0], "E:\\");
    EXPECT_EQ(e2e::ComboSelection(combo), 0);
    std::string caption = e2e::Text(s.dlg);

    PostMessageA(s.dlg, WM_SYSCOMMAND, IDM_ABOUT_BOX, 0);
    HWND about = e2e::WaitForDialog(s.tool.pi.dwProcessId, "?? Tavrino");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsWindowEnabled(s.dlg)) << "the About box is modal over the main window";
    std::vector<std::string> texts;
    for (HWND k = GetWindow(about, GW_CHILD); k; k = GetWindow(k, GW_HWNDNEXT))
        texts.push_back(e2e::Text(k));
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "Tavrino Version 1.0");
    EXPECT_NE(texts[2].find("2005"), std::string::npos);
    EXPECT_EQ(texts[3], "OK");
    EXPECT_EQ(SendMessageA(GetWindow(about, GW_CHILD), STM_GETICON, 0, 0), 0) << "no icon to show";
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 200 && IsWindow(about); ++i)
        Sleep(20);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(e2e::Text(s.dlg), caption);

    e2e::PressKey(s.dlg, VK_ESCAPE);
    EXPECT_TRUE(s.tool.Exited(10000));
}

struct CloseCase {
    const char* name;
    void (*close)(HWND dlg);
};

TEST(Startup, EveryWayOfClosingEndsTheProcess)
{
    const CloseCase cases[] = {
        {"Exit button", [](HWND d) { e2e::Click(GetDlgItem(d, IDOK)); }},
        {"Escape", [](HWND d) { e2e::PressKey(d, VK_ESCAPE); }},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](HWND d) { PostMessageA(d, WM_SYSKEYDOWN, VK_F4, 0x20000001); }},
    };
    std::string exe = MakePacket();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started s;
        Start(s, exe);
        c.close(s.dlg);
        EXPECT_TRUE(s.tool.Exited(10000));
    }
    // The settings key is recorded, never created.
    HKEY key = nullptr;
    const char kKey[] = "Software\\\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2\xCF\xF2\xB5\xBC\xC9\xFA\xB3\xC9\xB5\xC4\xB1\xBE"
                        "\xB5\xD8\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2";
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

// Run by the drive table script with the drives it configured and what the list must hold
// ("none": no removable drive).
TEST(DriveTable, TheListMatchesTheConfiguredDrives)
{
    const char* expected = std::getenv("TAVRINO_EXPECT_DRIVES");
    ASSERT_NE(expected, nullptr);
    std::string exe = MakePacket("Renamed.exe");
    e2e::Tool tool;
    ASSERT_TRUE(e2e::Launch(tool, exe));
    DWORD pid = tool.pi.dwProcessId;
    if (std::string(expected) == "none") {
        e2e::Box box;
        ASSERT_TRUE(e2e::WaitForBox(pid, "No Card Found!", &box));
        EXPECT_EQ(box.text, "No Card Found!");
        EXPECT_EQ(box.caption, "Renamed") << "the caption follows the file name";
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
        EXPECT_TRUE(box.hasIcon);
        EXPECT_EQ(e2e::MessageBoxes(pid).size(), 1u);
        EXPECT_EQ(e2e::WaitForDialog(pid, kCaption, 0), nullptr) << "the main window is never shown";
        e2e::Answer(box, IDOK);
        ASSERT_TRUE(tool.Exited(10000));
        return;
    }
    HWND dlg = e2e::WaitForDialog(pid, kCaption);
    ASSERT_NE(dlg, nullptr);
    HWND combo = GetDlgItem(dlg, IDC_CARD_DRIVE);
    std::string joined;
    for (const std::string& d : e2e::ComboEntries(combo))
        joined += (joined.empty() ? "" : ",") + d;
    EXPECT_EQ(joined, expected);
    EXPECT_EQ(e2e::ComboSelection(combo), 0);
    PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(tool.Exited(10000));
}

}  // namespace
