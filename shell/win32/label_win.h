// Labels: a window class of our own that fills its rectangle with the window's background and draws
// its caption left-aligned on a transparent background, in the row's colour and font.
#pragma once

#include <windows.h>

inline constexpr const wchar_t* kLabelClassName = L"TavrolinLabel";
