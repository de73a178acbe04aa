// The library's version interface.
#include "kvVersion.h"

#include "msgBox.h"

namespace {
const unsigned short libraryVersion = 0x138;
const str compileStamp = str("May 24 1996") + ", " + "11:24:26";
} // namespace

unsigned short KVGetVersion() {
    return libraryVersion;
}

bool KVVerifyVersion(unsigned short required) {
    if (required == libraryVersion) return true;
    str required_(200, "This application requires:\n KV.DLL Version %i.%02X\n", required >> 8,
                  required & 0xFF);
    MsgBox(str("Application Setup Error\n") + required_, MB_ICONHAND, "KV.DLL", nullptr);
    str installed(200, "The currently installed KV.DLL is version %i.%02X\n", libraryVersion >> 8,
                  libraryVersion & 0xFF);
    MsgBox(installed + "Please reinstall this application and try again.", MB_ICONASTERISK, "KV.DLL",
           nullptr);
    return false;
}

str KVpgmCompileTime() {
    return compileStamp;
}
