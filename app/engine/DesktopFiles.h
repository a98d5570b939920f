#pragma once
// Moving the small files of a desktop between the desktop folder and a store folder.
// A move is a copy followed, later in the switch, by the delete of the original; the
// original is deleted only when this switch copied it and the copy is there with the
// same size, so a file whose copy failed stays where it was.
#include "FileRoutines.h"

#include <string>
#include <vector>

struct SmallFilesCopy {
    // Files whose copy is at the target: copied now, or found there with the same content.
    std::vector<PlainFile> copied;
    // Runtime file error number of the last file that could not be copied; 0 when none.
    long lastError = 0;
};

// Creates a store folder and every missing parent; an existing folder is no error,
// any other failure raises the system's error.
void CreateStoreFolder(const std::wstring& folder);

// Copies every plain file of at most sizeLimit bytes of source into target (both ending
// in "\"), going on past files that cannot be copied. A file of the same name already at
// the target is never replaced: when its content is the same the file counts as copied,
// otherwise both stay where they are and the file reports error 58 (file already exists).
SmallFilesCopy CopySmallFiles(const std::wstring& source, const std::wstring& target);

// Deletes from folder the files of a copy whose copy in copiedTo still has the same size
// as the original. Returns the runtime file error of the last delete that failed, 0 when none.
long DeleteCopiedFiles(const std::wstring& folder, const std::vector<PlainFile>& copied, const std::wstring& copiedTo);
