// The panorama files of the folder and loading one of them: its palette onto the primary
// surface, its picture into the store, the view back to where a panorama starts.
#pragma once

#define PAN_MAX 50
extern char** PAN_subor;  // panorama file names of the folder
extern int PAN_kapacita;  // entries PAN_subor has room for: PAN_MAX, more for a larger folder
extern int PAN_id_max;    // highest valid index, -1 when none
extern int PAN_id;        // index of the panorama shown

// Loads panorama number ID of PAN_subor; start is nonzero only for the first load.
void Nahraj_PANORAMU(int ID, unsigned char start);
// Loads the panorama file nazov; PAN_id does not change.
void Nahraj_PANORAMU(const char* nazov, unsigned char start);
// The file last loaded (or tried), "" before the first.
const char* PAN_zobrazeny();
