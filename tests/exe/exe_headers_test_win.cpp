// What the headers and the import table of tavrolin.exe promise: a 64-bit GUI program with ASLR
// (high-entropy addresses) and DEP, that needs no DLL beyond Windows' own and imports no function
// that opens a file, touches the registry, reads the environment or reads the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

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
        pe_ = readPeFile(windowsPath(kProgramPath), error);
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

// The imported functions through which a program opens or creates files, reads or writes the
// registry or an .ini file, reads the environment or reads its command line. The C runtime's
// start-up code, linked into every program, fetches the arguments and the environment for main()
// with __wgetmainargs, _wcmdln and __winitenv; wWinMain does not use them, which the run-time
// trace check shows. Those are listed apart, and nothing else of the kind may be imported.
struct ForbiddenImport {
    std::string_view what;
    std::string_view prefix;  // every function whose name begins with it
};
constexpr ForbiddenImport kForbiddenImports[] = {
    {"opens a file", "CreateFile"}, {"opens a file", "OpenFile"}, {"opens a file", "_lopen"},
    {"opens a file", "_lcreat"}, {"opens a file", "fopen"}, {"opens a file", "_wfopen"},
    {"opens a file", "freopen"}, {"opens a file", "_wfreopen"}, {"opens a file", "_fsopen"},
    {"opens a file", "_wfsopen"}, {"opens a file", "_open"}, {"opens a file", "_wopen"},
    {"opens a file", "_sopen"}, {"opens a file", "_wsopen"}, {"opens a file", "_creat"},
    {"opens a file", "_wcreat"}, {"opens a file", "_popen"}, {"opens a file", "_wpopen"},
    {"changes files", "DeleteFile"}, {"changes files", "MoveFile"}, {"changes files", "CopyFile"},
    {"changes files", "ReplaceFile"}, {"changes files", "CreateDirectory"},
    {"changes files", "remove"}, {"changes files", "_wremove"}, {"changes files", "rename"},
    {"changes files", "_wrename"}, {"changes files", "_unlink"}, {"changes files", "_wunlink"},
    {"looks for files", "FindFirstFile"}, {"looks for files", "GetFileAttributes"},
    {"looks for files", "_findfirst"}, {"looks for files", "_wfindfirst"},
    {"looks for files", "_stat"}, {"looks for files", "_wstat"},
    {"uses the registry", "RegOpen"}, {"uses the registry", "RegCreate"},
    {"uses the registry", "RegSet"}, {"uses the registry", "RegQuery"},
    {"uses the registry", "RegGet"}, {"uses the registry", "RegDelete"},
    {"uses the registry", "RegEnum"}, {"uses the registry", "RegLoad"},
    {"uses the registry", "RegSave"}, {"uses the registry", "SHReg"},
    {"uses the registry", "SHGetValue"}, {"uses the registry", "SHSetValue"},
    {"uses the registry", "NtOpenKey"}, {"uses the registry", "NtCreateKey"},
    {"uses the registry", "NtSetValueKey"},
    {"uses an .ini file", "GetPrivateProfile"}, {"uses an .ini file", "WritePrivateProfile"},
    {"uses an .ini file", "GetProfile"}, {"uses an .ini file", "WriteProfile"},
    {"reads the environment", "GetEnvironmentVariable"}, {"reads the environment", "getenv"},
    {"reads the environment", "_wgetenv"}, {"reads the environment", "GetEnvironmentStrings"},
    {"reads the command line", "GetCommandLine"}, {"reads the command line", "CommandLineToArgv"},
    {"reads the command line", "__getmainargs"}, {"reads the command line", "__p___argv"},
    {"reads the command line", "__p___wargv"}, {"reads the command line", "_acmdln"},
    {"starts a program", "CreateProcess"}, {"starts a program", "ShellExecute"},
    {"starts a program", "WinExec"}, {"starts a program", "system"},
    {"starts a program", "_wsystem"},
};
constexpr std::string_view kRuntimeStartUpImports[] = {"__wgetmainargs", "_wcmdln", "__winitenv"};

TEST_F(ExeHeaders, ImportsNoFunctionForFilesRegistryEnvironmentOrCommandLine) {
    for (const auto& [dll, functions] : pe().imports) {
        for (const std::string& function : functions) {
            if (std::find(std::begin(kRuntimeStartUpImports), std::end(kRuntimeStartUpImports),
                          function) != std::end(kRuntimeStartUpImports)) {
                continue;
            }
            for (const ForbiddenImport& forbidden : kForbiddenImports) {
                EXPECT_FALSE(function.starts_with(forbidden.prefix))
                    << dll << "!" << function << " " << forbidden.what;
            }
        }
    }
}

}  // namespace
