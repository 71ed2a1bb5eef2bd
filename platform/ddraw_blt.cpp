// Blt and BltFast: scaled and unscaled copies, colour fill, mirror, source key, constant alpha.
#include <algorithm>
#include <cstring>

#include "platform/ddraw_internal.h"
#include "platform/fault.h"

namespace {
// Coordinates beyond this are a broken caller; refusing them keeps the scaling arithmetic exact.
const LONG kMaxCoord = 1 << 24;

struct TCopy {
  IDirectDrawSurface* dst;
  RECT dr;
  const IDirectDrawSurface* src;
  RECT sr;
  bool mirror;
  bool keyed;
  int alpha;  // < 0: plain copy
};

bool SaneRect(const RECT& r) {
  return r.left <= r.right && r.top <= r.bottom && r.left >= -kMaxCoord && r.top >= -kMaxCoord &&
         r.right <= kMaxCoord && r.bottom <= kMaxCoord;
}

RECT Whole(const IDirectDrawSurface* s) { return RECT{0, 0, s->width, s->height}; }

template <class D, class S>
void CopyRow(typename D::T* d, const typename S::T* srow, const int* cols, int n, bool identity, const TCopy& c) {
  typedef typename S::T ST;
  const ST key = (ST)c.src->key;
  const bool same_format = D::kBits == S::kBits;
  if (identity) {
    const ST* s = srow + cols[0];
    if (same_format && !c.keyed && c.alpha < 0) {
      std::memmove(d, s, (size_t)n * sizeof(ST));
    } else if (c.alpha < 0) {
      for (int i = 0; i < n; i++)
        if (!c.keyed || !PLAT_SameColour<S>(s[i], key)) d[i] = PLAT_Take<D, S>(s[i]);
    } else {
      for (int i = 0; i < n; i++)
        if (!c.keyed || !PLAT_SameColour<S>(s[i], key)) d[i] = D::Blend(PLAT_Take<D, S>(s[i]), d[i], c.alpha);
    }
    return;
  }
  for (int i = 0; i < n; i++) {
    const ST p = srow[cols[i]];
    if (c.keyed && PLAT_SameColour<S>(p, key)) continue;
    d[i] = c.alpha < 0 ? PLAT_Take<D, S>(p) : D::Blend(PLAT_Take<D, S>(p), d[i], c.alpha);
  }
}

template <class D, class S>
void CopyRows(const TCopy& c, const uint8_t* base, const std::vector<int>& cols, const std::vector<int>& rows, int x0,
              int y0, bool identity, bool bottom_first) {
  const int n = (int)cols.size();
  const size_t m = rows.size();
  for (size_t j = 0; j < m; j++) {
    const size_t k = bottom_first ? m - 1 - j : j;
    const typename S::T* srow = reinterpret_cast<const typename S::T*>(base + (size_t)rows[k] * c.src->pitch);
    CopyRow<D, S>(DDI_Row<D>(c.dst, y0 + (int)k) + x0, srow, cols.data(), n, identity, c);
  }
}

void Copy(const TCopy& c) {
  static std::vector<int> cols, rows;
  int x0 = 0, y0 = 0;
  if (!DDI_MapAxis(c.dr.left, c.dr.right, c.dst->width, c.sr.left, c.sr.right, c.src->width, c.mirror, &cols, &x0))
    return;
  if (!DDI_MapAxis(c.dr.top, c.dr.bottom, c.dst->height, c.sr.top, c.sr.bottom, c.src->height, false, &rows, &y0))
    return;
  const bool identity = !c.mirror && c.dr.right - c.dr.left == c.sr.right - c.sr.left;
  const bool plain_rows = c.dr.bottom - c.dr.top == c.sr.bottom - c.sr.top;
  // Within one surface only a plain shifted copy may read the live pixels (memmove, rows in a
  // safe order); anything else reads a snapshot, so no pixel is read after it was written.
  std::vector<uint32_t> snapshot;
  const uint8_t* base = reinterpret_cast<const uint8_t*>(c.src->pixels.data());
  const bool same = c.src == c.dst;
  if (same && !(identity && plain_rows && !c.keyed && c.alpha < 0)) {
    snapshot = c.src->pixels;
    base = reinterpret_cast<const uint8_t*>(snapshot.data());
  }
  const bool bottom_first = same && snapshot.empty() && rows.front() < y0;
  DDI_PerFormat(c.dst->bits, [&](auto d) {
    DDI_PerFormat(c.src->bits, [&](auto s) {
      CopyRows<decltype(d), decltype(s)>(c, base, cols, rows, x0, y0, identity, bottom_first);
    });
  });
  DDI_Touched(c.dst);
}

void Fill(IDirectDrawSurface* s, const RECT& r, DWORD value) {
  const LONG l = std::max<LONG>(r.left, 0), t = std::max<LONG>(r.top, 0);
  const LONG rr = std::min<LONG>(r.right, s->width), b = std::min<LONG>(r.bottom, s->height);
  if (l >= rr || t >= b) return;
  DDI_PerFormat(s->bits, [&](auto f) {
    typedef decltype(f) P;
    for (LONG y = t; y < b; y++) std::fill_n(DDI_Row<P>(s, y) + l, rr - l, (typename P::T)value);
  });
  DDI_Touched(s);
}

HRESULT CheckPair(const IDirectDrawSurface* dst, const IDirectDrawSurface* src) {
  if (dst->lost) return DDERR_SURFACELOST;
  if (!DDI_IsLive(src)) return DDERR_INVALIDPARAMS;
  if (src->lost) return DDERR_SURFACELOST;
  if (dst->locked || dst->dc_out || src->locked || src->dc_out) return DDERR_SURFACEBUSY;
  return DD_OK;
}
}  // namespace

HRESULT IDirectDrawSurface::Blt(RECT* dst, IDirectDrawSurface* src, RECT* srcRect, DWORD flags, DDBLTFX* fx) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_Blt, &code)) return code;
  const RECT dr = dst ? *dst : Whole(this);
  if (!SaneRect(dr)) return DDERR_INVALIDPARAMS;
  if (flags & DDBLT_COLORFILL) {
    if (!fx) return DDERR_INVALIDPARAMS;
    if (lost) return DDERR_SURFACELOST;
    if (locked || dc_out) return DDERR_SURFACEBUSY;
    Fill(this, dr, fx->dwFillColor);
    return DD_OK;
  }
  if (!src) return DDERR_INVALIDPARAMS;
  const HRESULT hr = CheckPair(this, src);
  if (hr != DD_OK) return hr;
  const RECT sr = srcRect ? *srcRect : Whole(src);
  if (!SaneRect(sr)) return DDERR_INVALIDPARAMS;
  if (((flags & (DDBLT_DDFX | DDBLT_ALPHASRCCONSTOVERRIDE)) != 0) && !fx) return DDERR_INVALIDPARAMS;
  TCopy c{this, dr, src, sr, false, false, -1};
  c.mirror = (flags & DDBLT_DDFX) && (fx->dwDDFX & DDBLTFX_MIRRORLEFTRIGHT);
  c.keyed = (flags & DDBLT_KEYSRC) && src->has_key;
  if (flags & DDBLT_ALPHASRCCONSTOVERRIDE) c.alpha = (int)std::min<DWORD>(fx->dwAlphaSrcConst, 255);
  Copy(c);
  return DD_OK;
}

HRESULT IDirectDrawSurface::BltFast(DWORD x, DWORD y, IDirectDrawSurface* src, RECT* srcRect, DWORD trans) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_BltFast, &code)) return code;
  if (!src) return DDERR_INVALIDPARAMS;
  const HRESULT hr = CheckPair(this, src);
  if (hr != DD_OK) return hr;
  const RECT sr = srcRect ? *srcRect : Whole(src);
  // Callers pass signed positions through the unsigned parameters.
  const LONG dx = (LONG)x, dy = (LONG)y;
  if (!SaneRect(sr) || dx < -kMaxCoord || dx > kMaxCoord || dy < -kMaxCoord || dy > kMaxCoord)
    return DDERR_INVALIDPARAMS;
  const RECT dr{dx, dy, dx + (sr.right - sr.left), dy + (sr.bottom - sr.top)};
  const TCopy c{this, dr, src, sr, false, (trans & DDBLTFAST_SRCCOLORKEY) && src->has_key, -1};
  Copy(c);
  return DD_OK;
}
