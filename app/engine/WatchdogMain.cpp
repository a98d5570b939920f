// PlexorWatchdog: started by Plexor, waits for Plexor's process to end. Unless Plexor
// announced its normal end first, it shows every window of the hidden windows journal that
// still exists, still belongs to its recorded process and is still hidden.
#include "HiddenWindowsJournal.h"
#include "PathRoutines.h"
#include "ScopedHandle.h"
#include "WatchdogCommandLine.h"
#include "WindowRecovery.h"

#include <windows.h>

namespace {

// The program's process as inherited; by its id when the inherited handle is no use.
KernelHandle ProgramProcess(const WatchdogArguments& arguments) {
    HANDLE own = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), arguments.programProcess, GetCurrentProcess(), &own, SYNCHRONIZE, FALSE,
                        0))
        return KernelHandle(own);
    return KernelHandle(OpenProcess(SYNCHRONIZE, FALSE, arguments.programProcessId));
}

bool IsSet(HANDLE event) { return event && WaitForSingleObject(event, 0) == WAIT_OBJECT_0; }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::optional<WatchdogArguments> arguments = ParseWatchdogCommandLine(GetCommandLineW());
    if (!arguments) return 2;
    KernelHandle program = ProgramProcess(*arguments);
    if (!program) return 3;

    HANDLE waitFor[] = {arguments->normalEnd, program.Get()};
    DWORD woken = WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
    // Without a usable event only the program's end can be waited for.
    if (woken == WAIT_FAILED) woken = WaitForSingleObject(program.Get(), INFINITE) == WAIT_OBJECT_0 ? WAIT_OBJECT_0 + 1 : WAIT_FAILED;
    if (woken != WAIT_OBJECT_0 + 1) return woken == WAIT_OBJECT_0 ? 0 : 3;
    if (IsSet(arguments->normalEnd)) return 0;

    const std::wstring storeRoot = AddBackslash(PathFolderPart(arguments->journalPath));
    std::optional<HiddenWindowsJournal> journal = ReadHiddenWindowsJournal(storeRoot);
    if (journal) ShowJournalledWindows(*journal);
    return 1;
}
