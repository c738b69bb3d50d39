// What the headers and the import table of tavrolin.exe promise: a 64-bit GUI program with ASLR
// (high-entropy addresses) and DEP, that needs no DLL beyond Windows' own and imports no function
// that opens a file, touches the registry, reads the environment or reads the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "forbidden_functions.h"
#include "pe_file_win.h"
#include "tested_files_win.h"

namespace {

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class ExeHeaders : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        pe_ = readPeFile(zDrivePath(kProgramPath), error);
        ASSERT_TRUE(pe_) << kProgramPath << ": " << error;
    }
    const PeFile& pe() const { return *pe_; }

private:
    std::optional<PeFile> pe_;
};

TEST_F(ExeHeaders, IsA64BitGuiProgram) {
    EXPECT_EQ(pe().fileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_TRUE(pe().fileHeader.Characteristics & IMAGE_FILE_EXECUTABLE_IMAGE);
    EXPECT_FALSE(pe().fileHeader.Characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(pe().optionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST_F(ExeHeaders, AddressSpaceLayoutRandomisationWithHighEntropyAddresses) {
    const WORD dll = pe().optionalHeader.DllCharacteristics;
    EXPECT_TRUE(dll & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) << "DYNAMIC_BASE";
    EXPECT_TRUE(dll & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA) << "HIGH_ENTROPY_VA";
    // The loader can move the image only with its base relocations, and spread it over the whole
    // 64-bit space only when it copes with addresses above 4 GiB.
    EXPECT_FALSE(pe().fileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED) << "relocations stripped";
    EXPECT_GT(pe().optionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u)
        << "no base relocation directory";
    EXPECT_TRUE(pe().fileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE)
        << "LARGE_ADDRESS_AWARE";
}

TEST_F(ExeHeaders, DataExecutionPrevention) {
    EXPECT_TRUE(pe().optionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT)
        << "NX_COMPAT";
}

// DLLs that come with every Windows installation. The C++ and C runtimes of the compiler
// (libstdc++, libgcc, winpthread) are linked statically and must not show up here.
constexpr std::string_view kWindowsDlls[] = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll",  "imm32.dll",
    "kernel32.dll", "msvcrt.dll",   "ntdll.dll",    "ole32.dll",  "oleaut32.dll",
    "shell32.dll",  "shlwapi.dll",  "user32.dll",   "uxtheme.dll", "version.dll",
};

TEST_F(ExeHeaders, ImportsOnlyWindowsOwnDlls) {
    ASSERT_FALSE(pe().imports.empty());
    for (const auto& [dll, functions] : pe().imports) {
        const bool windows = std::find(std::begin(kWindowsDlls), std::end(kWindowsDlls),
                                       lowercase(dll)) != std::end(kWindowsDlls);
        EXPECT_TRUE(windows) << dll << " is not one of Windows' own DLLs";
    }
}

TEST_F(ExeHeaders, ImportsNoFunctionForFilesRegistryEnvironmentOrCommandLine) {
    for (const auto& [dll, functions] : pe().imports) {
        for (const std::string& function : functions) {
            const char* const use = forbiddenUse(function);
            EXPECT_TRUE(use == nullptr) << dll << "!" << function << " " << use;
        }
    }
}

}  // namespace
