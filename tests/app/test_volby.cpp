// The command line: the desktop options, paths, and the viewer's own rules for the rest.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "app/panorama.h"
#include "app/startup.h"
#include "app/volby.h"
#include "tests/common/temp_folder.h"

namespace {

TEST(Cmdline, StartIndexModeAndFile) {
  // The line; the index, the mode and the file. The blank after a number starts the file rule; a
  // lone "P" reads nothing.
  const std::tuple<const char*, int, int, const char*> pripady[] = {
      {"", 0, 3, ""},       {"P12", 12, 3, ""},  {"G2", 0, 2, ""},     {"G5", 0, 3, ""},
      {"G6", 0, 6, ""},     {"PG2", 0, 2, ""},   {"4 G2", 4, 3, "G2"}, {"G1P3 /tmp/a b.bmp", 3, 1, "/tmp/a"},
      {"P0x10", 16, 3, ""}, {"010", 8, 3, ""},   {"3   ", 3, 3, ""},   {"\"moja panorama.bmp\"", 0, 3, "\"moja"},
      {"99999999999999999999", 2147483647, 3, ""}};
  for (const auto& [riadok, id, gm, subor] : pripady) {
    PAN_id = 0, GM = 3, PAN_param_file[0] = '\0';
    Rozober_prikazovy_riadok(riadok);
    EXPECT_EQ(std::make_tuple(PAN_id, GM, std::string(PAN_param_file)), std::make_tuple(id, gm, subor)) << riadok;
  }
  const std::string dlhy = "G2" + std::string(5000, '1') + " " + std::string(10000, 'y');
  Rozober_prikazovy_riadok(dlhy.c_str());
  EXPECT_EQ(std::string(PAN_param_file), std::string(PAN_PARAM_FILE_MAX, 'y'));
}

struct TVysledok { int kod; std::string out, err; TVolby volby; };

TVysledok Rozober(std::vector<const char*> slova) {
  slova.insert(slova.begin(), "panorama");
  TVysledok v;
  char* text[2] = {};
  size_t n[2] = {};
  FILE *out = open_memstream(&text[0], &n[0]), *err = open_memstream(&text[1], &n[1]);
  v.kod = PANO_Rozober_volby((int)slova.size(), slova.data(), &v.volby, out, err);
  std::fclose(out), std::fclose(err);
  v.out = text[0], v.err = text[1];
  std::free(text[0]), std::free(text[1]);
  return v;
}

TEST(Volby, HelpVersionAndUnknownOptions) {
  const TVysledok pomoc = Rozober({"--mute", "--help", "--bogus"}), verzia = Rozober({"--version", "--help"});
  EXPECT_EQ(std::make_tuple(pomoc.kod, pomoc.out.rfind("Usage: panorama", 0), verzia.kod,
                            verzia.out.rfind("panorama (Tessarin Panorama Player) ", 0)),
            std::make_tuple(0, 0u, 0, 0u));
  for (const char* zla : {"--windows", "--help=all", "---", "--MUTE", "--filter=fast", "--filter"}) {
    const TVysledok v = Rozober({"--window", zla, "pano.bmp"});
    EXPECT_EQ(std::make_tuple(v.kod, v.out, v.err),
              std::make_tuple(2, "", std::string("panorama: unknown option '") + zla + "'\nTry 'panorama --help'.\n"));
  }
}

TEST(Volby, OptionsPathsAndTheWordsLeftForTheViewer) {
  TTempFolder tmp;
  const std::string dir = tmp.Cesta(), subor = dir + "/a b.bmp", nie = dir + "/nie.bmp";
  std::fclose(std::fopen(subor.c_str(), "wb"));
  // The words; the window, mute, folder, file, words left and filter. Of two paths the first
  // counts; a missing file is left to the viewer's rules.
  const std::tuple<std::vector<const char*>, bool, bool, std::string, std::string, std::string, int> pripady[] = {
      {{"G2", "--mute", "P3", "nic.bmp", "--filter=off"}, false, true, "", "", "G2 P3 nic.bmp", OST_VYP},
      {{"--", "--help", "-x", "--filter=on"}, false, false, "", "", "--help -x --filter=on", OST_AUTO},
      {{"--window", "G4", subor.c_str(), "--filter=on", "P2"}, true, false, dir + "/", "a b.bmp", "G4 P2", OST_ZAP},
      {{dir.c_str(), subor.c_str()}, false, false, dir, "", subor, OST_AUTO},
      {{nie.c_str()}, false, false, "", "", nie, OST_AUTO}};
  for (const auto& [slova, okno, ticho, priecinok, subor_, riadok, filter] : pripady) {
    const TVysledok v = Rozober(slova);
    const TVolby& o = v.volby;
    EXPECT_EQ(std::make_tuple(v.kod, o.plat.window, o.plat.mute, o.priecinok, o.subor, o.riadok, o.filter),
              std::make_tuple(-1, okno, ticho, priecinok, subor_, riadok, filter));
  }
}

}  // namespace
