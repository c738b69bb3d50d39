#include "pe_file_win.h"

#include <algorithm>
#include <cstring>

#include "tested_files_win.h"

namespace {

class FileBytes {
public:
    explicit FileBytes(const std::string& bytes) : bytes_(bytes.begin(), bytes.end()) {}

    template <typename T>
    bool read(std::size_t offset, T& value) const {
        if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return false;
        std::memcpy(&value, bytes_.data() + offset, sizeof(T));
        return true;
    }
    // The zero-terminated string at the offset, or nothing when it runs off the end.
    std::optional<std::string> string(std::size_t offset) const {
        if (offset >= bytes_.size()) return std::nullopt;
        const void* end = std::memchr(bytes_.data() + offset, 0, bytes_.size() - offset);
        if (!end) return std::nullopt;
        return std::string(bytes_.data() + offset, static_cast<const char*>(end));
    }

private:
    std::vector<char> bytes_;
};

// Where a relative virtual address lies in the file, by the section table.
std::optional<std::size_t> fileOffset(const std::vector<IMAGE_SECTION_HEADER>& sections, DWORD rva) {
    for (const IMAGE_SECTION_HEADER& section : sections) {
        const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
        if (rva >= section.VirtualAddress && rva - section.VirtualAddress < size) {
            return std::size_t{section.PointerToRawData} + (rva - section.VirtualAddress);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PeFile> readPeFile(const std::wstring& path, std::string& error) {
    const std::optional<std::string> content = fileContent(path);
    if (!content) {
        error = "cannot read the file";
        return std::nullopt;
    }
    const FileBytes file(*content);

    IMAGE_DOS_HEADER dos{};
    DWORD signature = 0;
    PeFile pe;
    if (!file.read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
        !file.read(dos.e_lfanew, signature) || signature != IMAGE_NT_SIGNATURE ||
        !file.read(dos.e_lfanew + sizeof signature, pe.fileHeader) ||
        !file.read(dos.e_lfanew + sizeof signature + sizeof pe.fileHeader, pe.optionalHeader) ||
        pe.optionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        error = "no PE32+ headers";
        return std::nullopt;
    }

    const std::size_t sectionTable =
        dos.e_lfanew + sizeof signature + sizeof pe.fileHeader + pe.fileHeader.SizeOfOptionalHeader;
    std::vector<IMAGE_SECTION_HEADER> sections(pe.fileHeader.NumberOfSections);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!file.read(sectionTable + i * sizeof(IMAGE_SECTION_HEADER), sections[i])) {
            error = "the section table runs off the end";
            return std::nullopt;
        }
    }

    const IMAGE_DATA_DIRECTORY& importDirectory =
        pe.optionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto descriptors = fileOffset(sections, importDirectory.VirtualAddress);
    if (importDirectory.Size == 0) return pe;
    if (!descriptors) {
        error = "the import directory lies in no section";
        return std::nullopt;
    }
    for (std::size_t offset = *descriptors;; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor{};
        if (!file.read(offset, descriptor)) {
            error = "the import directory runs off the end";
            return std::nullopt;
        }
        if (descriptor.Name == 0) break;
        const auto nameOffset = fileOffset(sections, descriptor.Name);
        const auto name = nameOffset ? file.string(*nameOffset) : std::nullopt;
        // The lookup table names the functions; old linkers leave it out and only fill the
        // address table, which holds the same entries in the file.
        const DWORD lookup = descriptor.OriginalFirstThunk ? descriptor.OriginalFirstThunk
                                                           : descriptor.FirstThunk;
        const auto thunks = fileOffset(sections, lookup);
        if (!name || !thunks) {
            error = "an import descriptor points outside the sections";
            return std::nullopt;
        }
        std::vector<std::string>& functions = pe.imports[*name];
        for (std::size_t thunk = *thunks;; thunk += sizeof(ULONGLONG)) {
            ULONGLONG entry = 0;
            if (!file.read(thunk, entry)) {
                error = "an import lookup table runs off the end";
                return std::nullopt;
            }
            if (entry == 0) break;
            if (entry & IMAGE_ORDINAL_FLAG64) {
                functions.push_back("#" + std::to_string(IMAGE_ORDINAL64(entry)));
                continue;
            }
            // IMAGE_IMPORT_BY_NAME: a two-byte hint, then the name.
            const auto hintName = fileOffset(sections, static_cast<DWORD>(entry));
            const auto function = hintName ? file.string(*hintName + sizeof(WORD)) : std::nullopt;
            if (!function) {
                error = "an imported function's name lies outside the sections";
                return std::nullopt;
            }
            functions.push_back(*function);
        }
    }
    return pe;
}
