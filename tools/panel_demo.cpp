// Draws the viewer's display-mode menu and a scrolled panorama list, dressed as the viewer
// dresses them, over a patterned background and writes them as BMP pictures for a look.
// Usage: panel_demo [folder]   (default /tmp): panel_menu.bmp, panel_list.bmp
#include <cstdio>
#include <cstring>
#include <string>

#include "app/ui.h"
#include "display/screen.h"
#include "panels/duir.h"
#include "platform/backend.h"
#include "toolkit/ddutil.h"
#include "tools/plocha.h"

namespace {

uint32_t Krajina(int x, int y) {
  return PLAT_Pack8888((BYTE)(60 + x % 200 / 2), (BYTE)(90 + y % 300 / 3), (BYTE)(120 + (x + y) % 120));
}

bool Zapis(IDirectDrawSurface* s, const std::string& cesta) {
  const bool ok = BMP24_Zapis(PANEL_Obraz(s), cesta.c_str());
  std::printf("%s %s\n", ok ? "wrote" : "could not write", cesta.c_str());
  return ok;
}

void Styl(CDUI& p, IDirectDrawSurface* s, HBRUSH modry, HBRUSH cerveny, HFONT font) {
  p.viditelny = 1;
  p.SRF_PTR = s;
  p.podkl_typ = 1;
  p.Select_mod = 3;
  p.stet_vybr = modry;
  p.stet_aktiv = cerveny;
  p.font_hnd = font;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string priecinok = argc > 1 ? argv[1] : "/tmp";
  PLAT_Init(PLAT_MEMORY, TPlatOptions());
  IDirectDraw* dd = nullptr;
  if (DirectDrawCreate(nullptr, &dd, nullptr) != DD_OK) return 1;
  IDirectDrawSurface* zadna = DDVytvor_povrch(dd, 800, 600);
  if (zadna == nullptr) return 1;
  HBRUSH modry = CreateSolidBrush(RGB(60, 60, 255));
  HBRUSH cerveny = CreateSolidBrush(RGB(255, 60, 60));
  HFONT font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  int chyby = 0;
  {
    PANEL_Namaluj(zadna, Krajina);
    CDUI menu;
    Styl(menu, zadna, modry, cerveny, font);
    menu.font_sir = 10;
    const char* texty[] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024", "<Zavriet>"};
    const int idy[] = {2, 3, 4, 5, 100};
    for (int i = 0; i < 5; i++) menu.PRIDAJ(texty[i], idy[i]);
    menu.a = 30;
    menu.b = 32;
    menu.c = 170;
    menu.d = 10;
    menu.e = 6;
    menu.RESET_GEOMETRIE(2);
    const RECT& r1 = menu.VOL[1].rect;
    menu.INFORMUJ_SA(r1.left + 20, r1.top + 10, 0);
    menu.VOL[3].stav = 2;
    menu.ZOBRAZ();
    chyby += !Zapis(zadna, priecinok + "/panel_menu.bmp");
  }
  {
    PANEL_Namaluj(zadna, Krajina);
    CDas_Surface harok;
    harok.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
    harok.BC_NASTAV(0, 0);
    harok.TC_NASTAV(3, 3);
    const char* mena[] = {"Bratislavský hrad", "Štrbské pleso", "Košice – Dóm sv. Alžbety", "Devín",
                          "Žilina námestie", "Ľubovňa", "Banská Štiavnica", "Čachtice", "Bojnice",
                          "Orava", "Spišský hrad", "Zemplínska šírava"};
    CDas_Surface nahlady[12];
    CIcon ikony[12];
    CDUIR zoznam;
    Styl(zoznam, zadna, modry, cerveny, font);
    for (int i = 0; i < 12; i++) {
      nahlady[i].SURFACE = DDVytvor_povrch(dd, 100, 25);
      nahlady[i].srf_sir = 100;
      nahlady[i].srf_vys = 25;
      PANEL_Namaluj(nahlady[i].SURFACE, [i](int x, int y) {
        return PLAT_Pack8888((BYTE)(y < 12 ? 120 + i * 10 : 40), (BYTE)(y < 12 ? 170 : 90 + x), (BYTE)(y < 12 ? 240 : 50));
      });
      ikony[i].Das_Surface = &nahlady[i];
      ikony[i].EVIDUJ_CS();
      zoznam.PRIDAJ2(mena[i], i + 1, i % 5 == 4 ? -1 : i);
    }
    zoznam.PRIDAJ("<Zavriet>", 100);
    Rozloz_zoznam(zoznam);
    zoznam.ICON = ikony;
    zoznam.ICON_pocet = 12;
    Prevezmi_ovladace_zoznamu(zoznam, &harok);
    zoznam.RESET_GEOMETRIER();
    // Three events on the held down arrow (a row and a half), then the pointer over a row.
    const int ax = zoznam.tlacB_.x + 5, ay = zoznam.tlacB_.y + 5;
    zoznam.INFORMUJ_SA(ax, ay, 0);
    zoznam.INFORMUJ_SA(ax, ay, 1);
    zoznam.INFORMUJ_SA(ax, ay, 0);
    zoznam.INFORMUJ_SA(ax, ay, 0);
    zoznam.INFORMUJ_SA(ax, ay, -1);
    zoznam.INFORMUJ_SA(zoznam.LH + 150, zoznam.VOL[2].rect.top + 10, 0);
    zoznam.ZOBRAZ();
    chyby += !Zapis(zadna, priecinok + "/panel_list.bmp");
    for (CDas_Surface& n : nahlady) n.SURFACE->Release();
    if (harok.SURFACE != nullptr) harok.SURFACE->Release();
  }
  DeleteObject(modry);
  DeleteObject(cerveny);
  DeleteObject(font);
  zadna->Release();
  dd->Release();
  PLAT_Shutdown();
  return chyby;
}
