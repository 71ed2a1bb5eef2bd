// Paints the interface sprite sheet resources/REZIA_PAN.BMP: red background and dividing
// lines, cyan for transparent pixels, every sprite at its fixed place, and the navigation
// strip's row colours in column 85.
// Usage: gen_sheet [output.bmp]
#include <cstdio>
#include <vector>

#include "platform/ddraw.h"
#include "tools/aa_platno.h"

namespace {

const TFarba TYRKYS{0, 255, 255};
const TFarba ATRAMENT{36, 40, 50};
const TFarba BIELA{250, 250, 252};
const TFarba MODRA_SVETLA{78, 150, 245};
const TFarba MODRA{30, 104, 214};
const TFarba MODRA_OKRAJ{16, 62, 150};
const TFarba PAS{155, 155, 155};  // the navigation strip under the strip buttons
const TFarba TMAVA{22, 24, 30};
const TFarba SIVA{168, 172, 180};
const TFarba PURPUROVA{228, 52, 200};

const int SHEET_W = 253, SHEET_H = 103;

TVypln Zvisly_prechod(TFarba hore, TFarba dole, float y0, float y1) {
  return [=](float, float y) { return Zmiesaj(hore, dole, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

// Blue rounded plate of the strip buttons under the pointer.
void Modra_doska(TPlatno& p) {
  const TTvar doska = [&](float x, float y) { return SD_ZaoblenyObdlznik(x, y, 0.5f, 0.5f, p.w - 0.5f, p.h - 0.5f, 3.5f); };
  p.Nanes(doska, MODRA_OKRAJ);
  p.Nanes(Rozsir(doska, -1.0f), Zvisly_prechod(MODRA_SVETLA, MODRA, 1, p.h - 1.0f));
}

// Glyph of a strip button: dark on the strip, white on the blue plate.
void Strip_tlacidlo(TPlatno& p, bool nad, const TTvar& znak) {
  if (nad) Modra_doska(p);
  p.Nanes(znak, nad ? BIELA : ATRAMENT);
}

TTvar Minus(float cx, float cy) {
  return [=](float x, float y) { return SD_Usecka(x, y, cx - 4, cy, cx + 4, cy, 2.2f); };
}

TTvar Plus(float cx, float cy) {
  return Zjednotenie({Minus(cx, cy), [=](float x, float y) { return SD_Usecka(x, y, cx, cy - 4, cx, cy + 4, 2.2f); }});
}

// Letter R as strokes, 4.5 wide and 6 high, its top-left corner at (x0, y0).
TTvar Pismeno_R(float x0, float y0, float hr) {
  const float pr = 1.5f;  // bowl radius
  return Zjednotenie({
      [=](float x, float y) { return SD_Usecka(x, y, x0, y0, x0, y0 + 6, hr); },
      [=](float x, float y) { return SD_Usecka(x, y, x0, y0, x0 + 2.2f, y0, hr); },
      [=](float x, float y) { return SD_Usecka(x, y, x0, y0 + 2 * pr, x0 + 2.2f, y0 + 2 * pr, hr); },
      [=](float x, float y) { return SD_Obluk(x, y, x0 + 2.2f, y0 + pr, pr, -1.5708f, 1.5708f, hr); },
      [=](float x, float y) { return SD_Usecka(x, y, x0 + 2.0f, y0 + 2 * pr, x0 + 4.3f, y0 + 6, hr); },
  });
}

// Letter S of two arcs, centred on (cx, cy), 7 high.
TTvar Pismeno_S(float cx, float cy, float hr) {
  const float r = 1.75f;
  return Zjednotenie({
      [=](float x, float y) { return SD_Obluk(x, y, cx, cy - r, r, 1.5708f, 1.5708f + 4.4f, hr); },
      [=](float x, float y) { return SD_Obluk(x, y, cx, cy + r, r, -1.5708f, -1.5708f + 4.4f, hr); },
  });
}

// Outline of the small screen frame that the two menu icons share, on pixel centres.
float Ramik(float x, float y) { return std::fabs(SD_ZaoblenyObdlznik(x, y, 2.5f, 1.5f, 14.5f, 13.5f, 1.5f)) - 0.55f; }

void Kresli_R_menu(TPlatno& p, bool nad) {
  Strip_tlacidlo(p, nad, Zjednotenie({Ramik, Pismeno_R(6.5f, 4.5f, 1.3f)}));
}

void Kresli_S_menu(TPlatno& p, bool nad) {
  const TTvar mriezka = [](float x, float y) {
    float d = Ramik(x, y);
    if (x > 2.5f && x < 14.5f && y > 1.5f && y < 13.5f) {
      for (float gx : {6.5f, 10.5f}) d = std::min(d, std::fabs(x - gx) - 0.5f);
      for (float gy : {5.5f, 9.5f}) d = std::min(d, std::fabs(y - gy) - 0.5f);
    }
    return d;
  };
  if (nad) Modra_doska(p);
  p.Nanes(mriezka, nad ? BIELA : ATRAMENT, 0.5f);
  p.Nanes(Ramik, nad ? BIELA : ATRAMENT);
  const TTvar s = Pismeno_S(8.5f, 7.5f, 1.5f);
  p.Nanes(Rozsir(s, 1.0f), nad ? MODRA : PAS);
  p.Nanes(s, nad ? BIELA : ATRAMENT);
}

TTvar Kriz(float cx, float cy, float r, float hr) {
  return Zjednotenie({[=](float x, float y) { return SD_Usecka(x, y, cx - r, cy - r, cx + r, cy + r, hr); },
                      [=](float x, float y) { return SD_Usecka(x, y, cx + r, cy - r, cx - r, cy + r, hr); }});
}

void Kresli_zavri(TPlatno& p, bool ram) {
  if (ram) {
    const TTvar doska = [&](float x, float y) { return SD_ZaoblenyObdlznik(x, y, 0.5f, 0.5f, p.w - 0.5f, p.h - 0.5f, 3.5f); };
    p.Nanes(doska, TFarba{120, 20, 24});
    p.Nanes(Rozsir(doska, -1.0f), Zvisly_prechod(TFarba{236, 84, 80}, TFarba{196, 38, 40}, 1, p.h - 1.0f));
  }
  p.Nanes(Kriz(p.w / 2.0f, p.h / 2.0f, 3.6f, 2.1f), ram ? BIELA : ATRAMENT);
}

// Chevron pointing left (vlavo) or right, with a dark outline to stand out on any view.
void Kresli_sipku(TPlatno& p, bool vlavo, TFarba farba) {
  const float cx = p.w / 2.0f, cy = p.h / 2.0f, hrot = vlavo ? cx - 2.6f : cx + 2.6f,
              chvost = vlavo ? cx + 2.2f : cx - 2.2f;
  const TTvar sipka = Zjednotenie({[=](float x, float y) { return SD_Usecka(x, y, chvost, cy - 6, hrot, cy, 3.0f); },
                                   [=](float x, float y) { return SD_Usecka(x, y, hrot, cy, chvost, cy + 6, 3.0f); }});
  p.Nanes(Rozsir(sipka, 1.3f), TMAVA);
  p.Nanes(sipka, farba);
}

void Kresli_info(TPlatno& p, TFarba pismeno) {
  const float c = p.w / 2.0f;
  p.Nanes([=](float x, float y) { return SD_Kruh(x, y, c, c, 20.2f); }, TMAVA, 0.8f);
  p.Nanes([=](float x, float y) { return SD_Kruh(x, y, c, c, 19.3f); }, BIELA);
  p.Nanes([=](float x, float y) { return SD_Kruh(x, y, c, c, 17.6f); },
          [=](float x, float y) {
            const float t = std::clamp(std::hypot(x - c + 6, y - c + 8) / 30.0f, 0.0f, 1.0f);
            return Zmiesaj(TFarba{96, 168, 252}, TFarba{18, 76, 188}, t);
          });
  const TTvar i = Zjednotenie({[=](float x, float y) { return SD_Kruh(x, y, c, 12.0f, 3.0f); },
                               [=](float x, float y) { return SD_ZaoblenyObdlznik(x, y, c - 2.6f, 17.0f, c + 2.6f, 32.0f, 1.2f); }});
  p.Nanes(Rozsir(i, 0.8f), TFarba{14, 50, 130}, 0.5f);
  p.Nanes(i, pismeno);
}

// Tall knob of the list's slider: a rounded bar with grip lines.
void Kresli_bezec(TPlatno& p, bool drzany) {
  const TTvar telo = [&](float x, float y) { return SD_ZaoblenyObdlznik(x, y, 1.5f, 0.5f, p.w - 1.5f, p.h - 0.5f, 4.0f); };
  const TFarba svetla = drzany ? TFarba{150, 196, 250} : TFarba{226, 228, 232};
  const TFarba tmava = drzany ? TFarba{44, 108, 214} : TFarba{150, 154, 162};
  p.Nanes(telo, drzany ? MODRA_OKRAJ : TFarba{82, 86, 96});
  p.Nanes(Rozsir(telo, -1.0f), [=](float x, float) {
    return Zmiesaj(svetla, tmava, std::clamp((x - 2.5f) / (p.w - 5.0f), 0.0f, 1.0f));
  });
  for (float gy : {p.h / 2.0f - 4, p.h / 2.0f, p.h / 2.0f + 4}) {
    p.Nanes([=](float x, float y) { return SD_Usecka(x, y, 7.5f, gy + 1, p.w - 7.5f, gy + 1, 1.1f); }, BIELA, 0.7f);
    p.Nanes([=](float x, float y) { return SD_Usecka(x, y, 7.5f, gy, p.w - 7.5f, gy, 1.1f); },
            drzany ? MODRA_OKRAJ : TFarba{88, 92, 100});
  }
}

// Scroll arrow button, up or down, normal or pressed.
void Kresli_tlacidlo_posunu(TPlatno& p, bool hore, bool stlacene) {
  const TTvar telo = [&](float x, float y) { return SD_ZaoblenyObdlznik(x, y, 0.5f, 0.5f, p.w - 0.5f, p.h - 0.5f, 3.5f); };
  p.Nanes(telo, stlacene ? MODRA_OKRAJ : TFarba{82, 86, 96});
  p.Nanes(Rozsir(telo, -1.0f), stlacene ? Zvisly_prechod(MODRA, MODRA_SVETLA, 1, p.h - 1.0f)
                                        : Zvisly_prechod(TFarba{236, 238, 242}, TFarba{184, 188, 196}, 1, p.h - 1.0f));
  const float cx = p.w / 2.0f, cy = p.h / 2.0f + (stlacene ? 0.7f : 0.0f);
  const std::vector<float> trojuholnik =
      hore ? std::vector<float>{cx, cy - 3.5f, cx + 5.5f, cy + 3.0f, cx - 5.5f, cy + 3.0f}
           : std::vector<float>{cx - 5.5f, cy - 3.0f, cx + 5.5f, cy - 3.0f, cx, cy + 3.5f};
  p.Nanes([=](float x, float y) { return SD_Mnohouholnik(x, y, trojuholnik) - 0.3f; }, stlacene ? BIELA : ATRAMENT);
}

// Track of the list's slider: a checkered tile that repeats every 56 rows.
void Kresli_pas(TPlatno& p) {
  for (int y = 0; y < p.h; y++)
    for (int x = 0; x < p.w; x++) {
      const size_t i = (size_t)y * p.w + x;
      TFarba c = ((x - 2) / 4 + y / 4) % 2 ? TFarba{70, 75, 86} : TFarba{92, 98, 110};
      if (x < 2 || x >= p.w - 2) c = TFarba{44, 47, 55};
      p.r[i] = c.r;
      p.g[i] = c.g;
      p.b[i] = c.b;
      p.a[i] = 1;
    }
}

// The pointer: a hand with the index finger up; its tip is the hot spot, 7 columns in.
TTvar Ruka() {
  return Zjednotenie({
      [](float x, float y) { return SD_Usecka(x, y, 7.5f, 2.6f, 7.5f, 11.0f, 3.4f); },
      [](float x, float y) { return SD_Usecka(x, y, 10.6f, 8.6f, 10.6f, 11.5f, 3.0f); },
      [](float x, float y) { return SD_Usecka(x, y, 13.3f, 9.4f, 13.3f, 12.0f, 2.8f); },
      [](float x, float y) { return SD_Usecka(x, y, 15.5f, 10.6f, 15.5f, 12.5f, 2.4f); },
      [](float x, float y) { return SD_ZaoblenyObdlznik(x, y, 5.8f, 10.0f, 16.8f, 18.4f, 2.6f); },
      [](float x, float y) { return SD_Usecka(x, y, 2.6f, 10.8f, 6.6f, 15.4f, 3.2f); },
  });
}

void Kresli_kurzor(TPlatno& p, TFarba farba, TFarba tien) {
  const TTvar ruka = Ruka();
  p.Nanes(Rozsir(ruka, 1.1f), TMAVA);
  p.Nanes(ruka, Zvisly_prechod(farba, tien, 4, 18));
  // the gaps between the folded fingers
  const float medzery[3][2] = {{9.5f, 8.5f}, {12.5f, 9.5f}, {14.5f, 10.5f}};
  for (const auto& m : medzery)
    p.Nanes([=](float x, float y) { return SD_Usecka(x, y, m[0], m[1], m[0], 12.5f, 1.0f); }, Zmiesaj(tien, TMAVA, 0.4f));
}

struct TSprite {
  int XL, YH, XP, YD;
  std::function<void(TPlatno&)> kresli;
  TFarba matne;  // what the sprite is expected to lie on, for its soft edges
  float prah;    // coverage below which a pixel stays transparent
};

std::vector<TSprite> Sprity() {
  const float PRAH = 0.3f;
  return {
      {1, 50, 19, 70, [](TPlatno& p) { Kresli_kurzor(p, BIELA, TFarba{214, 218, 226}); }, TMAVA, 0.35f},
      {20, 50, 38, 70, [](TPlatno& p) { Kresli_kurzor(p, PURPUROVA, TFarba{180, 30, 160}); }, TMAVA, 0.35f},
      {1, 1, 18, 16, [](TPlatno& p) { Strip_tlacidlo(p, false, Minus(8.5f, 7.5f)); }, PAS, PRAH},
      {1, 17, 18, 32, [](TPlatno& p) { Strip_tlacidlo(p, true, Minus(8.5f, 7.5f)); }, PAS, PRAH},
      {19, 1, 36, 16, [](TPlatno& p) { Strip_tlacidlo(p, false, Plus(8.5f, 7.5f)); }, PAS, PRAH},
      {19, 17, 36, 32, [](TPlatno& p) { Strip_tlacidlo(p, true, Plus(8.5f, 7.5f)); }, PAS, PRAH},
      {37, 1, 54, 16, [](TPlatno& p) { Kresli_R_menu(p, false); }, PAS, PRAH},
      {37, 17, 54, 32, [](TPlatno& p) { Kresli_R_menu(p, true); }, PAS, PRAH},
      {55, 1, 72, 16, [](TPlatno& p) { Kresli_S_menu(p, false); }, PAS, PRAH},
      {55, 17, 72, 32, [](TPlatno& p) { Kresli_S_menu(p, true); }, PAS, PRAH},
      {73, 1, 89, 16, [](TPlatno& p) { Kresli_zavri(p, false); }, PAS, PRAH},
      {73, 17, 89, 32, [](TPlatno& p) { Kresli_zavri(p, true); }, PAS, PRAH},
      {90, 1, 103, 20, [](TPlatno& p) { Kresli_sipku(p, true, BIELA); }, TMAVA, 0.35f},
      {104, 1, 116, 20, [](TPlatno& p) { Kresli_sipku(p, true, SIVA); }, TMAVA, 0.35f},
      {117, 1, 130, 20, [](TPlatno& p) { Kresli_sipku(p, true, PURPUROVA); }, TMAVA, 0.35f},
      {131, 1, 144, 20, [](TPlatno& p) { Kresli_sipku(p, false, BIELA); }, TMAVA, 0.35f},
      {145, 1, 158, 20, [](TPlatno& p) { Kresli_sipku(p, false, SIVA); }, TMAVA, 0.35f},
      {159, 1, 172, 20, [](TPlatno& p) { Kresli_sipku(p, false, PURPUROVA); }, TMAVA, 0.35f},
      {165, 59, 208, 102, [](TPlatno& p) { Kresli_info(p, BIELA); }, TMAVA, 0.35f},
      {209, 59, 252, 102, [](TPlatno& p) { Kresli_info(p, TFarba{110, 236, 120}); }, TMAVA, 0.35f},
      {175, 1, 200, 58, [](TPlatno& p) { Kresli_bezec(p, false); }, TFarba{80, 84, 94}, 0.5f},
      {201, 1, 226, 58, [](TPlatno& p) { Kresli_bezec(p, true); }, TFarba{80, 84, 94}, 0.5f},
      {39, 50, 64, 67, [](TPlatno& p) { Kresli_tlacidlo_posunu(p, true, false); }, TFarba{80, 84, 94}, 0.5f},
      {65, 50, 90, 67, [](TPlatno& p) { Kresli_tlacidlo_posunu(p, true, true); }, TFarba{80, 84, 94}, 0.5f},
      {91, 50, 116, 67, [](TPlatno& p) { Kresli_tlacidlo_posunu(p, false, false); }, TFarba{80, 84, 94}, 0.5f},
      {117, 50, 142, 67, [](TPlatno& p) { Kresli_tlacidlo_posunu(p, false, true); }, TFarba{80, 84, 94}, 0.5f},
      {227, 1, 252, 57, Kresli_pas, TFarba{0, 0, 0}, 0.5f},
  };
}

// Row colours of the navigation strip, read by the viewer from column 85, rows 34…48.
const int STRIP_X = 85, STRIP_Y = 34;
const uint8_t STRIP_SIVE[15] = {159, 184, 175, 168, 166, 162, 159, 155, 151, 148, 143, 140, 136, 132, 0};

// A picture pixel that the 16-bit surface would turn into a key colour would cut a phase
// short or punch a hole into it: move it one step away.
void Odklon_od_klucov(TRgbPicture& pic, const TSprite& s) {
  for (int y = s.YH; y < s.YD; y++)
    for (int x = s.XL; x < s.XP; x++) {
      const uint8_t* c = pic.At(x, y);
      if (c[0] == 0 && c[1] == 255 && c[2] == 255) continue;  // meant to be transparent
      const uint16_t v = PLAT_Pack565(c[0], c[1], c[2]);
      if (v == PLAT_Pack565(255, 0, 0)) pic.Set(x, y, c[0], 8, c[2]);
      if (v == PLAT_Pack565(0, 255, 255)) pic.Set(x, y, 8, c[1], c[2]);
    }
}

}  // namespace

int main(int argc, char** argv) {
  const char* vystup = argc > 1 ? argv[1] : "resources/REZIA_PAN.BMP";
  TRgbPicture pic(SHEET_W, SHEET_H);
  for (int y = 0; y < SHEET_H; y++)
    for (int x = 0; x < SHEET_W; x++) pic.Set(x, y, 255, 0, 0);
  for (const TSprite& s : Sprity()) {
    TPlatno p(s.XP - s.XL, s.YD - s.YH);
    s.kresli(p);
    p.Poloz(pic, s.XL, s.YH, s.matne, TYRKYS, s.prah);
    Odklon_od_klucov(pic, s);
  }
  for (int i = 0; i < 15; i++) pic.Set(STRIP_X, STRIP_Y + i, STRIP_SIVE[i], STRIP_SIVE[i], STRIP_SIVE[i]);
  // the viewer reads its border colour at (0, 0) and its transparent colour at (3, 3)
  const uint8_t* ram = pic.At(0, 0);
  const uint8_t* priesvitna = pic.At(3, 3);
  if (ram[0] != 255 || ram[1] || ram[2] || priesvitna[0] || priesvitna[1] != 255 || priesvitna[2] != 255) {
    std::fprintf(stderr, "gen_sheet: key pixels are wrong\n");
    return 1;
  }
  if (!BMP24_Zapis(pic, vystup)) {
    std::fprintf(stderr, "gen_sheet: cannot write %s\n", vystup);
    return 1;
  }
  return 0;
}
