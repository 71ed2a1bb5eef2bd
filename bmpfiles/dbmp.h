// Bitmap files and thumbnails (module DBMP_5): writing surfaces and bitmap files as
// 24-bit BMP files, optionally rescaled; the panorama folder scan; thumbnails beside
// every panorama; small path helpers. Failures go to the log (log/zeph_log.h), never
// to the caller. A written file appears complete or not at all.
#pragma once
#include <cstdint>

#include "platform/ddraw.h"

// Path buffers (folder + name) and bare names, including the terminator.
const int DBMP_MAX_CESTA = 500;
const int DBMP_MAX_MENO = 200;
// Most panoramas a scan keeps: the chooser list holds 50 rows, one of them the closing row.
const int DBMP_MAX_PANORAM = 49;
// The picture files the viewer lists (several masks separated by ';').
extern const char* const DBMP_MASKA_PANORAM;
// The viewer's own screenshot, written into the folder and never listed as a panorama.
extern const char* const DBMP_SNIMKA;

// --- sizes and writing ---------------------------------------------------------------

// New size for a sir × vys image: divided by koef when koef > 0, else (koef 0) fitted into
// FIXMAX_sir × FIXMAX_vys keeping the aspect ratio; bad input gives 50 × 50 and a log line.
void DBMP_NOVE_ROZMERY(int sir, int vys, int koef, int FIXMAX_sir, int FIXMAX_vys, int* sir2_new, int* vys2_new);

// Writes the inclusive rectangle p_R of the surface as a 24-bit bottom-up BMP file.
void DBMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* p_lpDDSURFACE, const RECT* p_R, const char* p_filename_out);
// The whole surface.
void DBMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* p_lpDDSURFACE, const char* p_filename_out);
// The whole surface rescaled: exactly FIXMAX_sir × FIXMAX_vys when proporc is 0,
// else fitted into that box.
void DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* p_lpDD, IDirectDrawSurface* p_lpDDSURFACE_in, uint8_t proporc,
                                             int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out);
// A bitmap file re-encoded as a 24-bit BMP at its own size.
void DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in,
                                                 const char* p_filename_out);
// A bitmap file resized with DBMP_NOVE_ROZMERY(koef, FIXMAX_sir, FIXMAX_vys).
void DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int koef,
                                                    int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out);
// A bitmap file loaded at fix_sir × fix_vys and written whole.
void DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int fix_sir,
                                                     int fix_vys, const char* p_filename_out);
// A bitmap file loaded at base_sir × base_vys; only the rows
// base_vys × koef_vys_od … (base_vys − 1) × koef_vys_po are written.
void DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int base_sir,
                                                     int base_vys, float koef_vys_od, float koef_vys_po,
                                                     const char* p_filename_out);
// Phase (fx, fy) of a sprite sheet fitted into FIXMAX_sir × FIXMAX_vys.
void DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in,
                                                         int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out,
                                                         int fx, int fy);

// --- thumbnails ------------------------------------------------------------------------

// Lists the panoramas of INAdresar into out_nazvy (at most DBMP_MAX_PANORAM entries,
// highest index in *out_maxid, −1 when none) and makes every missing thumbnail as the
// middle band of the picture scaled to sir × vys. scestou 0 keeps bare names only. Returns 0.
int DBMP_Zisti_Vytvor__bmp2thm_s3C(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                                   char** out_nazvy, int* out_maxid);
// As above with the capacity of the caller's table.
int DBMP_Zisti_Vytvor__bmp2thm_s3C_n(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                                     char** out_nazvy, int kapacita, int* out_maxid);
// The same, the thumbnail being the whole picture scaled to sir × vys.
int DBMP_Zisti_Vytvor__bmp2thm(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                               char** out_nazvy, int* out_maxid);
// Thumbnail path of a picture: "x.bmp" → "x.thm", any other picture "x.jpg" → "x.jpg.thm",
// "x.BMP" → "x.BMP.thm" (so that no two pictures of a folder share one). p_out holds DBMP_MAX_CESTA characters.
void DBMP_Cesta_nahladu(const char* p_sub, char* p_out);

// --- folder scan and paths -------------------------------------------------------------

// Lists the entries of INAdresar matching maska (one mask or several separated by ';',
// letter case ignored): files when subadr is 0, sub-folders when 1; names starting with
// "rezia" and the screenshot DBMP_SNIMKA are left out. Heap copies (free()) of the names, with the folder when scestou
// is set, go to out_nazvy, sorted by name; at most DBMP_MAX_PANORAM of them. Returns 0,
// or −1 for invalid arguments (outputs untouched).
int DBMP_Zisti_SubAdr(const char* INAdresar, const char* maska, unsigned subadr, uint8_t scestou, char** out_nazvy,
                      int* out_maxid);
// As above with the capacity of the caller's table.
int DBMP_Zisti_SubAdr_n(const char* INAdresar, const char* maska, unsigned subadr, uint8_t scestou, char** out_nazvy,
                        int kapacita, int* out_maxid);
// How many entries a scan of INAdresar would list were its table large enough (0 when the
// folder cannot be read); nothing is logged.
int DBMP_Pocet_SubAdr(const char* INAdresar, const char* maska, unsigned subadr);
// Frees the entries 0 … *maxid of a table filled by a scan and sets *maxid to −1.
void DBMP_Uvolni_zoznam(char** nazvy, int* maxid);
// Bare name of a path: between the last "/" or "\\" and the last "." after it;
// p_meno holds DBMP_MAX_MENO.
void DBMP_Vystrihni_meno(const char* p_sub, char* p_meno);
// p_sub with everything after the last "." of its name replaced by p_prip (unchanged
// when the name has none); p_sub_out holds DBMP_MAX_CESTA.
void DBMP_Zmen_priponu(const char* p_sub, const char* p_prip, char* p_sub_out);
// 1 when the file can be opened for reading: a regular file (not a folder, pipe or device).
uint8_t DBMP_Existuje_sub(const char* p_sub);
