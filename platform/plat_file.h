// C file calls with failure injection (disk full, unwritable folder), for writers that
// must never leave a half-written file behind.
#pragma once
#include <cstdio>

FILE* PLAT_fopen(const char* path, const char* mode);
size_t PLAT_fwrite(const void* data, size_t size, size_t count, FILE* f);
int PLAT_fclose(FILE* f);  // nonzero when buffered data could not be written
int PLAT_rename(const char* from, const char* to);
int PLAT_remove(const char* path);
