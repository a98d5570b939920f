// Test helper standing in for Plexor: it starts the watchdog, switches from desktop 1 to
// desktop 2 through the engine (which hides desktop 1's windows and writes the journal),
// then waits to be ended, from outside or through its end event (the normal end).
//
//   plexor_stand_in <ready event> <end event> <store root> <app key> <desktop folder>
//                   <installation key parent> <file for the watchdog's process id>
#include "DesktopModel.h"
#include "EngineLocations.h"
#include "MessageBoxSeam.h"
#include "ScopedHandle.h"
#include "SwitchDesktop.h"
#include "Watchdog.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// A helper nobody watches: a failure report must not wait for a click.
class SilentBoxes : public MessageBoxPresenter {
public:
    int Present(const MessageBoxRequest&) override { return IDOK; }
};

void WriteText(const std::wstring& path, const std::string& text) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 8) return 2;
    SilentBoxes silent;
    SetMessageBoxPresenter(&silent);
    KernelHandle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]));
    KernelHandle end(OpenEventW(SYNCHRONIZE, FALSE, argv[2]));
    EngineLocations where;
    where.storeRoot = argv[3];
    where.appKey = argv[4];
    where.desktopFolder = argv[5];
    where.installationKeyParent = argv[6];
    const std::wstring pidFile = argv[7];
    LocalFree(argv);
    if (!ready || !end) return 3;
    UseEngineLocations(where);

    Watchdog watchdog = StartWatchdog(where.storeRoot);
    if (!watchdog.Running()) return 4;
    WriteText(pidFile, std::to_string(watchdog.ProcessId()));

    DesktopModel& model = TheDesktopModel();
    model.desktopCount = 3;
    model.currentDesktop = 1;
    switchDesktop(1, 2);
    SetEvent(ready.Get());

    WaitForSingleObject(end.Get(), INFINITE);
    watchdog.ExitNormally();
    return 0;
}
