#include "update/UpdateState.h"
#include <gtest/gtest.h>
#include <thread>

namespace {

struct PathCase {
    const char* full;
    bool folder;
    const char* target;
    const char* current;  // only for files
};

TEST(PathRule, MapsPacketPathsOntoTheCard)
{
    g_strPacketDir = "D:\\Pkt\\";
    g_strCardRoot = "E:\\";
    const PathCase cases[] = {
        {"D:\\Pkt\\README.TXT", false, "E:\\README.TXT", "\\README.TXT"},
        {"D:\\Pkt\\SUB", true, "E:\\SUB\\", nullptr},
        {"D:\\Pkt\\SUB\\", true, "E:\\SUB\\", nullptr},
        {"D:\\Pkt\\SUB\\NAME", false, "E:\\SUB\\NAME", "\\SUB\\NAME"},
        {"D:\\Pkt\\a b\\c&d.bin", false, "E:\\a b\\c&d.bin", "\\a b\\c&d.bin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.full);
        if (c.folder) {
            EXPECT_EQ(FolderTargetOf(c.full), c.target);
        } else {
            EXPECT_EQ(FileTargetOf(c.full), c.target);
            EXPECT_EQ(CurrentTargetOf(FileTargetOf(c.full)), c.current);
        }
    }
}

struct ModuleCase {
    std::string path;
    DWORD copied;
    BOOL located;
    const char* dir;
    const char* upper;
};

TEST(LocatePacket, DerivesFolderAndUpperCasedSelfPath)
{
    std::string longPath = "C:\\" + std::string(252, 'a') + "\\x.exe";  // 262 bytes
    std::string cut = longPath.substr(0, MAX_PATH - 1);
    const ModuleCase cases[] = {
        {"E:\\TOOL.EXE", 11, TRUE, "E:\\", "E:\\TOOL.EXE"},
        {"D:\\Pack\\Tool.exe", 16, TRUE, "D:\\Pack\\", "D:\\PACK\\TOOL.EXE"},
        {"C:\\Mixed Case\\Sub Dir\\Tavrino.exe", 33, TRUE, "C:\\Mixed Case\\Sub Dir\\",
         "C:\\MIXED CASE\\SUB DIR\\TAVRINO.EXE"},
        // GetModuleFileNameA fills the whole buffer when the path does not fit.
        {cut, MAX_PATH, FALSE, "", ""},
        {"", 0, FALSE, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        g_strPacketDir = "stale";
        g_strSelfPathUpper = "stale";
        EXPECT_EQ(AdoptModulePath(c.path.c_str(), c.copied), c.located);
        EXPECT_EQ(g_strPacketDir, c.dir);
        EXPECT_EQ(g_strSelfPathUpper, c.upper);
    }
}

TEST(LocatePacket, FindsTheRunningExecutable)
{
    ASSERT_TRUE(LocatePacket());
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full = path;
    EXPECT_EQ(g_strPacketDir, full.substr(0, full.find_last_of('\\') + 1));
    EXPECT_EQ(g_strSelfPathUpper.size(), full.size());
    EXPECT_EQ(g_strSelfPathUpper.substr(g_strPacketDir.size()), "ENGINE_TESTS.EXE");
}

TEST(CurrentTarget, ReaderAlwaysSeesAWholeTarget)
{
    const std::string a(200, 'a'), b(3, 'b');
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i)
            SetCurrentTarget(i % 2 ? a : b);
        done = true;
    });
    int torn = 0;
    while (!done) {
        std::string seen = CurrentTarget();
        if (seen != a && seen != b && !seen.empty())
            ++torn;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
