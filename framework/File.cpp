#include "File.h"
#include "App.h"
#include <cstring>

CFile::~CFile() { Close(); }

BOOL CFile::Open(const char* path, UINT nOpenFlags, void*)
{
    Close();
    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE h = CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFile = h;
    return TRUE;
}

BOOL CFile::Write(const void* data, UINT count)
{
    DWORD written = 0;
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    return WriteFile(m_hFile, data, count, &written, nullptr) && written == count;
}

BOOL CFile::Close()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return TRUE;
    BOOL ok = CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    return ok;
}

namespace {
// Both the open-file and the by-path queries answer with these fields.
template <class Info>
void FillStatus(CFileStatus& status, const Info& info)
{
    status.m_ctime = info.ftCreationTime;
    status.m_atime = info.ftLastAccessTime;
    status.m_mtime = info.ftLastWriteTime;
    status.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    status.m_attribute = static_cast<BYTE>(info.dwFileAttributes);
}
}  // namespace

BOOL CFile::GetStatus(CFileStatus& status) const
{
    BY_HANDLE_FILE_INFORMATION info;
    if (m_hFile == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    FillStatus(status, info);
    status.m_szFullName[0] = '\0';
    return TRUE;
}

BOOL CFile::GetStatus(const char* path, CFileStatus& status)
{
    // Reads the directory entry without opening the file, so a file held open without sharing
    // still answers.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return FALSE;
    FillStatus(status, data);
    if (!GetFullPathNameA(path, MAX_PATH, status.m_szFullName, nullptr))
        status.m_szFullName[0] = '\0';
    return TRUE;
}

static bool IsSet(const FILETIME& t) { return t.dwLowDateTime || t.dwHighDateTime; }

BOOL CFile::SetStatus(const char* path, const CFileStatus& status)
{
    DWORD current = GetFileAttributesA(path);
    if (current == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    DWORD wanted = status.m_attribute ? status.m_attribute : FILE_ATTRIBUTE_NORMAL;
    BOOL ok = TRUE;
    // A read-only file refuses new time stamps, so its attributes go first.
    if (current & FILE_ATTRIBUTE_READONLY)
        ok = SetFileAttributesA(path, wanted);
    if (IsSet(status.m_ctime) || IsSet(status.m_atime) || IsSet(status.m_mtime)) {
        HANDLE h = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            ok = FALSE;
        } else {
            ok = SetFileTime(h, IsSet(status.m_ctime) ? &status.m_ctime : nullptr,
                             IsSet(status.m_atime) ? &status.m_atime : nullptr,
                             IsSet(status.m_mtime) ? &status.m_mtime : nullptr) && ok;
            CloseHandle(h);
        }
    }
    if (!(current & FILE_ATTRIBUTE_READONLY))
        ok = SetFileAttributesA(path, wanted) && ok;
    return ok;
}

BOOL CFileFind::FindFile(const char* pattern)
{
    Close();
    if (!pattern)
        pattern = "*.*";
    if (std::strlen(pattern) >= MAX_PATH) {
        SetLastError(ERROR_BAD_ARGUMENTS);
        return FALSE;
    }
    HANDLE h = FindFirstFileA(pattern, &m_next);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFind = h;
    char full[MAX_PATH];
    char* name = nullptr;
    DWORD n = GetFullPathNameA(pattern, MAX_PATH, full, &name);
    if (n == 0 || n >= MAX_PATH) {
        m_root = pattern;
    } else {
        m_root = full;
    }
    size_t cut = m_root.find_last_of('\\');
    m_root = (cut == std::string::npos) ? std::string() : m_root.substr(0, cut + 1);
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_cur = m_next;
    return ::FindNextFileA(m_hFind, &m_next);
}

BOOL CFileFind::IsDots() const
{
    const char* n = m_cur.cFileName;
    return IsDirectory() && n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

std::string CFileFind::GetFilePath() const { return m_root + m_cur.cFileName; }

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}

void ReportFileError(const char* path)
{
    AfxMessageBox(std::string("A write error occurred while accessing ") + path + ".", MB_OK | MB_ICONEXCLAMATION);
}
