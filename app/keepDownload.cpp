// KeepDownload: a download kept for later goes into the download folder, beside what is there.
#include "handleDownload.h"

#include "fileSystem.h"
#include "path.h"
#include "samePath.h"

namespace {
// More copies of one name than anyone keeps; beyond, the move is given up.
const int lastNumber = 9999;
} // namespace

str FolderOfFile(const str& file) {
    str folder = DirOf(LongFullPath(file));
    return folder.length() == 2 && folder[1] == ':' ? folder + "\\" : folder;
}

// A root stays a root: DirOf gives "C:", which would name the current folder of drive C.
bool InsideFolder(const str& path, const str& folder) {
    str below = LongFullPath(path);
    for (str above = FolderOfFile(path); above.length() > 0 && above.length() < below.length();
         above = FolderOfFile(above)) {
        if (SamePath(above, folder)) return true;
        below = above;
    }
    return false;
}

// Neither the move nor the copy replaces a file, so the name taken is free at that moment. A file that
// another program has open without sharing its deletion cannot be moved, yet it can be read: from then on
// copies are tried.
keptDownload KeepDownload(const str& file, const str& downloadFolder) {
    str name = FileOf(file);
    str folder = FolderOfFile(file);
    if (!IsFullPath(downloadFolder)) return {keptDownload::notMoved, folder, name};
    CreateDir(downloadFolder);
    if (SamePath(folder, downloadFolder)) return {keptDownload::alreadyThere, downloadFolder, name};
    bool copying = false;
    for (int n = 1; n <= lastNumber;) {
        str kept = n == 1 ? name : NumberedName(name, n);
        str path = downloadFolder + "\\" + kept;
        if (copying ? CopyFileWhole(file, path) : MoveFileWhole(file, path))
            return {copying ? keptDownload::copied : keptDownload::moved, downloadFolder, kept};
        DWORD error = GetLastError();
        if (!copying && error == ERROR_SHARING_VIOLATION)
            copying = true;
        else if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            ++n;
        else
            break;
    }
    return {keptDownload::notMoved, folder, name};
}
