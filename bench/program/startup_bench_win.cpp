// Start-up time and memory of two programs, measured alternately in one Wine session.
//   startup_bench RUNS PROGRAM BASELINE
// Start-up is the time from just before CreateProcess until the process is idle (WaitForInputIdle)
// and its top-level window is visible. Memory is the process's peak working set once it has shown
// its window and painted it. Each run starts both programs, in alternating order (PROGRAM first in
// even runs, BASELINE first in odd ones), after two warm-up runs that are not counted. Prints each
// program's median, minimum and maximum and the ratios of the medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tools/win32_support/process_windows_win.h"
#include "tools/win32_support/wine_paths_win.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr int kWarmUpRuns = 2;
// How long a program may paint and settle after it is idle before its peak working set is read.
constexpr DWORD kSettleMs = 300;

double secondsNow() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency);
}

struct Measurement {
    double startUpMs;
    double peakWorkingSetKiB;
};

std::optional<Measurement> measure(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = secondsNow();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls: error %lu\n", program.c_str(), GetLastError());
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    HWND shownWindow = nullptr;
    while (!shownWindow && secondsNow() - start < kTimeoutMs / 1000.0) {
        shownWindow = shownUnownedWindow(process.dwProcessId);
        if (!shownWindow) Sleep(1);
    }
    const double shown = secondsNow();

    std::optional<Measurement> result;
    if (shownWindow) {
        Sleep(kSettleMs);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
        result = Measurement{(shown - start) * 1000.0,
                             static_cast<double>(memory.PeakWorkingSetSize) / 1024.0};
        PostMessageW(shownWindow, WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "%ls showed no window\n", program.c_str());
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        result.reset();
    }
    CloseHandle(process.hProcess);
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    std::vector<double> startUpMs;
    std::vector<double> peakKiB;
};

void print(const char* name, const Series& series) {
    std::printf("%-10s start-up median %7.1f ms (min %7.1f, max %7.1f); peak working set median %8.0f KiB\n",
                name, median(series.startUpMs),
                *std::min_element(series.startUpMs.begin(), series.startUpMs.end()),
                *std::max_element(series.startUpMs.begin(), series.startUpMs.end()),
                median(series.peakKiB));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM BASELINE\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const std::wstring programs[2] = {windowsPath(argv[2]), windowsPath(argv[3])};
    Series series[2];
    for (int run = -kWarmUpRuns; run < runs; ++run) {
        const int first = (run & 1) ? 1 : 0;
        for (int i : {first, 1 - first}) {
            const std::optional<Measurement> m = measure(programs[i]);
            if (!m) return 1;
            if (run < 0) continue;
            series[i].startUpMs.push_back(m->startUpMs);
            series[i].peakKiB.push_back(m->peakWorkingSetKiB);
        }
    }
    std::printf("%d runs of each, alternating\n", runs);
    print("program", series[0]);
    print("baseline", series[1]);
    std::printf("ratio      start-up %.2f x; peak working set %.2f x\n",
                median(series[0].startUpMs) / median(series[1].startUpMs),
                median(series[0].peakKiB) / median(series[1].peakKiB));
    return 0;
}
