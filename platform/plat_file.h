// C file calls with failure injection (disk full, unwritable folder), for writers that
// must never leave a half-written file behind; and the one way a user's file is opened
// for reading.
#pragma once
#include <cstddef>
#include <cstdio>

// A user's file opened for reading without ever blocking: only a regular file (or a link to
// one) is opened, so that a pipe or a device named like a picture cannot stall the viewer.
// -1 when there is none; *size gets its length.
int PLAT_OpenRead(const char* path, size_t* size);
// A reading mode ("r…") opens through PLAT_OpenRead.
FILE* PLAT_fopen(const char* path, const char* mode);
size_t PLAT_fwrite(const void* data, size_t size, size_t count, FILE* f);
int PLAT_fclose(FILE* f);  // nonzero when buffered data could not be written
int PLAT_rename(const char* from, const char* to);
int PLAT_remove(const char* path);
