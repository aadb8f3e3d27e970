#include "TestSupport.h"
#include "update/PacketScan.h"
#include "update/UpdateState.h"
#include <gtest/gtest.h>

namespace {

uint32_t Scan(const std::string& folder)
{
    g_nTotalBytes = 0;
    ScanPacketSize(folder);
    return g_nTotalBytes;
}

TEST(PacketScan, OnlyTheExecutableGivesZero)
{
    PacketFixture f;
    MakeDirs(f.pkt + "EMPTY\\DEEPER");
    EXPECT_EQ(Scan(f.pkt), 0u);
}

TEST(PacketScan, CountsEveryFileButTheExecutableItself)
{
    PacketFixture f;
    // The listing reports the executable as Tool.exe while the module path says TOOL.EXE.
    DeleteFileA((f.pkt + "TOOL.EXE").c_str());
    f.Add("Tool.exe", 4096);
    f.Add("SUB\\TOOL.EXE", 10);     // same name, other folder: counts
    f.Add("TOOL-COPY.EXE", 20);     // renamed copy: counts
    f.Add("SUB\\DEEP\\data.bin", 40);
    std::string hidden = f.Add("hidden.txt", 100);
    std::string system = f.Add("SUB\\system.sys", 200);
    std::string readOnly = f.Add("ro.txt", 400);
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    MakeDirs(f.pkt + "EMPTY");

    EXPECT_EQ(Scan(f.pkt), 770u);
    // Without the trailing backslash the folder is scanned the same.
    EXPECT_EQ(Scan(f.pkt.substr(0, f.pkt.size() - 1)), 770u);
}

TEST(PacketScan, AddsOnlyTheLow32BitsOfAHugeFile)
{
    PacketFixture f;
    std::string path = f.pkt + "huge.img";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = (1LL << 32) + 1000;  // sparse here: no disk is used
    ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);
    EXPECT_EQ(Scan(f.pkt), 1000u);
    // Totals wrap modulo 2^32.
    g_nTotalBytes = 0xFFFFFF00u;
    ScanPacketSize(f.pkt);
    EXPECT_EQ(g_nTotalBytes.load(), 1000u - 0x100u);
    DeleteFileA(path.c_str());
}

TEST(PacketScan, AnUnlistableFolderAddsNothingSilently)
{
    PacketFixture f;
    f.Add("a.bin", 7);
    // A folder whose search pattern reaches 260 bytes cannot be listed.
    std::string deep = f.pkt + std::string(256 - f.pkt.size(), 'd');
    ASSERT_EQ(deep.size() + 4, 260u);
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << GetLastError();
    WriteBytes(deep + "\\x", 5);
    EXPECT_EQ(Scan(f.pkt), 7u);
    EXPECT_TRUE(TestApp().Boxes().empty());
}

}  // namespace
