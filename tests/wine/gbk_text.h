// Conversion between the program's GBK texts (code page 936) and the UTF-16 of the Win32 calls.
// The driver keeps a converter of its own rather than the shell's, so that a fault in the shell's
// conversion shows up as a difference instead of cancelling out.
#pragma once

#include <string>
#include <string_view>

// The UTF-16 form of a GBK byte string; bytes that are no GBK character become U+FFFD.
std::wstring wideFromGbk(std::string_view gbk);

// The GBK form of a UTF-16 string; characters outside GBK become "?".
std::string gbkFromWide(std::wstring_view wide);

// The UTF-8 form of a GBK byte string, for messages printed by the tests.
std::string utf8FromGbk(std::string_view gbk);
