// The program's version, read by the C++ code, the resource scripts and the build (which names
// the release zip and writes the manifest from it). Plain #defines, so that windres reads them.
#ifndef BRISK_VERSION_H
#define BRISK_VERSION_H

#define BRISK_VERSION_MAJOR 96
#define BRISK_VERSION_MINOR 6
#define BRISK_VERSION_BUILD 20

// "96.6.20"
#define BRISK_VERSION_TEXT_(major, minor, build) #major "." #minor "." #build
#define BRISK_VERSION_TEXT_OF(major, minor, build) BRISK_VERSION_TEXT_(major, minor, build)
#define BRISK_VERSION_TEXT                                                                                   \
    BRISK_VERSION_TEXT_OF(BRISK_VERSION_MAJOR, BRISK_VERSION_MINOR, BRISK_VERSION_BUILD)

#endif
