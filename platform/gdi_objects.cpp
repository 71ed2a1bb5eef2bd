// GDI objects: brushes, pens, stock objects, deletion and the count of live objects.
#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "platform/gdi_internal.h"

namespace {
// Made on first use and never destroyed: the program's global objects (the panels) create
// pens while it loads and delete them while it exits, around the lifetime of this file's globals.
std::unordered_set<const TGdiObject*>& Live() {
  static auto* const live = new std::unordered_set<const TGdiObject*>();
  return *live;
}
// Deleted while still selected somewhere: freed when the last context lets go.
std::vector<TGdiObject*>& Pending() {
  static auto* const pending = new std::vector<TGdiObject*>();
  return *pending;
}

template <typename T>
T* Stock(T* obj) {
  obj->stock = true;
  return obj;
}

TGdiBrush* MakeBrush(COLORREF c, bool hollow) {
  TGdiBrush* b = new TGdiBrush();
  b->color = c & 0xFFFFFF;
  b->hollow = hollow;
  return b;
}

TGdiPen* MakePen(int style, int width, COLORREF c) {
  TGdiPen* p = new TGdiPen();
  p->style = style;
  p->width = std::min(std::max(1, width), 255);  // wider is no pen anyone draws with
  p->color = c & 0xFFFFFF;
  return p;
}

// Made once, never deleted; indexed by the GetStockObject numbers.
TGdiObject* const* StockTable() {
  static TGdiObject* const table[] = {
      Stock(MakeBrush(RGB(255, 255, 255), false)), Stock(MakeBrush(RGB(192, 192, 192), false)),
      Stock(MakeBrush(RGB(128, 128, 128), false)), Stock(MakeBrush(RGB(64, 64, 64), false)),
      Stock(MakeBrush(RGB(0, 0, 0), false)),       Stock(MakeBrush(0, true)),
      Stock(MakePen(PS_SOLID, 1, RGB(255, 255, 255))), Stock(MakePen(PS_SOLID, 1, 0)),
      Stock(MakePen(PS_NULL, 1, 0))};
  return table;
}
const int kStockCount = 9;

bool IsStock(const TGdiObject* obj) {
  TGdiObject* const* t = StockTable();
  return std::find(t, t + kStockCount, obj) != t + kStockCount || obj == GDI_StockFont() ||
         obj == GDI_StockBitmap();
}

void Free(TGdiObject* obj) {
  if (TGdiFont* f = dynamic_cast<TGdiFont*>(obj)) GDI_FontClose(f);
  delete obj;
}
}  // namespace

void GDI_Register(TGdiObject* obj) { Live().insert(obj); }

bool GDI_IsObject(const TGdiObject* obj) { return obj && (Live().count(obj) || IsStock(obj)); }

void GDI_Deselected(TGdiObject* obj) {
  std::vector<TGdiObject*>& pending = Pending();
  auto it = std::find(pending.begin(), pending.end(), obj);
  if (it == pending.end() || GDI_IsSelected(obj)) return;
  pending.erase(it);
  Free(obj);
}

HBITMAP GDI_StockBitmap() {
  static TGdiBitmap* const bm = [] {
    TGdiBitmap* b = Stock(new TGdiBitmap());
    b->width = b->height = 1;
    b->bits = 1;
    b->px.assign(1, 0);
    return b;
  }();
  return bm;
}

HGDIOBJ GetStockObject(int which) {
  if (which == SYSTEM_FONT) return GDI_StockFont();
  if (which < 0 || which >= kStockCount) return nullptr;
  return StockTable()[which];
}

HBRUSH CreateSolidBrush(COLORREF color) {
  TGdiBrush* b = MakeBrush(color, false);
  GDI_Register(b);
  return b;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  TGdiPen* p = MakePen(style, width, color);
  GDI_Register(p);
  return p;
}

BOOL DeleteObject(HGDIOBJ obj) {
  if (!obj) return FALSE;
  if (IsStock(obj)) return TRUE;  // stock objects stay
  if (!Live().erase(obj)) return FALSE;  // unknown or already deleted
  if (GDI_IsSelected(obj))
    Pending().push_back(obj);
  else
    Free(obj);
  return TRUE;
}

int PLAT_GdiLiveObjects() { return (int)Live().size() + GDI_MemoryDCCount(); }

int GetObjectA(HGDIOBJ obj, int size, void* out) {
  const TGdiBitmap* bm = GDI_IsObject(obj) ? dynamic_cast<const TGdiBitmap*>(obj) : nullptr;
  if (!bm) return 0;
  if (!out) return (int)sizeof(BITMAP);
  if (size < (int)sizeof(BITMAP)) return 0;
  BITMAP b;
  std::memset(&b, 0, sizeof(b));
  b.bmWidth = bm->width;
  b.bmHeight = bm->height;
  b.bmWidthBytes = bm->width * 4;  // the pixels as held: 32 bits each
  b.bmPlanes = 1;
  b.bmBitsPixel = 32;
  b.bmBits = const_cast<uint32_t*>(bm->px.data());
  std::memcpy(out, &b, sizeof(b));
  return (int)sizeof(BITMAP);
}
