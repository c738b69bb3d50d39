// The Windows and C runtime functions through which a program opens or changes files, uses the
// registry or an .ini file, reads the environment or its command line, or starts another program.
// tavrolin.exe does none of that: its imports (exe_headers_test_win.cpp) and the calls its code
// makes while it runs (runtime_trace_test_win.cpp) are checked against this list.
#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

struct ForbiddenFunction {
    const char* what;
    std::string_view prefix;  // every function whose name begins with it
};

inline constexpr ForbiddenFunction kForbiddenFunctions[] = {
    {"opens a file", "CreateFile"}, {"opens a file", "OpenFile"}, {"opens a file", "NtCreateFile"},
    {"opens a file", "NtOpenFile"}, {"opens a file", "_lopen"}, {"opens a file", "_lcreat"},
    {"opens a file", "fopen"}, {"opens a file", "_wfopen"}, {"opens a file", "freopen"},
    {"opens a file", "_wfreopen"}, {"opens a file", "_fsopen"}, {"opens a file", "_wfsopen"},
    {"opens a file", "_open"}, {"opens a file", "_wopen"}, {"opens a file", "_sopen"},
    {"opens a file", "_wsopen"}, {"opens a file", "_creat"}, {"opens a file", "_wcreat"},
    {"opens a file", "_popen"}, {"opens a file", "_wpopen"},
    {"changes files", "DeleteFile"}, {"changes files", "MoveFile"}, {"changes files", "CopyFile"},
    {"changes files", "ReplaceFile"}, {"changes files", "CreateDirectory"},
    {"changes files", "remove"}, {"changes files", "_wremove"}, {"changes files", "rename"},
    {"changes files", "_wrename"}, {"changes files", "_unlink"}, {"changes files", "_wunlink"},
    {"looks for files", "FindFirstFile"}, {"looks for files", "GetFileAttributes"},
    {"looks for files", "_findfirst"}, {"looks for files", "_wfindfirst"},
    {"looks for files", "_stat"}, {"looks for files", "_wstat"},
    // "Reg" alone would take in RegisterClass.
    {"uses the registry", "RegOpen"}, {"uses the registry", "RegCreate"},
    {"uses the registry", "RegSet"}, {"uses the registry", "RegQuery"},
    {"uses the registry", "RegGet"}, {"uses the registry", "RegDelete"},
    {"uses the registry", "RegEnum"}, {"uses the registry", "RegLoad"},
    {"uses the registry", "RegSave"}, {"uses the registry", "SHReg"},
    {"uses the registry", "SHGetValue"}, {"uses the registry", "SHSetValue"},
    {"uses the registry", "NtOpenKey"}, {"uses the registry", "NtCreateKey"},
    {"uses the registry", "NtSetValueKey"}, {"uses the registry", "NtDeleteKey"},
    {"uses the registry", "NtDeleteValueKey"},
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

// The C runtime's start-up code, linked into every program, fetches the arguments and the
// environment for main() through these; wWinMain uses neither, which the traced runs with and
// without arguments show. Nothing else of the kind may appear.
inline constexpr std::string_view kRuntimeStartUpFunctions[] = {"__wgetmainargs", "_wcmdln",
                                                               "__winitenv"};

// What the function would do that the program must not, or null when it is harmless.
inline const char* forbiddenUse(std::string_view function) {
    if (std::find(std::begin(kRuntimeStartUpFunctions), std::end(kRuntimeStartUpFunctions),
                  function) != std::end(kRuntimeStartUpFunctions)) {
        return nullptr;
    }
    for (const ForbiddenFunction& forbidden : kForbiddenFunctions) {
        if (function.starts_with(forbidden.prefix)) return forbidden.what;
    }
    return nullptr;
}
