// The list panel's construction and its entries.
#include "panels/dui_text.h"
#include "panels/duir.h"

CDUIR::CDUIR()
    : Rol_poc_zobr(5),
      Rol_mod(0),
      Rol_pos(0),
      Rol_max(0),
      f2(50),
      text_VYSKA(20),
      text_ZAROVNANIE('C'),
      VOLR_pocet(0),
      VOLR_kapacita(VOLR_MAX) {
  posuv_.viditelny = 0;
  tlacA_.viditelny = 0;
  tlacB_.viditelny = 0;
  ipruh_.viditelny = 0;
}

CDUIR::~CDUIR() { VYMAZ(); }

void CDUIR::PRIDAJ(const char* ttext, int IID) { PRIDAJ2(ttext, IID, -1); }

void CDUIR::PRIDAJ2(const char* ttext, int IID, int iicon) {
  if (VOLR_pocet >= VOLR_kapacita) {
    OutputDebugStringA("CDUIR: list full, entry refused\n");
    return;
  }
  VOLR.push_back(TVOLBAR{IID, DUI_Kopia_textu(ttext), iicon});
  VOLR_pocet++;
}

// Rows still showing the entry's label let go of it before it is freed.
void CDUIR::Uvolni_polozku(int j) {
  Odpoj_zdielany_text(VOLR[j].text);
  DUI_Uvolni_kopiu(VOLR[j].text);
  VOLR[j].text = nullptr;
}

void CDUIR::ODOBER() {
  if (VOLR_pocet <= 0) return;
  VOLR_pocet--;
  Uvolni_polozku(VOLR_pocet);
  VOLR.pop_back();
}

void CDUIR::VYMAZ() {
  while (VOLR_pocet > 0) ODOBER();
}
