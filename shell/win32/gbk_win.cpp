#include "shell/win32/gbk_win.h"

#include <windows.h>

namespace {
constexpr UINT kGbk = 936;
}

std::wstring gbkToWide(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int size = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), length);
    return wide;
}

std::string wideToGbk(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(kGbk, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kGbk, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
    return gbk;
}
