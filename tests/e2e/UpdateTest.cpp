// Update CF Card on the real executable, run by update_e2e.sh, which prepares the card for each
// phase (a FAT32, FAT16 or no image behind E:, a card that fills up) and says which in
// TAVRINO_PHASE.
#include "WindowDriver.h"
#include "../unit/TestSupport.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const char kCaption[] = "Orvin Series Upgrade [";
const int kButtons[] = {IDC_BTN_UPDATE_CARD, IDOK, IDC_BTN_FORMAT_CARD};

std::string Phase()
{
    const char* p = std::getenv("TAVRINO_PHASE");
    return p ? p : "";
}

#define REQUIRE_PHASE(name) \
    if (Phase() != name)    \
    GTEST_SKIP() << "runs in the " name " phase of update_e2e.sh"

struct File {
    std::string rel;
    size_t size;
};

// A packet folder with the tool and the given files; the card E: emptied.
std::string MakePacket(const std::vector<File>& files)
{
    std::string base = "C:\\tave2e\\" + TestName();
    RemoveTree(base);
    std::string pkt = base + "\\pkt\\";
    MakeDirs(pkt);
    for (const File& f : files)
        WriteBytes(pkt + f.rel, f.size, static_cast<char>('a' + f.rel.size() % 26));
    EXPECT_TRUE(CopyFileA(TAVRINO_EXE_WIN, (pkt + "Tavrino.exe").c_str(), FALSE));
    RemoveTree("E:\\");
    return pkt;
}

// Everything the main window showed: each caption with the three buttons' enabled state, and the
// message boxes, answered with OK as they come.
struct Seen {
    std::string caption;
    bool enabled[3];
};

class Session {
public:
    explicit Session(const std::string& pkt)
    {
        EXPECT_TRUE(e2e::Launch(tool, pkt + "Tavrino.exe"));
        dlg = e2e::WaitForDialog(tool.pi.dwProcessId, kCaption);
        EXPECT_NE(dlg, nullptr);
        app = e2e::Text(dlg);
    }
    // Clicks Update CF Card and records until the application caption returns.
    void Update(DWORD timeoutMs = 120000)
    {
        seen.clear();
        e2e::Click(GetDlgItem(dlg, IDC_BTN_UPDATE_CARD));
        Watch([&] { return seen.size() > 1 && seen.back().caption == app; }, timeoutMs);
    }
    template <class Done>
    void Watch(Done done, DWORD timeoutMs)
    {
        DWORD start = GetTickCount();
        int round = 0;
        while (!done() && GetTickCount() - start < timeoutMs && IsWindow(dlg)) {
            std::string now = e2e::Text(dlg);
            if (seen.empty() || seen.back().caption != now) {
                Seen s{now, {}};
                for (int i = 0; i < 3; ++i)
                    s.enabled[i] = IsWindowEnabled(GetDlgItem(dlg, kButtons[i])) != 0;
                seen.push_back(s);
            }
            if (++round % 20 == 0) {
                for (const e2e::Box& b : e2e::MessageBoxes(tool.pi.dwProcessId)) {
                    boxes.push_back(b.text);
                    e2e::Answer(b, IDOK);
                    Sleep(100);
                }
            }
            Sleep(1);
        }
    }
    std::vector<std::string> Progress() const
    {
        std::vector<std::string> p;
        for (const Seen& s : seen)
            if (s.caption.find("%Downloading\\") != std::string::npos)
                p.push_back(s.caption);
        return p;
    }
    void Close()
    {
        PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(tool.Exited(20000));
    }

    e2e::Tool tool;
    HWND dlg = nullptr;
    std::string app;
    std::vector<Seen> seen;
    std::vector<std::string> boxes;
};

std::string Percent(double p)
{
    char b[32];
    std::snprintf(b, sizeof(b), "%.1f%%", static_cast<double>(static_cast<float>(p)));
    return b;
}

// The 100.0% caption stands only until the end message, posted right after it, is handled; a
// poller may miss it, so only the rise is checked here (the worker tests pin the final 100.0).
void ExpectRising(const std::vector<std::string>& progress)
{
    for (size_t i = 1; i < progress.size(); ++i)
        EXPECT_LE(std::atof(progress[i - 1].c_str()), std::atof(progress[i].c_str()))
            << progress[i - 1] << " then " << progress[i];
}

TEST(Update, CaptionSequenceAndButtonsFromClickToEnd)
{
    REQUIRE_PHASE("fat32");
    // The walk goes in listing order, which Wine sorts by name: the tiny file comes first, then
    // 1500 empty ones (they keep the scan visible and the percentage at 0.0 for a while), then
    // the bulk.
    std::vector<File> files = {{"A_TINY.TXT", 10}};
    for (int i = 0; i < 1500; ++i)
        files.push_back({"B_EMPTY\\F" + std::to_string(1000 + i), 0});
    for (const File& f : {File{"C_LARGE.BIN", 24 << 20}, File{"SUB\\D.BIN", 1 << 20}, File{"SUB\\E.BIN", 3 << 20}})
        files.push_back(f);
    Session s(MakePacket(files));
    s.Update();
    ASSERT_GE(s.seen.size(), 5u);
    EXPECT_EQ(s.seen[0].caption, s.app);
    EXPECT_EQ(s.seen[1].caption, "Calculating File Size...");
    EXPECT_EQ(s.seen[2].caption, "Downloading file...");
    EXPECT_EQ(s.seen.back().caption, s.app);

    // While a percentage shows, the three buttons are disabled; at the end enabled again.
    double total = 0;
    for (const File& f : files)
        total += f.size;
    std::vector<std::string> targets;
    std::vector<double> cumulative;
    double sum = 0;
    for (const File& f : files) {
        sum += f.size;
        targets.push_back("\\" + f.rel);
        cumulative.push_back(sum / total * 100.0);
    }
    auto progress = s.Progress();
    ASSERT_FALSE(progress.empty());
    // The handler shows the percentage and target stored last: the file just verified, or the
    // one whose copy has begun since.
    for (const std::string& caption : progress) {
        bool valid = false;
        for (size_t i = 0; i < files.size(); ++i)
            for (size_t j = i; j < files.size() && j <= i + 2; ++j)
                valid = valid || caption == Percent(cumulative[i]) + "Downloading" + targets[j];
        EXPECT_TRUE(valid) << caption;
    }
    EXPECT_EQ(progress.front().rfind("0.0%Downloading\\", 0), 0u) << progress.front();
    ExpectRising(progress);
    // The end enables the buttons just before it restores the caption, so the last percentage
    // may be seen with them enabled already.
    int disabledSeen = 0;
    for (size_t i = 0; i + 2 < s.seen.size(); ++i) {
        const Seen& seen = s.seen[i];
        if (seen.caption.find("%Downloading\\") != std::string::npos) {
            EXPECT_FALSE(seen.enabled[0] || seen.enabled[1] || seen.enabled[2]) << seen.caption;
            ++disabledSeen;
        }
    }
    EXPECT_GT(disabledSeen, 0);
    for (int id : kButtons)
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(s.dlg, id)));
    EXPECT_TRUE(s.boxes.empty());
    for (const File& f : files)
        EXPECT_EQ(FileSize("E:\\" + f.rel), static_cast<long long>(f.size)) << f.rel;

    // A second update totals and counts from 0 again.
    s.Update();
    auto again = s.Progress();
    ASSERT_FALSE(again.empty());
    EXPECT_LT(std::atof(again.front().c_str()), 50.0) << again.front();
    ExpectRising(again);
    s.Close();
}

TEST(Update, ProtectedCardFilesAreOverwrittenAndOtherCardFilesUntouched)
{
    REQUIRE_PHASE("fat32");
    std::string pkt = MakePacket({{"RO.TXT", 11}, {"HIDDEN.TXT", 12}, {"SYS.TXT", 13}, {"DATA\\NEW.BIN", 14}});
    const std::map<std::string, DWORD> protectedFiles = {
        {"RO.TXT", FILE_ATTRIBUTE_READONLY},
        {"HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN},
        {"SYS.TXT", FILE_ATTRIBUTE_SYSTEM},
    };
    for (const auto& p : protectedFiles) {
        WriteBytes("E:\\" + p.first, 500, 'o');
        SetFileAttributesA(("E:\\" + p.first).c_str(), p.second);
    }
    WriteBytes("E:\\KEEP\\OLD.TXT", 7, 'k');
    WriteBytes("E:\\DATA\\MINE.TXT", 8, 'm');
    Session s(pkt);
    s.Update();
    EXPECT_TRUE(s.boxes.empty());
    for (const auto& p : protectedFiles)
        EXPECT_EQ(ReadAll("E:\\" + p.first), ReadAll(pkt + p.first)) << p.first;
    EXPECT_EQ(ReadAll("E:\\KEEP\\OLD.TXT"), "kkkkkkk");
    EXPECT_EQ(ReadAll("E:\\DATA\\MINE.TXT"), "mmmmmmmm");
    EXPECT_EQ(FileSize("E:\\DATA\\NEW.BIN"), 14);
    EXPECT_EQ(FileSize("E:\\Tavrino.exe"), -1);
    s.Close();
}

TEST(Update, ASourceHeldOpenFailsWithItsBoxAndTheRestCopies)
{
    REQUIRE_PHASE("fat32");
    std::string pkt = MakePacket({{"A.BIN", 1000}, {"LOCKED.BIN", 2000}, {"Z\\LAST.BIN", 3000}});
    HANDLE hold = CreateFileA((pkt + "LOCKED.BIN").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    Session s(pkt);
    s.Update();
    CloseHandle(hold);
    EXPECT_EQ(s.boxes, std::vector<std::string>{"E:\\LOCKED.BINDownload failed!"});
    EXPECT_EQ(FileSize("E:\\A.BIN"), 1000);
    EXPECT_EQ(FileSize("E:\\Z\\LAST.BIN"), 3000);
    // The failed 2000 bytes never count: no caption goes past 4000 of 6000.
    for (const std::string& caption : s.Progress())
        EXPECT_LE(std::atof(caption.c_str()), 66.7) << caption;
    EXPECT_EQ(s.seen.back().caption, s.app) << "the end restores the caption whatever failed";
    s.Close();
}

TEST(Update, ClosingDuringACopyLeavesOnlyWholeFilesAndEndsTheProcess)
{
    REQUIRE_PHASE("fat32");
    std::vector<File> files;
    for (int i = 0; i < 1000; ++i)
        files.push_back({"P" + std::to_string(i / 100) + "\\PART" + std::to_string(1000 + i) + ".BIN", 256 << 10});
    Session s(MakePacket(files));
    e2e::Click(GetDlgItem(s.dlg, IDC_BTN_UPDATE_CARD));
    s.Watch([&] { return !s.Progress().empty(); }, 60000);
    ASSERT_FALSE(s.Progress().empty());
    DWORD start = GetTickCount();
    e2e::PressKey(s.dlg, VK_ESCAPE);
    while (IsWindow(s.dlg) && GetTickCount() - start < 5000)
        Sleep(5);
    DWORD closed = GetTickCount() - start;
    EXPECT_FALSE(IsWindow(s.dlg)) << "the window closes at once";
    ASSERT_TRUE(s.tool.Exited(60000));
    DWORD ended = GetTickCount() - start;
    std::printf("closing during the copy: window gone after %lu ms, process ended after %lu ms\n", closed, ended);
    int onCard = 0;
    for (const File& f : files) {
        long long size = FileSize("E:\\" + f.rel);
        EXPECT_TRUE(size == -1 || size == static_cast<long long>(f.size)) << f.rel << ": " << size;
        onCard += size >= 0;
    }
    std::printf("%d of %zu files were on the card, each whole\n", onCard, files.size());
    EXPECT_LT(onCard, 1000) << "the copy stopped";
}

TEST(Update, ACardThatIsNotFat32IsRefused)
{
    if (Phase() != "fat16" && Phase() != "ntfs" && Phase() != "no-medium")
        GTEST_SKIP() << "runs in the fat16, ntfs and no-medium phases of update_e2e.sh";
    Session s(MakePacket({{"A.BIN", 10}}));
    std::string caption = e2e::Text(s.dlg);
    e2e::Click(GetDlgItem(s.dlg, IDC_BTN_UPDATE_CARD));
    e2e::Box box;
    ASSERT_TRUE(e2e::WaitForBox(s.tool.pi.dwProcessId, "FAT32", &box));
    EXPECT_EQ(box.text, "CF Card is not FAT32, Please format first\xA3\xA1");
    EXPECT_EQ(box.caption, "Tavrino");
    EXPECT_EQ(e2e::Text(s.dlg), caption);
    for (int id : kButtons)
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(s.dlg, id)));
    e2e::Answer(box, IDOK);
    Sleep(300);
    EXPECT_EQ(e2e::Text(s.dlg), caption);
    EXPECT_EQ(FileSize("E:\\A.BIN"), -1) << "nothing copied";
    s.Close();
}

TEST(Update, ACardThatFillsUpFailsTheFilesThatDoNotFitAndKeepsTheOthersWhole)
{
    REQUIRE_PHASE("small-card");
    std::vector<File> files;
    for (char c = 'A'; c <= 'E'; ++c)
        files.push_back({std::string(1, c) + ".BIN", 300 * 1024});
    std::string pkt = MakePacket(files);
    Session s(pkt);
    s.Update();
    ASSERT_FALSE(s.boxes.empty()) << "a 1 MiB card cannot take 1.5 MiB";
    std::vector<std::string> failed;
    for (const File& f : files) {
        long long size = FileSize("E:\\" + f.rel);
        bool boxed = false;
        for (const std::string& b : s.boxes)
            boxed = boxed || b == "E:\\" + f.rel + "Download failed!";
        // Each file is either verified and whole, or it got its failure box.
        EXPECT_TRUE(boxed || size == static_cast<long long>(f.size)) << f.rel << ": " << size;
        if (!boxed) {
            EXPECT_EQ(ReadAll("E:\\" + f.rel), ReadAll(pkt + f.rel));
        }
    }
    EXPECT_EQ(s.seen.back().caption, s.app);
    s.Close();
}

}  // namespace
