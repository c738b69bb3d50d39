// Unix paths as a Windows program under Wine sees them. Wine maps "/" to the drive Z: in every
// prefix, and starts Windows programs from Unix paths only through that drive.
#pragma once

#include <string>
#include <string_view>

// The Unix path on Wine's Z: drive: "Z:" followed by the path with every '/' turned into '\'.
// Always adds the drive, whatever the path starts with.
std::wstring zDrivePath(std::wstring_view unixPath);
// The same for a narrow path, whose bytes become UTF-16 code units one by one (the paths the build
// writes into the tests are ASCII).
std::wstring zDrivePath(std::string_view unixPath);

// A path given on a command line or by the build, either kind: a Unix path (one that starts with
// '/') on the Z: drive as zDrivePath gives it, and anything else, a Windows path already, unchanged.
std::wstring windowsPath(std::wstring_view path);
// The same for a narrow path, widened byte by byte like zDrivePath's.
std::wstring windowsPath(std::string_view path);
