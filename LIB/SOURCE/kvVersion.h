// The library's version interface: version 1.38 (0x138) and its compile stamp.
#pragma once

#include "str.h"

unsigned short KVGetVersion();
// True when required is this library's version; otherwise two boxes name the required and the
// installed version, and the result is false.
bool KVVerifyVersion(unsigned short required);
str KVpgmCompileTime();
