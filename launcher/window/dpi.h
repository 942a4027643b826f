// The display scale of a window, from the system.  Newer Windows gives
// each window the DPI of its monitor; the functions for that are looked up
// at run time, and older Windows gets the system DPI instead.
#pragma once

#include <windows.h>

namespace vq {

// The DPI the window is shown at (its monitor's under per-monitor
// awareness; else the system's).  A null window: the system DPI.
int window_dpi(HWND window);

// The system DPI (the primary display's).
int system_dpi();

// The window size that gives a client area of this size at `dpi`.
SIZE window_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, int dpi);

// A system metric (SM_CXMENUCHECK, SM_CXVSCROLL, ...) at `dpi`.
int system_metric(int index, int dpi);

}  // namespace vq
