// A 64-bit Windows executable read from its file: the headers, and the functions it imports from
// each DLL. Only what the checks of the executable need; resources are read through the loader.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct PeFile {
    IMAGE_FILE_HEADER fileHeader{};
    IMAGE_OPTIONAL_HEADER64 optionalHeader{};
    // DLL name as the import table spells it -> the functions imported from it, by name (or
    // "#ordinal").
    std::map<std::string, std::vector<std::string>> imports;
};

// Reads the file; nothing when it is no well-formed PE32+ file. `error` then tells why.
std::optional<PeFile> readPeFile(const std::wstring& path, std::string& error);
