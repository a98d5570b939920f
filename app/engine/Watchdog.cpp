#include "Watchdog.h"

#include "SystemText.h"

#include "HiddenWindowsJournal.h"
#include "WatchdogCommandLine.h"

#include <vector>

namespace {

// Lets the child inherit exactly the listed handles. False when the system cannot limit
// inheritance; the handles are then inherited with every other inheritable one.
class InheritedHandleList {
public:
    explicit InheritedHandleList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        buffer_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.data());
        if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
        initialised_ = true;
        ready_ = UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                           handles_.size() * sizeof(HANDLE), nullptr, nullptr) != FALSE;
    }
    ~InheritedHandleList() {
        if (initialised_) DeleteProcThreadAttributeList(List());
    }
    InheritedHandleList(const InheritedHandleList&) = delete;
    InheritedHandleList& operator=(const InheritedHandleList&) = delete;

    bool Ready() const { return ready_; }
    LPPROC_THREAD_ATTRIBUTE_LIST List() { return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.data()); }

private:
    std::vector<HANDLE> handles_;
    std::vector<unsigned char> buffer_;
    bool initialised_ = false;
    bool ready_ = false;
};

}  // namespace

Watchdog::Watchdog(KernelHandle process, DWORD processId, KernelHandle normalEnd)
    : process_(std::move(process)), processId_(processId), normalEnd_(std::move(normalEnd)) {}

void Watchdog::ExitNormally() {
    if (normalEnd_) SetEvent(normalEnd_.Get());
}

Watchdog StartWatchdog(const std::wstring& storeRoot) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    KernelHandle normalEnd(CreateEventW(&inheritable, TRUE, FALSE, nullptr));
    KernelHandle ownProcess;
    if (!normalEnd || !DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(),
                                       ownProcess.Receive(), SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0))
        return {};

    WatchdogArguments arguments;
    arguments.programProcess = ownProcess.Get();
    arguments.programProcessId = GetCurrentProcessId();
    arguments.normalEnd = normalEnd.Get();
    arguments.journalPath = HiddenWindowsJournalPath(storeRoot);
    const std::wstring watchdogPath = ProgramFolder() + kWatchdogProgram;
    std::wstring commandLine = FormatWatchdogCommandLine(watchdogPath, arguments);

    InheritedHandleList inherited({ownProcess.Get(), normalEnd.Get()});
    STARTUPINFOEXW startup = {};
    startup.StartupInfo.cb = sizeof startup;
    DWORD flags = 0;
    if (inherited.Ready()) {
        startup.lpAttributeList = inherited.List();
        flags |= EXTENDED_STARTUPINFO_PRESENT;
    } else {
        startup.StartupInfo.cb = sizeof startup.StartupInfo;
    }
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(watchdogPath.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                        &startup.StartupInfo, &info))
        return {};
    KernelHandle thread(info.hThread);
    // Only the watchdog's copies of the two handles are needed from here on; the event
    // stays open here to be set at the normal end.
    return Watchdog(KernelHandle(info.hProcess), info.dwProcessId, std::move(normalEnd));
}
