// Registry access: one value read or written per call.
#pragma once

#include "str.h"

#include <windows.h>

// Reads a value into out, whatever its kind, always leaving a terminated text. Returns the code
// of the last registry call (0 for success); when the key or the value is missing out is
// unchanged, so callers give it its default first.
LONG ReadRegistry(HKEY root, const char* keyPath, const char* valueName, str& out);

// Writes a value of kind REG_SZ (the text and its terminator; size is ignored), REG_DWORD
// (4 bytes; size is ignored) or REG_BINARY (size bytes), creating the key and any missing keys
// above it. Null data writes "" as a text and nothing of any other kind (the result is then 0).
// Returns 1 on success, 0 on failure.
int WriteRegistry(HKEY root, const char* keyPath, const char* valueName, DWORD kind, const void* data,
                  DWORD size);

// Deletes one value. Returns 1 when the value is gone afterwards (also when it or its key was
// never there), 0 on any other failure.
int DeleteRegistryValue(HKEY root, const char* keyPath, const char* valueName);
