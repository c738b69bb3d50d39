// What two traced runs of tavrolin.exe show (check_runtime_trace.sh makes them with traced_run, one
// without and one with arguments, and then runs this suite): the program's own code calls no
// function of forbidden_functions.h, its process opens no file but those of Windows and Wine
// themselves and changes no registry key but those that Wine keeps for the system, the arguments
// change nothing, and Alt+F4 ends it with exit code 0. The suite is skipped when
// TAVROLIN_TRACE_DIR does not name the runs' directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "forbidden_functions.h"
#include "tested_files_win.h"

namespace {

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// One run as traced_run reported it, with the trace lines of the program's own process.
struct TracedRun {
    std::string processId;       // as the trace writes it, e.g. "010c"
    std::string program;         // Windows path
    std::string directory;       // the current directory it was started in
    unsigned long long imageBase = 0;
    unsigned long long imageSize = 0;
    std::vector<std::string> windows;
    std::optional<long> exitCode;
    struct Line {
        std::string thread;
        std::string message;  // the line without its "pid:tid:" prefix
    };
    std::vector<Line> trace;  // the lines of the program's process
};

std::optional<TracedRun> parseRun(const std::string& directory, const std::string& name,
                                  std::string& error) {
    const auto report = fileContent(zDrivePath((directory + "/" + name + ".out").c_str()));
    const auto trace = fileContent(zDrivePath((directory + "/" + name + ".trace").c_str()));
    if (!report || !trace) {
        error = "missing " + name + ".out or " + name + ".trace in " + directory;
        return std::nullopt;
    }
    TracedRun run;
    std::istringstream lines(*report);
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) line.pop_back();  // written in text mode by a Windows program
        std::istringstream words(line);
        std::string key;
        words >> key;
        const std::string rest = line.size() > key.size() ? line.substr(key.size() + 1) : "";
        if (key == "pid") run.processId = rest;
        if (key == "program") run.program = rest;
        if (key == "directory") run.directory = rest;
        if (key == "image") words >> std::hex >> run.imageBase >> run.imageSize;
        if (key == "window") run.windows.push_back(rest);
        if (key == "exit" && !rest.starts_with("none")) run.exitCode = std::stol(rest);
    }
    if (run.processId.empty() || run.imageSize == 0) {
        error = name + ".out names no process or image";
        return std::nullopt;
    }
    const std::string prefix = run.processId + ":";
    std::istringstream traceLines(*trace);
    for (std::string line; std::getline(traceLines, line);) {
        // "pid:tid:" then the message.
        if (!line.starts_with(prefix)) continue;
        const std::size_t colon = line.find(':', prefix.size());
        if (colon == std::string::npos) continue;
        run.trace.push_back({line.substr(prefix.size(), colon - prefix.size()), line.substr(colon + 1)});
    }
    return run;
}

// The run `name` ("plain" or "arguments") in the directory, read once: the traces are large.
const TracedRun* readRun(const std::string& directory, const std::string& name, std::string& error) {
    static std::map<std::string, std::optional<TracedRun>> runs;
    const std::string path = directory + "/" + name;
    if (!runs.contains(path)) runs[path] = parseRun(directory, name, error);
    if (!runs[path] && error.empty()) error = "unreadable run " + path;
    return runs[path] ? &*runs[path] : nullptr;
}

// The functions that the program's own code called, with their DLL: relay lines
// "Call dll.function(arguments) ret=address" whose return address lies in the program's image.
std::map<std::string, int> ownCalls(const TracedRun& run) {
    std::map<std::string, int> calls;
    for (const auto& [thread, line] : run.trace) {
        if (!line.starts_with("Call ")) continue;
        const std::size_t open = line.find('(');
        const std::size_t ret = line.rfind(" ret=");
        if (open == std::string::npos || ret == std::string::npos) continue;
        const unsigned long long caller = std::strtoull(line.c_str() + ret + 5, nullptr, 16);
        if (caller < run.imageBase || caller - run.imageBase >= run.imageSize) continue;
        ++calls[line.substr(5, open - 5)];
    }
    return calls;
}

// The text of the first L"..." string in a trace line at or after `from`; the trace doubles
// backslashes. Nothing when there is none.
std::optional<std::string> wideLiteral(const std::string& line, std::size_t from = 0) {
    const std::size_t start = line.find("L\"", from);
    if (start == std::string::npos) return std::nullopt;
    std::string text;
    for (std::size_t i = start + 2; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        text += line[i];
    }
    return text;
}

// The Windows names ("\??\C:\...") of the files the process opened: NtCreateFile, through which
// every open goes in Wine.
std::vector<std::string> openedFiles(const TracedRun& run) {
    std::vector<std::string> files;
    for (const auto& [thread, line] : run.trace) {
        if (!line.starts_with("trace:file:NtCreateFile ")) continue;
        const std::size_t name = line.find(" name=L\"");
        if (name == std::string::npos) continue;
        files.push_back(*wideLiteral(line, name));
    }
    return files;
}

std::string directoryOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// Files that Windows and Wine open in every process: the system's DLLs, manifests, fonts and
// themes; Wine's own data; the loader's search for each DLL in the program's directory before
// the system directory; and the current directory, which the process holds open.
bool isSystemFile(const TracedRun& run, const std::string& file) {
    const std::string name = lowercase(file);
    const std::string programDirectory = "\\??\\" + lowercase(directoryOf(run.program)) + "\\";
    const std::string currentDirectory = "\\??\\" + lowercase(run.directory);
    const bool dllSearch = name.starts_with(programDirectory) &&
                           name.find('\\', programDirectory.size()) == std::string::npos &&
                           (name.ends_with(".dll") || name.ends_with(".drv"));
    return name.starts_with("\\??\\c:\\windows\\") ||
           name.starts_with("\\??\\z:\\usr\\share\\wine\\") ||
           name.starts_with("\\??\\z:\\usr\\lib\\x86_64-linux-gnu\\wine\\") || dllSearch ||
           name == currentDirectory || name == currentDirectory + "\\";
}

// The registry changes of the process, each as "operation key[\value]", with the key's full path
// ("\Registry\Machine\...", "\Registry\User\<user>\..."). The trace names a key by the
// handle that an earlier NtCreateKey or NtOpenKeyEx of the same thread returned, so the opens are
// followed to turn handles into paths. NtCreateKey counts as a change: it creates the key when it
// does not exist.
std::vector<std::string> registryChanges(const TracedRun& run) {
    std::map<std::string, std::string> keyOfHandle;
    std::map<std::string, std::string> openingOnThread;
    // The first argument: a handle, or "(nil)" for a path from the root.
    const auto firstArgument = [](const std::string& arguments) {
        if (arguments.starts_with("((nil)")) return std::string("(nil)");
        return arguments.substr(1, arguments.find_first_of(",)") - 1);
    };
    const auto keyOf = [&](const std::string& handle) {
        const auto known = keyOfHandle.find(handle);
        return known == keyOfHandle.end() ? "<handle " + handle + ">" : known->second;
    };
    std::vector<std::string> changes;
    for (const auto& [thread, line] : run.trace) {
        if (!line.starts_with("trace:reg:Nt")) continue;
        const std::size_t space = line.find(' ');
        const std::string operation = line.substr(10, space - 10);
        const std::string arguments = space == std::string::npos ? "" : line.substr(space + 1);
        if (arguments.starts_with("<- ")) {
            if (operation == "NtCreateKey" || operation == "NtOpenKeyEx" || operation == "NtOpenKey") {
                keyOfHandle[arguments.substr(3)] = openingOnThread[thread];
            }
            continue;
        }
        if (!arguments.starts_with("(")) continue;
        const std::string handle = firstArgument(arguments);
        const std::optional<std::string> name = wideLiteral(arguments);
        if (operation == "NtCreateKey" || operation == "NtOpenKeyEx" || operation == "NtOpenKey") {
            const std::string key = handle == "(nil)" ? name.value_or("")
                                                      : keyOf(handle) + "\\" + name.value_or("");
            openingOnThread[thread] = key;
            if (operation == "NtCreateKey") changes.push_back("NtCreateKey " + key);
        } else if (operation == "NtSetValueKey" || operation == "NtDeleteValueKey") {
            changes.push_back(operation + " " + keyOf(handle) + "\\" + name.value_or("(default)"));
        } else if (operation == "NtDeleteKey" || operation == "NtRenameKey" ||
                   operation == "NtSetInformationKey") {
            changes.push_back(operation + " " + keyOf(handle));
        }
    }
    return changes;
}

// The keys that Windows keeps for itself and that Wine maintains in every process: the hardware,
// device, display and time zone state of the machine (Wine's display driver records the display
// afresh in each process that uses it), the desktop's and the keyboard's settings and
// their volatile copies, Wine's own settings and caches, and the two roots. A program's own
// settings would live anywhere else, under HKCU\Software or HKLM\Software in the first place.
bool isSystemKey(const std::string& change) {
    std::string key = lowercase(change.substr(change.find(' ') + 1));
    const std::string user = "\\registry\\user\\";
    if (key.starts_with(user)) {
        // "\Registry\User\<user's id>" is HKEY_CURRENT_USER.
        const std::size_t afterUser = key.find('\\', user.size());
        key = "hkcu" + (afterUser == std::string::npos ? std::string() : key.substr(afterUser));
    }
    const std::string_view systemKeys[] = {
        "\\registry\\machine\\system\\",
        "\\registry\\machine\\hardware\\",
        "\\registry\\machine\\software\\microsoft\\windows nt\\currentversion\\time zones",
        "hkcu\\control panel\\",
        "hkcu\\keyboard layout\\",
        "hkcu\\temporary system parameters",
        "hkcu\\software\\wine",
    };
    if (key == "\\registry\\machine" || key == "hkcu") return true;
    return std::any_of(std::begin(systemKeys), std::end(systemKeys),
                       [&](std::string_view prefix) { return key.starts_with(prefix); });
}

class ExeRun : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* directory = std::getenv("TAVROLIN_TRACE_DIR");
        if (!directory) GTEST_SKIP() << "TAVROLIN_TRACE_DIR is not set (check_runtime_trace.sh sets it)";
        std::string error;
        run_ = readRun(directory, GetParam(), error);
        ASSERT_TRUE(run_) << error;
        ASSERT_FALSE(run_->trace.empty()) << "no trace line of process " << run_->processId;
    }
    const TracedRun& run() const { return *run_; }

private:
    const TracedRun* run_ = nullptr;
};

TEST_P(ExeRun, AltF4EndsItWithExitCodeZero) {
    ASSERT_FALSE(run().windows.empty()) << "the main window never came up";
    EXPECT_TRUE(run().windows.front().starts_with("TavrolinMainWindow \"Tavrolin\""))
        << run().windows.front();
    ASSERT_TRUE(run().exitCode) << "still running after Alt+F4";
    EXPECT_EQ(*run().exitCode, 0);
}

TEST_P(ExeRun, OwnCodeCallsNoFunctionForFilesRegistryEnvironmentOrCommandLine) {
    const std::map<std::string, int> calls = ownCalls(run());
    // The relay channel works and the image range is right: the window is made by the program.
    ASSERT_TRUE(calls.contains("user32.CreateWindowExW")) << calls.size() << " functions called";
    for (const auto& [call, count] : calls) {
        const std::string function = call.substr(call.find('.') + 1);
        const char* const use = forbiddenUse(function);
        EXPECT_TRUE(use == nullptr) << call << " (" << count << " calls) " << use;
    }
}

TEST_P(ExeRun, OpensNoFileButThoseOfWindowsAndWine) {
    const std::vector<std::string> files = openedFiles(run());
    ASSERT_FALSE(files.empty()) << "the file channel shows no open at all";
    for (const std::string& file : files) {
        EXPECT_TRUE(isSystemFile(run(), file)) << "opened " << file;
    }
}

TEST_P(ExeRun, ChangesNoRegistryKeyButThoseOfTheSystem) {
    const std::vector<std::string> changes = registryChanges(run());
    // Wine opens its own settings with NtCreateKey at the start of every process.
    ASSERT_FALSE(changes.empty()) << "the registry channel shows nothing";
    for (const std::string& change : changes) EXPECT_TRUE(isSystemKey(change)) << change;
}

INSTANTIATE_TEST_SUITE_P(WithoutAndWithArguments, ExeRun, testing::Values("plain", "arguments"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST(ExeRunArguments, ChangeNothing) {
    const char* directory = std::getenv("TAVROLIN_TRACE_DIR");
    const char* argument = std::getenv("TAVROLIN_TRACE_ARGUMENT");
    if (!directory || !argument) GTEST_SKIP() << "not started by check_runtime_trace.sh";
    std::string error;
    const auto plain = readRun(directory, "plain", error);
    const auto withArguments = readRun(directory, "arguments", error);
    ASSERT_TRUE(plain && withArguments) << error;
    EXPECT_EQ(withArguments->windows, plain->windows) << "the window differs with arguments";
    // TAVROLIN_TRACE_ARGUMENT is the name of an existing file that the first argument names;
    // nothing in the process so much as looks it up.
    const std::string named = lowercase(argument);
    for (const auto& [thread, line] : withArguments->trace) {
        if (!line.starts_with("trace:file:")) continue;
        EXPECT_EQ(lowercase(line).find(named), std::string::npos) << line;
    }
}

}  // namespace
