// Options and paths on the command line, before the viewer's own rules see it.
#include "app/volby.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/app.h"
#include "app/panorama.h"
#include "app/startup.h"

namespace {

const char* const POMOC =
    "Usage: panorama [--window] [--mute] [--filter=off|on|auto] [G<mode>] [P<index> | <index>]\n"
    "                [file | folder]\n"
    "       panorama --help | --version\n"
    "\n"
    "Shows the full-sphere (equirectangular, 2:1) pictures of a folder as a view\n"
    "you turn, tilt and zoom.\n"
    "\n"
    "Options:\n"
    "  --help        this text\n"
    "  --version     the version\n"
    "  --window      a resizable window instead of the full screen\n"
    "  --mute        no sound\n"
    "  --filter=auto smooth pictures when the view rests, sharp pixels while it\n"
    "                moves unless the machine keeps 60 frames a second filtering\n"
    "                (default); --filter=on always smooth, --filter=off never\n"
    "                (and every picture pixel shown as it is, also while moving)\n"
    "  --            what follows is not an option\n"
    "  G1 … G4       display mode 320x200, 640x480, 800x600, 1024x768, scaled\n"
    "  G6            the desktop's own size, pixel for pixel (default; with\n"
    "                --window, the window's size, following it)\n"
    "  P12, 12       start with the picture of that index in the folder\n"
    "  file          show this picture and list the pictures of its folder\n"
    "  folder        list the pictures of this folder\n"
    "  other word    a picture of the current folder to show first\n"
    "\n"
    "Keys and mouse:\n"
    "  left button held     turn and tilt, faster away from the centre\n"
    "  arrows, keypad 4682  turn and tilt\n"
    "  Ctrl+Up / Ctrl+Down  zoom in / out\n"
    "  keypad + / -         wider / narrower view\n"
    "  wheel                zoom\n"
    "  F1                   rectilinear or spherical projection\n"
    "  F2                   screenshot TSSCAN.bmp\n"
    "  F3, F4               the click sounds\n"
    "  right button         the list of pictures\n"
    "  Escape, F12          quit\n";

// The viewer's own start-index and display-mode words keep their meaning even when a
// file of that name happens to exist.
bool povodne_slovo(const char* s) {
  if (s[0] == 'G') return ((s[1] >= '1' && s[1] <= '4') || s[1] == '0' + GM_PLOCHA) && s[2] == '\0';
  if (s[0] == 'P') ++s;
  if (*s == '\0') return false;
  for (; *s != '\0'; ++s) {
    if (*s < '0' || *s > '9') return false;
  }
  return true;
}

// Splits an existing path into its folder and, for a file, its bare name.
bool je_cesta(const char* s, TVolby* volby) {
  struct stat st;
  if (povodne_slovo(s) || stat(s, &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) {
    volby->priecinok = s;
    volby->subor.clear();
    return true;
  }
  const char* lomka = std::strrchr(s, '/');
  volby->priecinok = lomka == nullptr ? std::string(".") : std::string(s, (size_t)(lomka - s) + 1);
  volby->subor = lomka == nullptr ? s : lomka + 1;
  return true;
}

// The --filter= words in the order of OST_VYP, OST_ZAP, OST_AUTO; -1 for another word.
int filter_volba(const char* s) {
  const char* const slova[] = {"off", "on", "auto"};
  for (int i = 0; i < 3; ++i)
    if (std::strcmp(s, slova[i]) == 0) return i;
  return -1;
}

void pridaj_slovo(std::string* riadok, const char* slovo) {
  if (!riadok->empty()) *riadok += ' ';
  *riadok += slovo;
}

// The bare name of the file opened by its path, until the folder scan has placed it.
std::string g_zobrazeny;

}  // namespace

int PANO_Rozober_volby(int argc, const char* const* argv, TVolby* volby, FILE* out, FILE* err) {
  bool volby_skoncili = false;
  bool cesta = false;
  for (int i = 1; i < argc; ++i) {
    const char* slovo = argv[i];
    if (!volby_skoncili && std::strncmp(slovo, "--", 2) == 0) {
      if (std::strcmp(slovo, "--help") == 0) {
        std::fputs(POMOC, out);
        return 0;
      }
      if (std::strcmp(slovo, "--version") == 0) {
        std::fprintf(out, "panorama (%s) %s\n", PANO_NAZOV, PANO_VERZIA);
        return 0;
      }
      if (std::strcmp(slovo, "--window") == 0) {
        volby->plat.window = true;
      } else if (std::strcmp(slovo, "--mute") == 0) {
        volby->plat.mute = true;
      } else if (std::strncmp(slovo, "--filter=", 9) == 0 && filter_volba(slovo + 9) >= 0) {
        volby->filter = filter_volba(slovo + 9);
      } else if (slovo[2] == '\0') {
        volby_skoncili = true;
      } else {
        std::fprintf(err, "panorama: unknown option '%s'\nTry 'panorama --help'.\n", slovo);
        return 2;
      }
    } else if (!cesta && je_cesta(slovo, volby)) {
      cesta = true;
    } else {
      pridaj_slovo(&volby->riadok, slovo);
    }
  }
  return -1;
}

int PANO_Otvor_cestu(const TVolby& volby, FILE* err) {
  g_zobrazeny.clear();
  if (volby.priecinok.empty()) return 1;
  if (chdir(volby.priecinok.c_str()) != 0) {
    std::fprintf(err, "panorama: cannot open the folder '%s': %s\n", volby.priecinok.c_str(), std::strerror(errno));
    return 0;
  }
  if (volby.subor.empty() || volby.subor.size() > (size_t)PAN_PARAM_FILE_MAX) return 1;
  std::memcpy(PAN_param_file, volby.subor.c_str(), volby.subor.size() + 1);
  g_zobrazeny = volby.subor;
  return 1;
}

void PANO_Zarad_zobrazeny() {
  // A file named by the viewer's own rules as well is the one shown; it keeps their meaning.
  if (g_zobrazeny.empty() || g_zobrazeny != PAN_param_file) {
    g_zobrazeny.clear();
    return;
  }
  for (int i = 0; i <= PAN_id_max; ++i) {
    const char* lomka = std::strrchr(PAN_subor[i], '/');
    if (g_zobrazeny == (lomka == nullptr ? PAN_subor[i] : lomka + 1)) {
      PAN_id = i;
      break;
    }
  }
  g_zobrazeny.clear();
}
