// Pointer events of the option panel: hover, press, collection of the choice.
#include "panel_fixture.h"
#include "panels/dui.h"

namespace {

// Two items with explicit rectangles inside a background of (10, 10)–(200, 100).
void DvePolozky(CDUI& p) {
  p.podkl_rect = RECT{10, 10, 200, 100};
  p.PRIDAJ("prvá", 7, RECT{20, 20, 100, 40}, 0, 0);
  p.PRIDAJ("druhá", 8, RECT{20, 50, 100, 70}, 0, 0);
  p.viditelny = 1;
}

}  // namespace

class DuiEvents : public PanelTest {};

TEST_F(DuiEvents, InclusiveEdges) {
  struct {
    int x, y;
    int vystup_2;
    unsigned char odpoved;
  } const pripady[] = {
      {20, 20, 0, 1},   {100, 40, 0, 1},  // all four item bounds count
      {101, 40, -1, 1}, {100, 41, -1, 1},  // just beside: the panel, but no item
      {60, 50, 1, 1},   {200, 100, -1, 1},  // the background's corner is still the panel
      {201, 100, -1, 0}, {9, 50, -1, 0},
  };
  for (const auto& c : pripady) {
    CDUI p;
    DvePolozky(p);
    EXPECT_EQ(p.INFORMUJ_SA(c.x, c.y, 0), c.odpoved) << c.x << "," << c.y;
    EXPECT_EQ(p.vystup_2, c.vystup_2) << c.x << "," << c.y;
    for (int i = 0; i < 2; i++) EXPECT_EQ(p.VOL[i].stav, i == c.vystup_2 ? 1 : 0);
  }
}

TEST_F(DuiEvents, EventCodes) {
  struct {
    int mtlac, stav, vystup;
  } const pripady[] = {
      {0, 1, 0}, {1, 2, 8}, {-1, 0, 0}, {2, 1, 108}, {5, 0, 0},
  };
  for (const auto& c : pripady) {
    CDUI p;
    DvePolozky(p);
    p.INFORMUJ_SA(30, 60, c.mtlac);
    EXPECT_EQ(p.VOL[1].stav, c.stav) << c.mtlac;
    EXPECT_EQ(p.vystup, c.vystup) << c.mtlac;
    EXPECT_EQ(p.vystup_2, 1);
  }
}

TEST_F(DuiEvents, OverlappingItemsLastWins) {
  CDUI p;
  p.podkl_rect = RECT{0, 0, 100, 100};
  p.PRIDAJ("a", 1, RECT{10, 10, 50, 50}, 0, 0);
  p.PRIDAJ("b", 2, RECT{30, 30, 80, 80}, 0, 0);
  p.PRIDAJ("c", 3, RECT{60, 60, 90, 90}, 0, 0);
  p.viditelny = 1;
  EXPECT_EQ(p.INFORMUJ_SA(40, 40, 1), 1);
  EXPECT_EQ(p.vystup_2, 1);
  EXPECT_EQ(p.vystup, 2);
  EXPECT_EQ(p.VOL[0].stav, 2);
  EXPECT_EQ(p.VOL[1].stav, 2);
  EXPECT_EQ(p.VOL[2].stav, 0);
}

TEST_F(DuiEvents, PressedItemKeepsItsLookUntilCollected) {
  CDUI p;
  DvePolozky(p);
  p.INFORMUJ_SA(30, 25, 0);
  p.INFORMUJ_SA(30, 25, 1);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 2);
  p.INFORMUJ_SA(31, 55, 0);  // another item is not highlighted either while a choice waits
  EXPECT_EQ(p.VOL[0].stav, 0);
  EXPECT_EQ(p.VOL[1].stav, 0);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 0);

  int vyber = -5;
  EXPECT_EQ(p.INFORMUJ_MA(&vyber), 1);
  EXPECT_EQ(vyber, 7);
  EXPECT_EQ(p.vystup, 0);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 1);

  vyber = -5;
  EXPECT_EQ(p.INFORMUJ_MA(&vyber), 0);
  EXPECT_EQ(vyber, -5);
}

TEST_F(DuiEvents, SecondPressOverwritesThePendingChoice) {
  CDUI p;
  DvePolozky(p);
  p.INFORMUJ_SA(30, 25, 1);
  p.INFORMUJ_SA(30, 55, 1);
  int vyber = 0;
  EXPECT_EQ(p.INFORMUJ_MA(&vyber), 1);
  EXPECT_EQ(vyber, 8);
}

TEST_F(DuiEvents, LeavingThePanelClearsEveryHighlight) {
  CDUI p;
  DvePolozky(p);
  p.INFORMUJ_SA(30, 25, 1);
  EXPECT_EQ(p.INFORMUJ_SA(500, 500, 0), 0);
  EXPECT_EQ(p.VOL[0].stav, 0);
  EXPECT_EQ(p.vystup_2, -1);
  EXPECT_EQ(p.vystup, 7);  // the choice itself waits to be collected
}

TEST_F(DuiEvents, HiddenOrDisabledPanelIgnoresEvents) {
  for (int pripad = 0; pripad < 2; pripad++) {
    CDUI p;
    DvePolozky(p);
    p.INFORMUJ_SA(30, 25, 0);
    if (pripad == 0) p.viditelny = 0;
    if (pripad == 1) p.disablovany = 1;
    EXPECT_EQ(p.INFORMUJ_SA(30, 55, 1), 0);
    EXPECT_EQ(p.vystup, 0);
    EXPECT_EQ(p.vystup_2, 0);
    EXPECT_EQ(p.VOL[0].stav, 1);
    EXPECT_EQ(p.VOL[1].stav, 0);
  }
}

TEST_F(DuiEvents, DisplacedPanel) {
  CDUI p;
  DvePolozky(p);
  p.Pmod = 1;
  p.Px = 300;
  p.Py = 5;
  EXPECT_EQ(p.INFORMUJ_SA(30, 25, 1), 0);
  EXPECT_EQ(p.INFORMUJ_SA(330, 30, 1), 1);
  EXPECT_EQ(p.vystup, 7);
}
