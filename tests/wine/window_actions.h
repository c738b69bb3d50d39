// What a user does to the main window with the mouse, made of genuine input.
#pragma once

#include <windows.h>

#include <string_view>

class MainWindowView;
class RunningProgram;

// Opens the combo box's list with a click and clicks the list item `index`. False when the list did
// not open or has no such item; the list is then left as it is.
bool pickListItem(const RunningProgram& program, const MainWindowView& view, std::string_view combo,
                  int index);

// A screen point of the window's frame where WM_NCHITTEST answers `hitCode` (HTCLOSE, HTCAPTION,
// ...), searched along the middle of the title bar; {-1, -1} when there is none.
POINT framePoint(HWND window, LRESULT hitCode);
