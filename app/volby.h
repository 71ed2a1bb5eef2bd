// The options a Linux user expects ("--help", "--version", "--window", "--mute",
// "--filter=off|on|auto") and a
// file or folder named on the command line, read before the viewer's own command-line
// rules (start index, display mode, file name), which get the remaining words.
#pragma once
#include <cstdio>
#include <string>

#include "app/ostrost.h"
#include "platform/backend.h"

// What the arguments ask for.
struct TVolby {
  TPlatOptions plat;      // window and mute
  std::string riadok;     // the words left for the viewer's rules, joined by blanks
  std::string priecinok;  // folder to open; empty: the current one
  std::string subor;      // bare name of the file to show in that folder; empty: none
  int filter = OST_AUTO;  // sampling of the view: OST_VYP, OST_ZAP or OST_AUTO
};

// Reads argv[1 …]. Returns -1 when the viewer is to run with *volby; otherwise the exit
// code: 0 after the help or the version went to `out`, 2 after an unknown option was
// reported on `err`. A word that names an existing file or folder is a path (the
// index and display-mode words excepted); the first such word counts, "--" ends the options.
int PANO_Rozober_volby(int argc, const char* const* argv, TVolby* volby, FILE* out, FILE* err);

// Goes to the folder of the path and names its file as the one to show (PAN_param_file),
// remembering it for PANO_Zarad_zobrazeny. An unusable folder is reported on `err` and the
// current folder kept. 1 when the folder (or the current one, when none was named) is in use.
int PANO_Otvor_cestu(const TVolby& volby, FILE* err);

// After the folder scan: a file opened by its path becomes the current entry of the
// list (PAN_id) when it is there, so that next and previous go on from it. Once only.
void PANO_Zarad_zobrazeny();
