// Window, message queue, timer and message boxes with the Windows names, message numbers
// and virtual-key codes the viewer's code is written in. One window, one thread.
#pragma once
#include "platform/windef.h"

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
struct TGdiObject;
typedef void* HCURSOR;
typedef void* HICON;
typedef void* HMENU;

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  TGdiObject* hbrBackground;
  const char* lpszMenuName;
  const char* lpszClassName;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

// Messages
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ACTIVATEAPP 0x001C
#define WM_SETCURSOR 0x0020
#define HTCLIENT 1  // WM_SETCURSOR: the pointer is over the client area
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MOUSEWHEEL 0x020A

#define WHEEL_DELTA 120
#define GET_WHEEL_DELTA_WPARAM(w) ((short)HIWORD(w))
#define GET_X_LPARAM(l) ((int)(short)LOWORD(l))
#define GET_Y_LPARAM(l) ((int)(short)HIWORD(l))

// Virtual-key codes
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_CLEAR 0x0C  // keypad 5 with Num Lock off
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_NUMPAD1 0x61
#define VK_NUMPAD2 0x62
#define VK_NUMPAD3 0x63
#define VK_NUMPAD4 0x64
#define VK_NUMPAD5 0x65
#define VK_NUMPAD6 0x66
#define VK_NUMPAD7 0x67
#define VK_NUMPAD8 0x68
#define VK_NUMPAD9 0x69
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_NUMLOCK 0x90
#define VK_UNKNOWN 0xFF  // a key that has no code of its own here

// Window class and window styles
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define WS_POPUP 0x80000000u
#define WS_VISIBLE 0x10000000u
#define SW_SHOW 5
#define SW_SHOWNORMAL 1
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define MAKEINTRESOURCEA(i) ((const char*)(uintptr_t)(WORD)(i))
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// PeekMessage
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// MessageBox
#define MB_OK 0x00000000u
#define IDOK 1

HMODULE GetModuleHandleA(const char* name);  // null: the program's own module
BOOL RegisterClassA(const WNDCLASSA* wc);
HWND CreateWindowExA(DWORD ex_style, const char* class_name, const char* title, DWORD style, int x, int y,
                     int w, int h, HWND parent, HMENU menu, HINSTANCE inst, void* param);  // sends WM_CREATE
BOOL ShowWindow(HWND wnd, int cmd);
BOOL UpdateWindow(HWND wnd);
// The client area in pixels (physical ones on a hi-DPI screen): with the SDL backend the
// window's drawable size, with the memory backend the size it was made with. Its changes
// arrive as WM_SIZE (width in the low word of lParam, height in the high one).
BOOL GetClientRect(HWND wnd, RECT* rect);
BOOL DestroyWindow(HWND wnd);  // sends WM_DESTROY to the window procedure
LRESULT DefWindowProcA(HWND wnd, UINT msg, WPARAM w, LPARAM l);  // WM_CLOSE → DestroyWindow

BOOL PeekMessageA(MSG* msg, HWND wnd, UINT min, UINT max, UINT remove);
// 0 on WM_QUIT. The memory backend never blocks: −1 (and WM_NULL) when nothing is queued.
BOOL GetMessageA(MSG* msg, HWND wnd, UINT min, UINT max);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);  // the backend presents the primary surface afterwards
BOOL WaitMessage();  // SDL: until input or the next due timer; memory backend: returns at once
BOOL PostMessageA(HWND wnd, UINT msg, WPARAM w, LPARAM l);
void PostQuitMessage(int code);
LRESULT SendMessageA(HWND wnd, UINT msg, WPARAM w, LPARAM l);

// Timers arrive as WM_TIMER (wParam = id). A timer never queues more than one WM_TIMER:
// when the program falls behind, missed pulses are dropped rather than piled up.
// Periods under 10 ms are raised to 10. Id 0 and callbacks are refused (result 0).
uintptr_t SetTimer(HWND wnd, uintptr_t id, UINT ms, void* callback);
BOOL KillTimer(HWND wnd, uintptr_t id);

int MessageBoxA(HWND wnd, const char* text, const char* caption, UINT type);
int ShowCursor(BOOL show);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR LoadCursorA(HINSTANCE inst, const char* name);
HICON LoadIconA(HINSTANCE inst, const char* name);
int GetSystemMetrics(int index);
DWORD GetTickCount();
