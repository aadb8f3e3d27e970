// Format CF Card on the real executable, with a test double format.exe in the prefix's system
// folder that records what it was given.
#include "WindowDriver.h"
#include "../unit/TestSupport.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace {

const char kQuestion[] = "Selected Format E:\n\nAll Data will Be Lost!!!\n\n Are You Sure\xA3\xBF";
const char kDone[] = "Complete Format\xA3\xA1";
const char kFailed[] = "Format Failed\xA3\xA1";
const char kFormatting[] = "Formatting CF Card...";

class FormatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileA(FORMAT_DOUBLE_WIN, "C:\\windows\\system32\\format.exe", FALSE));
        base = "C:\\tave2e\\" + TestName();
        RemoveTree(base);
        MakeDirs(base);
        record = base + "\\format-record.txt";
        SetEnvironmentVariableA("TAVRINO_FORMAT_RECORD", record.c_str());
        SetEnvironmentVariableA("TAVRINO_FORMAT_EXIT", "0");
    }
    void TearDown() override
    {
        DeleteFileA("C:\\windows\\system32\\format.exe");
        SetEnvironmentVariableA("TAVRINO_FORMAT_ANSWER", nullptr);
    }
    // Starts the tool from folder (created, with the executable in it).
    void Start(const std::string& folder, const std::string& exe = "Tavrino.exe")
    {
        pkt = folder;
        MakeDirs(pkt.substr(0, pkt.size() - 1));
        ASSERT_TRUE(CopyFileA(TAVRINO_EXE_WIN, (pkt + exe).c_str(), FALSE)) << pkt + exe;
        answer = pkt + "111.txt";
        SetEnvironmentVariableA("TAVRINO_FORMAT_ANSWER", answer.c_str());
        ASSERT_TRUE(e2e::Launch(tool, pkt + exe));
        dlg = e2e::WaitForDialog(tool.pi.dwProcessId, "Orvin Series Upgrade [");
        ASSERT_NE(dlg, nullptr);
        help = e2e::Text(GetDlgItem(dlg, IDC_HELP_TEXT));
        appName = exe.substr(0, exe.find_last_of('.'));
    }
    // Presses Format CF Card and answers the question; returns the question box.
    e2e::Box Ask(int answerId)
    {
        e2e::Click(GetDlgItem(dlg, IDC_BTN_FORMAT_CARD));
        e2e::Box q;
        EXPECT_TRUE(e2e::WaitForBox(tool.pi.dwProcessId, "Selected Format", &q));
        EXPECT_FALSE(IsAnswerFile()) << "nothing before the answer";
        e2e::Answer(q, answerId);
        return q;
    }
    // The result box's text, answered with OK.
    std::string Result()
    {
        e2e::Box r;
        DWORD pid = tool.pi.dwProcessId;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 20000) {
            for (const e2e::Box& b : e2e::MessageBoxes(pid)) {
                if (b.text.rfind("Selected Format", 0) == 0)
                    continue;  // the question, still closing
                e2e::Answer(b, IDOK);
                EXPECT_EQ(b.caption, appName);
                EXPECT_EQ(b.buttons, std::vector<std::string>{"OK"});
                return b.text;
            }
            Sleep(20);
        }
        return "(no box)";
    }
    std::string Recorded() { return ReadAll(record); }
    bool IsAnswerFile() const
    {
        DWORD a = GetFileAttributesA(answer.c_str());
        return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
    }
    void Close()
    {
        for (int i = 0; i < 100 && !e2e::MessageBoxes(tool.pi.dwProcessId).empty(); ++i)
            Sleep(20);
        PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(tool.Exited(10000));
    }
    static std::string Field(const std::string& rec, const std::string& key)
    {
        size_t at = rec.find(key + "=");
        if (at == std::string::npos)
            return "(none)";
        size_t end = rec.find('\n', at);
        return rec.substr(at + key.size() + 1, end - at - key.size() - 1);
    }
    // The arguments the double got, behind its own name.
    static std::string Arguments(const std::string& rec)
    {
        std::string line = Field(rec, "cmdline");
        size_t cut = line.find(' ');
        std::string args = cut == std::string::npos ? "" : line.substr(cut);
        while (!args.empty() && args.front() == ' ')
            args.erase(0, 1);
        while (!args.empty() && args.back() == ' ')
            args.pop_back();
        return args;
    }

    std::string base, record, pkt, answer, help, appName;
    e2e::Tool tool;
    HWND dlg = nullptr;
};

TEST_F(FormatTest, YesRunsTheFat32FormWithTheAnswerFileOnStandardInput)
{
    Start(base + "\\pkt\\");
    e2e::Box q = Ask(IDYES);
    EXPECT_EQ(q.text, kQuestion);
    EXPECT_EQ(q.caption, appName);
    EXPECT_EQ(q.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_TRUE(q.hasIcon);
    EXPECT_EQ(Result(), kDone);
    std::string rec = Recorded();
    EXPECT_EQ(Arguments(rec), "E: /FS:FAT32 /Q /X /V:KELVORIN") << rec;
    EXPECT_EQ(Field(rec, "stdin"), "0D0A");
    EXPECT_EQ(Field(rec, "answer"), "yes") << "111.txt exists while the command runs";
    EXPECT_EQ(Field(rec, "help"), kFormatting);
    EXPECT_EQ(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES) << "111.txt is deleted after";
    Sleep(100);
    EXPECT_EQ(e2e::Text(GetDlgItem(dlg, IDC_HELP_TEXT)), help);
    Close();
}

TEST_F(FormatTest, WindowsNt4GetsTheAutotestFormAndTheAnswerFileAllTheSame)
{
    HKEY wine = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &wine,
                              nullptr), ERROR_SUCCESS);
    RegSetValueExA(wine, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("nt40"), 5);
    Start(base + "\\pkt\\");
    RegDeleteValueA(wine, "Version");
    RegCloseKey(wine);
    Ask(IDYES);
    EXPECT_EQ(Result(), kDone);
    std::string rec = Recorded();
    EXPECT_EQ(Arguments(rec), "E: /Q /autotest /V:KELVORIN") << rec;
    EXPECT_EQ(Field(rec, "answer"), "yes");
    EXPECT_EQ(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES);
    Close();
}

TEST_F(FormatTest, NoChangesNothing)
{
    Start(base + "\\pkt\\");
    Ask(IDNO);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(e2e::Text(GetDlgItem(dlg, IDC_HELP_TEXT)), help);
        EXPECT_EQ(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES);
        Sleep(20);
    }
    EXPECT_TRUE(e2e::MessageBoxes(tool.pi.dwProcessId).empty());
    EXPECT_EQ(Recorded(), "") << "nothing ran";
    Close();
}

TEST_F(FormatTest, AnExistingAnswerFileIsReplacedThenRemoved)
{
    std::string folder = base + "\\pkt\\";
    MakeDirs(base + "\\pkt");
    WriteBytes(folder + "111.txt", 100, 'y');
    Start(folder);
    e2e::Click(GetDlgItem(dlg, IDC_BTN_FORMAT_CARD));
    e2e::Box q;
    ASSERT_TRUE(e2e::WaitForBox(tool.pi.dwProcessId, "Selected Format", &q));
    e2e::Answer(q, IDYES);
    EXPECT_EQ(Result(), kDone);
    EXPECT_EQ(Field(Recorded(), "stdin"), "0D0A") << "exactly CR LF, the old content gone";
    EXPECT_EQ(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES);
    Close();
}

TEST_F(FormatTest, ABlankAndAnAmpersandInThePacketPathCannotStartASecondCommand)
{
    Start(base + "\\a b&c (1)\\");
    Ask(IDYES);
    EXPECT_EQ(Result(), kDone);
    std::string rec = Recorded();
    EXPECT_EQ(Field(rec, "stdin"), "0D0A") << "the whole quoted path reached the command";
    EXPECT_EQ(Arguments(rec), "E: /FS:FAT32 /Q /X /V:KELVORIN");
    EXPECT_EQ(rec.find("cmdline=", rec.find("cmdline=") + 1), std::string::npos) << "one command only:\n" << rec;
    Close();
}

TEST_F(FormatTest, AnAnswerFileThatCannotBeCreatedFailsWithoutRunningAnything)
{
    // As root, permissions cannot make the folder read-only here, and a running executable's
    // folder cannot be moved away: a folder in the answer file's place refuses the file as surely.
    Start(base + "\\pkt\\");
    ASSERT_TRUE(CreateDirectoryA(answer.c_str(), nullptr));
    Ask(IDYES);
    EXPECT_EQ(Result(), kFailed);
    EXPECT_EQ(Recorded(), "");
    Sleep(100);
    EXPECT_EQ(e2e::Text(GetDlgItem(dlg, IDC_HELP_TEXT)), help);
    Close();
}

TEST_F(FormatTest, ACommandThatFailsIsReportedAsFailed)
{
    SetEnvironmentVariableA("TAVRINO_FORMAT_EXIT", "4");
    Start(base + "\\pkt\\");
    Ask(IDYES);
    EXPECT_EQ(Result(), kFailed);
    EXPECT_NE(Recorded(), "") << "the command ran";
    EXPECT_EQ(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES);
    Close();
}

TEST_F(FormatTest, APacketPathWithNoRoomForTheAnswerFileFailsWithoutCreatingAnything)
{
    // 249 bytes of folder leave no room for "111.txt" in 256, while "T.exe" still fits in 260.
    std::string folder = base + "\\";
    while (folder.size() < 249 - 1)
        folder += "d";
    folder = folder.substr(0, 248) + "\\";
    ASSERT_EQ(folder.size(), 249u);
    Start(folder, "T.exe");
    Ask(IDYES);
    EXPECT_EQ(Result(), kFailed);
    EXPECT_EQ(Recorded(), "");
    EXPECT_EQ(GetFileAttributesA((folder + "111.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((folder + "111.tx").c_str()), INVALID_FILE_ATTRIBUTES) << "no cut name either";
    Close();
}

}  // namespace
