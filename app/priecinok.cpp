// Writable folders, the thumbnail scan and the screenshot's destination.
#include "app/priecinok.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/panorama.h"
#include "app/startup.h"
#include "bmpfiles/dbmp.h"
#include "display/screen.h"
#include "platform/plat_file.h"

namespace {

// The screen is fitted into this box.
constexpr int SNIMKA_SIR = 400;
constexpr int SNIMKA_VYS = 200;

bool je_priecinok(const std::string& cesta) {
  struct stat st;
  return !cesta.empty() && stat(cesta.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first line "xdg-user-dir PICTURES" prints; empty when the tool is not there.
std::string xdg_user_dir() {
  FILE* p = popen("xdg-user-dir PICTURES 2>/dev/null", "r");
  if (p == nullptr) return std::string();
  std::string riadok;
  int c;
  while ((c = std::fgetc(p)) != EOF && c != '\n') riadok += (char)c;
  pclose(p);
  return riadok;
}

// Identity of a file, to tell a newly written one from one left by an earlier run.
struct TStopa {
  bool je = false;
  ino_t ino = 0;
  time_t cas = 0;
};

TStopa stopa(const std::string& cesta) {
  TStopa s;
  struct stat st;
  if (stat(cesta.c_str(), &st) == 0) {
    s.je = true;
    s.ino = st.st_ino;
    s.cas = st.st_mtime;
  }
  return s;
}

}  // namespace

int PANO_Priecinok_zapisovatelny(const char* priecinok) {
  const std::string skuska = std::string(priecinok) + "/.tessarin-" + std::to_string(getpid()) + ".tmp";
  // "x": an existing file of that name is never overwritten.
  FILE* f = PLAT_fopen(skuska.c_str(), "wbx");
  if (f == nullptr) return 0;
  std::fclose(f);
  PLAT_remove(skuska.c_str());
  return 1;
}

void PANO_Nacitaj_zoznam() {
  // A scan of an earlier start in the same process is given back first.
  DBMP_Uvolni_zoznam(PAN_subor, &PAN_id_max);
  // Every picture of the folder is listed: a folder larger than the table gets a larger one.
  static std::vector<char*> vacsi;
  const int pocet = DBMP_Pocet_SubAdr("./", DBMP_MASKA_PANORAM, 0);
  if (pocet > PAN_kapacita) {
    vacsi.assign((size_t)pocet, nullptr);
    PAN_subor = vacsi.data();
    PAN_kapacita = pocet;
  }
  if (PANO_Priecinok_zapisovatelny(".")) {
    DBMP_Zisti_Vytvor__bmp2thm_s3C_n("./", 1, lpDD, 100, 50, PAN_subor, PAN_kapacita, &PAN_id_max);
  } else {
    DBMP_Zisti_SubAdr_n("./", DBMP_MASKA_PANORAM, 0, 1, PAN_subor, PAN_kapacita, &PAN_id_max);
  }
}

std::string PANO_Priecinok_obrazkov() {
  const char* xdg = std::getenv("XDG_PICTURES_DIR");
  if (xdg != nullptr && je_priecinok(xdg)) return xdg;
  const std::string nastroj = xdg_user_dir();
  if (je_priecinok(nastroj)) return nastroj;
  const char* domov = std::getenv("HOME");
  if (domov != nullptr && je_priecinok(std::string(domov) + "/Pictures")) return std::string(domov) + "/Pictures";
  return std::string();
}

void PANO_Uloz_snimku(HWND hwnd) {
  const bool tu = PANO_Priecinok_zapisovatelny(".") != 0;
  std::string cesta = DBMP_SNIMKA;
  if (!tu) {
    const std::string obrazky = PANO_Priecinok_obrazkov();
    if (!obrazky.empty() && PANO_Priecinok_zapisovatelny(obrazky.c_str())) cesta = obrazky + "/" + DBMP_SNIMKA;
  }
  const TStopa pred = stopa(cesta);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(lpDD, lpDDSPrimary, 1, SNIMKA_SIR, SNIMKA_VYS, cesta.c_str());
  // The writer renames a new file onto the old one: a saved screenshot has a new inode.
  const TStopa po = stopa(cesta);
  const bool ulozena = po.je && (!pred.je || po.ino != pred.ino || po.cas != pred.cas);
  if (tu && ulozena) return;  // where the user expects it: nothing to say
  char sprava[DBMP_MAX_CESTA + 100];
  std::snprintf(sprava, sizeof sprava,
                ulozena ? "Priečinok je len na čítanie, snímka obrazovky je uložená do %s"
                        : "Snímku obrazovky sa nepodarilo uložiť: %s",
                cesta.c_str());
  tsMsg(hwnd, sprava);
}
