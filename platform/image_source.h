// Reading a picture's bytes by name (platform/ only).
#pragma once
#include <cstdint>
#include <vector>

#include "platform/windef.h"

// With LR_LOADFROMFILE the file `name`; otherwise the module's BITMAP resource `name`, given back
// as a whole BMP file. At most `limit` bytes of a file are read; *total gets the full length.
bool IMGL_Read(HINSTANCE hinst, const char* name, UINT flags, size_t limit, std::vector<uint8_t>* out,
               size_t* total);
// Exactly `n` bytes from offset `off`; false on a short read.
bool IMGL_ReadAt(int fd, size_t off, uint8_t* out, size_t n);
