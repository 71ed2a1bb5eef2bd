// Drawing contexts and GDI objects with the Windows names the viewer uses.
// A context from IDirectDrawSurface::GetDC draws on the surface's 5-6-5 pixels;
// a memory context (CreateCompatibleDC) holds a selected bitmap of 8-bit channels.
// Texts are UTF-8 and drawn with SDL2_ttf in the face fontconfig gives for the name.
#pragma once
#include <string>
#include <vector>

#include "platform/ddraw.h"

struct TGdiObject {
  virtual ~TGdiObject() {}
  bool stock = false;  // stock objects are never deleted
};
typedef TGdiObject* HGDIOBJ;

// Pixels top-down, 0x00RRGGBB.
struct TGdiBitmap : TGdiObject {
  int width = 0;
  int height = 0;
  int bits = 24;  // bit depth of the source picture
  std::vector<uint32_t> px;
};
typedef TGdiBitmap* HBITMAP;

struct TGdiBrush : TGdiObject {
  COLORREF color = 0;
  bool hollow = false;
};
typedef TGdiBrush* HBRUSH;

struct TGdiPen : TGdiObject {
  COLORREF color = 0;
  int width = 1;
  int style = 0;
};
typedef TGdiPen* HPEN;

struct TGdiFont : TGdiObject {
  int height = 0;
  int weight = 400;
  void* ttf = nullptr;  // TTF_Font*
};
typedef TGdiFont* HFONT;

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  void* bmBits;
};

// LoadImageA
#define IMAGE_BITMAP 0
#define LR_DEFAULTCOLOR 0x0000u
#define LR_LOADFROMFILE 0x0010u
#define LR_CREATEDIBSECTION 0x2000u

// Raster operations, background modes, stock objects
#define SRCCOPY 0x00CC0020u
#define TRANSPARENT 1
#define OPAQUE 2
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define PS_SOLID 0
#define PS_NULL 5

// CreateFontA
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define VARIABLE_PITCH 2
#define FF_SWISS 0x20

// DrawTextA
#define DT_TOP 0x00000000u
#define DT_LEFT 0x00000000u
#define DT_CENTER 0x00000001u
#define DT_RIGHT 0x00000002u
#define DT_VCENTER 0x00000004u
#define DT_BOTTOM 0x00000008u
#define DT_WORDBREAK 0x00000010u
#define DT_SINGLELINE 0x00000020u
#define DT_NOCLIP 0x00000100u
#define DT_CALCRECT 0x00000400u

// Bitmaps: from the program's resources when hinst is the program's module (GetModuleHandleA(0)),
// else from a file with LR_LOADFROMFILE. cx, cy of 0 keep the picture's own size; others scale it.
// The picture is checked before anything is allocated; a bad or hostile file gives null.
HANDLE LoadImageA(HINSTANCE hinst, const char* name, UINT type, int cx, int cy, UINT flags);
int GetObjectA(HGDIOBJ obj, int size, void* out);
// The natural width and height of a picture (same lookup as LoadImageA) from its header alone,
// without decoding it; FALSE when it is missing or not a picture the loader accepts.
BOOL PLAT_ImageSize(HINSTANCE hinst, const char* name, UINT flags, int* width, int* height);
// Pictures above this many pixels (width × height) are refused unread; returns the old ceiling.
// Tests and the fuzzer lower it; a limit of 0 or less only asks for the current one.
long long PLAT_SetImagePixelLimit(long long limit);
BOOL DeleteObject(HGDIOBJ obj);
HGDIOBJ GetStockObject(int which);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);

HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop);
BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);

COLORREF GetPixel(HDC dc, int x, int y);  // a point outside gives white (CLR_INVALID only without a surface)
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ew, int eh);
BOOL MoveToEx(HDC dc, int x, int y, POINT* old);
BOOL LineTo(HDC dc, int x, int y);  // without its end point

int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF color);
BOOL TextOutA(HDC dc, int x, int y, const char* text, int len);  // len in bytes
int DrawTextA(HDC dc, const char* text, int len, RECT* rect, UINT format);  // returns the height
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int len, SIZE* size);

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeout, DWORD charset, DWORD out_precision, DWORD clip_precision,
                  DWORD quality, DWORD pitch_and_family, const char* face);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);

// Debugger output: kept by the backend (tests read it) and echoed to standard error.
void OutputDebugStringA(const char* text);
const std::vector<std::string>& PLAT_DebugOutput();
void PLAT_DebugOutputClear();
// Live GDI objects created and not yet deleted (stock objects not counted), for leak tests.
int PLAT_GdiLiveObjects();
// Number of UTF-8 characters in a text (layout estimates count characters, not bytes).
int PLAT_Utf8Length(const char* text);
