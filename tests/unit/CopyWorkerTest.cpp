#include "TestSupport.h"
#include "update/CopyWorker.h"
#include "update/PacketScan.h"
#include "update/ProgressMessage.h"
#include "update/UpdateState.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace {

// Totals the packet and runs one worker to its end, as the update command would.
std::vector<WPARAM> RunUpdate(ReportWindow& w)
{
    g_nTotalBytes = 0;
    ScanPacketSize(g_strPacketDir);
    EXPECT_TRUE(BeginCopyWorker(w.hwnd()));
    std::vector<WPARAM> codes = w.PumpUntilAllDone();
    EXPECT_TRUE(WaitForCopyWorkers(10000));
    return codes;
}

std::vector<WPARAM> Codes(size_t files)
{
    std::vector<WPARAM> c(files, PROGRESS_FILE_DONE);
    c.push_back(PROGRESS_ALL_DONE);
    return c;
}

std::vector<std::string> BoxTexts()
{
    std::vector<std::string> t;
    for (const auto& b : TestApp().Boxes())
        t.push_back(b.text);
    return t;
}

TEST(CopyWorker, CopiesTheTreeAndDeletesNothing)
{
    PacketFixture f;
    f.Add("a.txt", 10, 'a');
    f.Add("SUB\\b.bin", 20, 'b');
    f.Add("SUB\\DEEP\\c.dat", 30, 'c');
    f.Add("SUB\\TOOL.EXE", 5, 'e');  // same name as the executable, other folder
    MakeDirs(f.pkt + "EMPTY\\INNER");
    WriteBytes("T:\\OLD.TXT", 3, 'o');
    WriteBytes("T:\\SUB\\keep.txt", 4, 'k');

    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(4));

    EXPECT_EQ(ReadAll("T:\\a.txt"), std::string(10, 'a'));
    EXPECT_EQ(ReadAll("T:\\SUB\\b.bin"), std::string(20, 'b'));
    EXPECT_EQ(ReadAll("T:\\SUB\\DEEP\\c.dat"), std::string(30, 'c'));
    EXPECT_EQ(FileSize("T:\\SUB\\TOOL.EXE"), 5);
    EXPECT_EQ(FileSize("T:\\TOOL.EXE"), -1) << "the tool must not copy itself";
    EXPECT_TRUE(IsDir("T:\\EMPTY\\INNER"));
    EXPECT_EQ(ReadAll("T:\\OLD.TXT"), "ooo");
    EXPECT_EQ(ReadAll("T:\\SUB\\keep.txt"), "kkkk");
    EXPECT_TRUE(TestApp().Boxes().empty());

    // Each report carries the file just verified; the percentage is cumulative in that order.
    const std::map<std::string, int> sizes = {
        {"\\a.txt", 10}, {"\\SUB\\b.bin", 20}, {"\\SUB\\DEEP\\c.dat", 30}, {"\\SUB\\TOOL.EXE", 5}};
    auto reports = ReportWindow::PostedReports();
    ASSERT_EQ(reports.size(), 5u);
    int sum = 0;
    for (size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(sizes.count(reports[i].target), 1u) << reports[i].target;
        sum += sizes.at(reports[i].target);
        EXPECT_FLOAT_EQ(reports[i].percent, static_cast<float>(sum / 65.0 * 100.0));
    }
    EXPECT_FLOAT_EQ(reports[3].percent, 100.0f);
}

TEST(CopyWorker, PercentagesFollowVerifiedBytes)
{
    PacketFixture f;
    f.Add("quarter.bin", 250);
    f.Add("rest.bin", 750);
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(2));
    auto r = ReportWindow::PostedReports();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].percent, r[0].target == "\\quarter.bin" ? 25.0f : 75.0f);
    EXPECT_EQ(r[1].percent, 100.0f);
}

TEST(CopyWorker, OnlyTheExecutableGivesOnlyAllDone)
{
    PacketFixture f;
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(0));
}

TEST(CopyWorker, AllEmptyFilesReachOneHundredPercent)
{
    PacketFixture f;
    f.Add("empty1", 0);
    f.Add("SUB\\empty2", 0);
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(2));
    for (const auto& r : ReportWindow::PostedReports())
        if (r.code == PROGRESS_FILE_DONE) {
            EXPECT_EQ(r.percent, 100.0f);
        }
}

TEST(CopyWorker, OverwritesProtectedTargetsWithTheSourceAttributes)
{
    PacketFixture f;
    struct Case {
        const char* name;
        DWORD cardAttr;
        DWORD sourceAttr;
    };
    const DWORD kMask = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const Case cases[] = {
        {"ro.txt", FILE_ATTRIBUTE_READONLY, 0},
        {"hidden.txt", FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_READONLY},
        {"system.txt", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
    };
    for (const auto& c : cases) {
        std::string card = std::string("T:\\") + c.name;
        WriteBytes(card, 99, 'o');
        SetFileAttributesA(card.c_str(), c.cardAttr);
        std::string src = f.Add(c.name, 12, 'n');
        if (c.sourceAttr)
            SetFileAttributesA(src.c_str(), c.sourceAttr);
    }
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(3));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string card = std::string("T:\\") + c.name;
        EXPECT_EQ(ReadAll(card), std::string(12, 'n'));
        EXPECT_EQ(GetFileAttributesA(card.c_str()) & kMask, c.sourceAttr);
    }
    EXPECT_TRUE(TestApp().Boxes().empty());
}

TEST(CopyWorker, AnUnreadableSourceFailsAloneAndTheWalkGoesOn)
{
    PacketFixture f;
    f.Add("first.bin", 100);
    std::string locked = f.Add("locked.bin", 300);
    f.Add("SUB\\last.bin", 600);
    HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(2));
    CloseHandle(hold);

    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"T:\\locked.binDownload failed!"});
    EXPECT_EQ(TestApp().Boxes()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(FileSize("T:\\first.bin"), 100);
    EXPECT_EQ(FileSize("T:\\SUB\\last.bin"), 600);
    auto r = ReportWindow::PostedReports();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_FLOAT_EQ(r[1].percent, 70.0f);  // the failed 300 bytes never count
}

TEST(CopyWorker, AFolderThatCannotBeMadeOnTheCardFailsEachFileInside)
{
    PacketFixture f;
    f.Add("SUB\\x.bin", 10);
    f.Add("SUB\\y.bin", 10);
    f.Add("ok.bin", 10);
    WriteBytes("T:\\SUB", 1);  // a plain file where the folder should go
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(1));
    auto boxes = BoxTexts();
    std::sort(boxes.begin(), boxes.end());
    EXPECT_EQ(boxes, (std::vector<std::string>{"T:\\SUB\\x.binDownload failed!",
                                               "T:\\SUB\\y.binDownload failed!"}));
    EXPECT_EQ(FileSize("T:\\ok.bin"), 10);
}

TEST(CopyWorker, AnUnlistableSourceFolderIsReportedAndTheWalkGoesOn)
{
    PacketFixture f;
    f.Add("ok.bin", 10);
    // Its search pattern reaches 260 bytes, so the listing refuses it.
    std::string name(256 - f.pkt.size(), 'd');
    ASSERT_TRUE(CreateDirectoryA((f.pkt + name).c_str(), nullptr));
    ReportWindow w;
    EXPECT_EQ(RunUpdate(w), Codes(1));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"T:\\" + name + "\\Download failed!"});
    EXPECT_EQ(FileSize("T:\\ok.bin"), 10);
}

// Asks for the stop from inside the first report, on the worker thread.
BOOL WINAPI StopAtFirstReport(HWND h, UINT m, WPARAM wp, LPARAM lp)
{
    RequestCopyStop();
    return PostMessageA(h, m, wp, lp);
}

TEST(CopyWorker, AStopEndsTheWorkerWithWholeFilesAndNoFurtherReports)
{
    PacketFixture f;
    for (int i = 0; i < 60; ++i)
        f.Add("F" + std::to_string(i) + ".bin", 256 * 1024);
    ReportWindow w;
    SetProgressPoster(&StopAtFirstReport);
    g_nTotalBytes = 0;
    ScanPacketSize(f.pkt);
    ASSERT_TRUE(BeginCopyWorker(w.hwnd()));
    ASSERT_TRUE(WaitForCopyWorkers(20000));
    EXPECT_EQ(w.TakeQueued(), std::vector<WPARAM>{PROGRESS_FILE_DONE});
    int onCard = 0;
    for (int i = 0; i < 60; ++i) {
        long long size = FileSize("T:\\F" + std::to_string(i) + ".bin");
        EXPECT_TRUE(size == -1 || size == 256 * 1024) << i << ": " << size;
        onCard += size >= 0;
    }
    EXPECT_LE(onCard, 2);
    EXPECT_TRUE(TestApp().Boxes().empty());
    EXPECT_EQ(LiveCopyWorkers(), 0);
}

}  // namespace
