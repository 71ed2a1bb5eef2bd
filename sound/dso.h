// The sound system: one DirectSound object for the default device and playable sounds
// loaded from the wave resources of the executable. Sound is optional: every failure
// only silences the program.
#pragma once
#include <cstdint>

#include "platform/dsound.h"

extern IDirectSound* lpDS;          // null = no sound
extern int32_t DSO_lad_info_zap;    // nonzero: DSO_INFO appends its lines to "DSO_INFO.txt"

// Trace lines: "text\n" and "text  [name] \n".
void DSO_INFO(const char* text);
void DSO_INFO(const char* text, const char* name);

// Creates lpDS with the normal cooperative level for the window; 1 = ready, 0 = no sound.
int32_t DSO_INIT(HWND okno);
// Releases lpDS; always 1.
int32_t DSO_DONE();

// One playable sound held in a static buffer.
class CDSO_Zvuk {
 public:
  CDSO_Zvuk();
  virtual ~CDSO_Zvuk();
  CDSO_Zvuk(const CDSO_Zvuk&) = delete;
  CDSO_Zvuk& operator=(const CDSO_Zvuk&) = delete;

  // Loads the named "WAV" resource into a new buffer; 1 = a buffer is held afterwards.
  uint8_t NAHRAJ(const char* nazov);
  // Plays the sound once from its start, restoring and refilling a lost buffer; 1 = started.
  uint8_t SPUSTI();
  // Releases the buffer.
  void ODSTRAN();

  char* res_nazov;                // own copy of the resource name, null before NAHRAJ
  IDirectSoundBuffer* SBUFFER;    // null = nothing loaded
};
