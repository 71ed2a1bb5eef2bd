// Failure injection: a test makes any platform call fail to reach every failure path.
#pragma once
#include "platform/windef.h"

enum TPlatCall {
  PC_DirectDrawCreate,
  PC_SetCooperativeLevel,
  PC_SetDisplayMode,
  PC_CreatePrimary,
  PC_CreateOffscreen,
  PC_GetAttachedSurface,
  PC_CreatePalette,
  PC_Lock,
  PC_Blt,
  PC_BltFast,
  PC_GetDC,
  PC_Restore,
  PC_RegisterClass,
  PC_CreateWindow,
  PC_LoadImage,
  PC_CreateFont,
  PC_CreateCompatibleDC,
  PC_DirectSoundCreate,
  PC_DSSetCooperativeLevel,
  PC_CreateSoundBuffer,
  PC_SoundLock,
  PC_SoundPlay,
  PC_SoundRestore,
  PC_FileOpen,   // PLAT_fopen
  PC_FileWrite,  // PLAT_fwrite: `skip` counts bytes written before the disk is "full"
  PC_FileClose,
  PC_FileRename,
  PC_COUNT
};

// After `skip` successful calls (bytes for PC_FileWrite), the next `times` calls fail with `code`
// (times < 0: every later call). The DirectDraw calls return `code`; the others their own failure.
void PLAT_FaultSet(TPlatCall call, int skip, int times, HRESULT code);
void PLAT_FaultClear();
// Platform side: true when this call must fail; *code gets the status to return.
bool PLAT_FaultHit(TPlatCall call, HRESULT* code);
// For PC_FileWrite: how many of `n` bytes may still be written (n when no fault is set).
size_t PLAT_FaultBytes(size_t n);
// How many times the call was made since the last PLAT_FaultClear (for tests).
int PLAT_CallCount(TPlatCall call);
