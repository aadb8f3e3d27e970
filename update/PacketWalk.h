#pragma once
// The listing shape that the size scan and the copy worker share.
#include "framework/File.h"
#include <string>

enum class WalkResult { Listed, Empty, Unlistable };

// Lists folder (a backslash is appended when its last byte is not one) with the pattern "*.*"
// and calls onEntry once per entry in listing order, "." and ".." left out.
template <class OnEntry>
WalkResult WalkFolder(std::string folder, OnEntry onEntry)
{
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    std::string pattern = folder + "*.*";
    CFileFind find;
    if (!find.FindFile(pattern.c_str())) {
        DWORD err = GetLastError();
        // A folder without even "." and ".." (a drive root) is empty, not unlistable.
        return (err == ERROR_FILE_NOT_FOUND || err == ERROR_NO_MORE_FILES) ? WalkResult::Empty
                                                                            : WalkResult::Unlistable;
    }
    BOOL more = TRUE;
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots())
            continue;
        if (!onEntry(find))
            break;
    }
    find.Close();
    return WalkResult::Listed;
}
