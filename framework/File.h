#pragma once
// Files and directory listings: the small subset of a file class the tool needs,
// returning FALSE where a failure is possible instead of throwing.
#include <windows.h>
#include <string>

struct CFileStatus {
    FILETIME m_ctime{};      // creation
    FILETIME m_atime{};      // last access
    FILETIME m_mtime{};      // last write
    ULONGLONG m_size = 0;    // length in bytes
    BYTE m_attribute = 0;    // FILE_ATTRIBUTE_* bits that fit in a byte
    char m_szFullName[MAX_PATH] = {};
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,     // no sharing, as shareExclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens or creates per nOpenFlags; FALSE when the file cannot be opened. pError is accepted
    // for the familiar signature and ignored.
    BOOL Open(const char* path, UINT nOpenFlags, void* pError = nullptr);
    BOOL Write(const void* data, UINT count);
    BOOL Close();
    BOOL GetStatus(CFileStatus& status) const;
    static BOOL GetStatus(const char* path, CFileStatus& status);
    // Applies the record's attributes (0 leaves none) and its non-zero time stamps.
    static BOOL SetStatus(const char* path, const CFileStatus& status);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

// The framework's own box for a file that could not be written.
void ReportFileError(const char* path);

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a listing; FALSE when it cannot start, also for a pattern of MAX_PATH bytes or more.
    BOOL FindFile(const char* pattern = "*.*");
    // Makes the next entry current; returns whether a further entry follows it.
    BOOL FindNextFile();
    BOOL MatchesMask(DWORD mask) const { return (m_cur.dwFileAttributes & mask) != 0; }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsDots() const;
    // The listing's folder, fully qualified, followed by the entry's name as stored.
    std::string GetFilePath() const;
    void Close();

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_cur{};
    WIN32_FIND_DATAA m_next{};
    std::string m_root;  // ends with a backslash
};
