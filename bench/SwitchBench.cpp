// Switch benchmark: the cost of switchDesktop between two desktops, each with W task
// windows and F small files, next to the cost of the same platform operations done
// alone (the ShowWindow calls, the file copies and deletes), measured in the same run
// and interleaved so that both see the same machine load. Also prints the desktop
// model's memory. Runs in throwaway places; the system wallpaper is put back.
#include "DesktopModel.h"
#include "EngineTestPlaces.h"
#include "MessageBoxSeam.h"
#include "SwitchDesktop.h"
#include "WindowOwnerProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWindows = 50;              // W, per desktop
constexpr int kFiles = 200;               // F, per desktop
constexpr size_t kFileBytes = 20 * 1024;  // 20 KB each
constexpr int kRounds = 5;                // each round: two switches and two raw runs

// A report during the benchmark is printed, not shown.
class PrintedMessageBoxes : public MessageBoxPresenter {
public:
    int Present(const MessageBoxRequest& request) override {
        std::fwprintf(stderr, L"message box: %ls\n", request.text.c_str());
        return IDOK;
    }
};

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<std::wstring> WriteFiles(const TempFolder& desktop, const std::wstring& prefix) {
    std::vector<std::wstring> names;
    for (int i = 0; i < kFiles; ++i) {
        names.push_back(prefix + std::to_wstring(i) + L".txt");
        desktop.WriteFile(names.back(), kFileBytes, static_cast<char>('a' + i % 26));
    }
    return names;
}

// The platform operations of one switch, without anything around them.
void RawSwitch(const std::vector<HWND>& hide, const std::vector<HWND>& show, const std::wstring& desktop,
               const std::wstring& leftStore, const std::vector<std::wstring>& leftFiles,
               const std::wstring& enteredStore, const std::vector<std::wstring>& enteredFiles) {
    for (HWND hwnd : hide) ShowWindow(hwnd, SW_HIDE);
    for (const auto& name : leftFiles) CopyFileW((desktop + name).c_str(), (leftStore + name).c_str(), FALSE);
    for (HWND hwnd : show) ShowWindow(hwnd, SW_SHOW);
    for (const auto& name : leftFiles) DeleteFileW((desktop + name).c_str());
    for (const auto& name : enteredFiles) CopyFileW((enteredStore + name).c_str(), (desktop + name).c_str(), FALSE);
    for (const auto& name : enteredFiles) DeleteFileW((enteredStore + name).c_str());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool AllShown(const std::vector<HWND>& windows, bool shown) {
    return std::all_of(windows.begin(), windows.end(), [&](HWND hwnd) { return IsShown(hwnd) == shown; });
}

void PrintModelMemory() {
    DesktopModel one;
    std::printf("model memory, 1 desktop, nothing hidden: %zu bytes\n", one.MemoryInUse());
    DesktopModel full;
    for (int desktop = 0; desktop < kDesktopLimit; ++desktop) {
        std::vector<RecordedWindow> windows;
        for (int i = 0; i < 10; ++i)
            windows.push_back({reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10000 + desktop * 16 + i)), 1234,
                               L"Document " + std::to_wstring(i) + L" - Editor"});
        full.RecordLeftDesktop(desktop, std::move(windows));
    }
    std::printf("model memory, 1024 desktops x 10 windows: %zu bytes (%.1f KB)\n", full.MemoryInUse(),
                full.MemoryInUse() / 1024.0);
}

}  // namespace

int main() {
    PrintedMessageBoxes boxes;
    SetMessageBoxPresenter(&boxes);
    EngineTestPlaces places;
    SystemBackgroundGuard background;
    const std::wstring desktop = places.Desktop().Path();
    const std::wstring store0 = places.StoreFolder(0);
    const std::wstring store1 = places.StoreFolder(1);

    // Desktop 0: W windows and F files, then left for desktop 1, which gets its own.
    WindowOwnerProcess ownerA({L"titled*" + std::to_wstring(kWindows) + L":Desktop A"});
    std::vector<std::wstring> filesA = WriteFiles(places.Desktop(), L"a");
    if (!ownerA.Started() || switchDesktop(0, 1) != 0) {
        std::printf("set-up failed\n");
        return 1;
    }
    WindowOwnerProcess ownerB({L"titled*" + std::to_wstring(kWindows) + L":Desktop B"});
    std::vector<std::wstring> filesB = WriteFiles(places.Desktop(), L"b");
    if (!ownerB.Started()) {
        std::printf("set-up failed\n");
        return 1;
    }
    const std::vector<HWND>& windowsA = ownerA.Windows();
    const std::vector<HWND>& windowsB = ownerB.Windows();
    std::printf("desktops: 2, task windows per desktop: %zu, files per desktop: %d of %zu bytes\n", windowsA.size(),
                kFiles, kFileBytes);

    std::vector<double> switchTimes, rawTimes;
    long errors = 0;
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        errors += switchDesktop(1, 0) != 0;
        switchTimes.push_back(Now() - start);

        start = Now();
        RawSwitch(windowsA, windowsB, desktop, store0, filesA, store1, filesB);
        rawTimes.push_back(Now() - start);

        start = Now();
        RawSwitch(windowsB, windowsA, desktop, store1, filesB, store0, filesA);
        rawTimes.push_back(Now() - start);

        start = Now();
        errors += switchDesktop(0, 1) != 0;
        switchTimes.push_back(Now() - start);
    }
    bool consistent = AllShown(windowsB, true) && AllShown(windowsA, false) &&
                      FileSizeOf(desktop + filesB.front()) == static_cast<long long>(kFileBytes) &&
                      FileSizeOf(store0 + filesA.back()) == static_cast<long long>(kFileBytes);
    switchDesktop(1, 0);  // leave every window shown

    double switchMedian = Median(switchTimes);
    double rawMedian = Median(rawTimes);
    std::printf("switches timed: %zu, failed: %ld, end state as expected: %s\n", switchTimes.size(), errors,
                consistent ? "yes" : "NO");
    std::printf("switch (switchDesktop), median: %.1f ms\n", switchMedian * 1000);
    std::printf("raw platform operations, median: %.1f ms\n", rawMedian * 1000);
    PrintModelMemory();
    std::printf("switch/raw ratio: %.2f\n", switchMedian / rawMedian);
    SetMessageBoxPresenter(nullptr);
    return errors == 0 && consistent ? 0 : 1;
}
