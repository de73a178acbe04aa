// ownedFile: a C stream closed when its owner goes, on every way out, exceptions included.
#pragma once

#include <cstdio>

class ownedFile {
public:
    // fopen of the path with the mode; a null path or mode opens nothing.
    ownedFile(const char* path, const char* mode) : f(path && mode ? fopen(path, mode) : nullptr) {}
    ~ownedFile() {
        if (f) fclose(f);
    }
    ownedFile(const ownedFile&) = delete;
    ownedFile& operator=(const ownedFile&) = delete;

    operator FILE*() const { return f; } // null when the file could not be opened
    // Closes the stream now. True when it was open and the close succeeded, which is when
    // buffered writes reached the file.
    bool close() {
        FILE* open = f;
        f = nullptr;
        return open && fclose(open) == 0;
    }

private:
    FILE* f;
};
