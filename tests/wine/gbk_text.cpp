#include "gbk_text.h"

#include <windows.h>

namespace {
constexpr UINT kGbk = 936;
}

std::wstring wideFromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int size = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), length);
    return wide;
}

std::string gbkFromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(kGbk, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kGbk, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
    return gbk;
}

std::string utf8FromGbk(std::string_view gbk) {
    const std::wstring wide = wideFromGbk(gbk);
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}
