// The one place where the program's GBK texts meet the UTF-16 of the W APIs (code page 936).
#pragma once

#include <string>
#include <string_view>

std::wstring gbkToWide(std::string_view gbk);
// Characters that GBK cannot hold become "?".
std::string wideToGbk(std::wstring_view wide);
