// The list's entries: capacity and the lifetime of the labels that rows share.
#include "list_fixture.h"

class DuirEntries : public ListTest {};

TEST_F(DuirEntries, FiftyFirstEntryIsRefused) {
  CDUIR z;
  for (int i = 0; i < 50; i++) z.PRIDAJ("x", i);
  z.PRIDAJ("navyše", 99);
  z.PRIDAJ2("navyše", 99, 3);
  EXPECT_EQ(z.VOLR_pocet, 50);
  EXPECT_EQ(z.VOLR[49].ID, 49);
  Zostav(z, 0);
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_max, 42 * 32);
  z.RESET(z.Rol_max);
  EXPECT_EQ(z.VOL[7].ID, 49);
}

TEST_F(DuirEntries, RemovedEntriesLeaveNoDanglingRows) {
  // Under AddressSanitizer a row still pointing at a freed label would be caught drawing.
  CDUIR z;
  Zostav(z, 12);
  z.RESET_GEOMETRIER();
  z.RESET(45);
  for (int i = 0; i < 6; i++) z.ODOBER();
  z.ZOBRAZ();
  for (int i = 0; i < z.VOL_pocet; i++) {
    if (z.VOL[i].ID > 6) {
      EXPECT_EQ(z.VOL[i].text, nullptr) << i;
    }
  }
  z.VYMAZ();
  z.ZOBRAZ();
  for (int i = 0; i < CDUI::VOL_MAX; i++) EXPECT_EQ(z.VOL[i].text, nullptr);
}

TEST_F(DuirEntries, RelayoutAndScrollingFreeEveryCopy) {
  // LeakSanitizer checks that the copies of the plain form are freed when rows change.
  CDUIR z;
  Zostav(z, 8);
  for (int kolo = 0; kolo < 20; kolo++) {
    z.RESET_GEOMETRIER();
    z.PRIDAJ("navyše", 9);
    z.RESET_GEOMETRIER();
    for (int pos = 0; pos <= 32; pos++) z.RESET(pos);
    z.ODOBER();
  }
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 0);
  EXPECT_EQ(z.VOL_pocet, 8);
}

TEST_F(DuirEntries, ListLargerThanTheScreenDrawsSafely) {
  Obrazovka(320, 200);
  IDirectDrawSurface* maly = Plocha(320, 200, 0);
  for (int pocet : {5, 9, 30}) {
    Vypln(maly, 0);
    CDUIR z;
    Zostav(z, pocet);
    z.SRF_PTR = maly;
    z.RESET_GEOMETRIER();
    for (int pos : {0, 17, 100000}) {
      z.RESET(pos);
      z.ZOBRAZ();
    }
    EXPECT_GE(Atrament(maly, 0).right, 0) << pocet;
  }
}
