#include "tools/win32_support/wine_paths_win.h"

namespace {

std::wstring widenedBytes(std::string_view narrow) {
    std::wstring wide;
    wide.reserve(narrow.size());
    for (char c : narrow) wide += static_cast<wchar_t>(c);
    return wide;
}

}  // namespace

std::wstring zDrivePath(std::wstring_view unixPath) {
    std::wstring path = L"Z:";
    path.reserve(2 + unixPath.size());
    for (wchar_t c : unixPath) path += c == L'/' ? L'\\' : c;
    return path;
}

std::wstring zDrivePath(std::string_view unixPath) { return zDrivePath(widenedBytes(unixPath)); }

std::wstring windowsPath(std::wstring_view path) {
    if (path.empty() || path.front() != L'/') return std::wstring(path);
    return zDrivePath(path);
}

std::wstring windowsPath(std::string_view path) { return windowsPath(widenedBytes(path)); }
