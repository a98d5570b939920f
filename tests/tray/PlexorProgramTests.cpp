// Plexor.exe as its own process, driven only through window messages as the shell and
// the user would: the tray icon's callback, a menu chosen with the keyboard, a menu
// command, and WM_CLOSE. The program runs under a name of its own, so its settings,
// store folder and installation key are throwaway ones.
#include "EngineTestPlaces.h"
#include "FrmSettings.h"
#include "MainFormTestSupport.h"
#include "PathRoutines.h"
#include "ScopedHandle.h"
#include "TestFolders.h"
#include "WindowOwnerProcess.h"

#include "SystemText.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace {

// Everything a run of the program under name leaves behind, removed at the end.
class ProgramProfile {
public:
    explicit ProgramProfile(std::wstring name) : name_(std::move(name)) {}
    ~ProgramProfile() {
        const std::wstring key = ReadUserValue(AppKey(), L"Key");
        if (key != L"<absent>" && !key.empty())
            RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Microsoft\\Windows\\CurrentVersion\\" + key).c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, AppKey().c_str());
        wchar_t appData[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) {
            std::wstring store = AddBackslash(appData) + name_;
            store.push_back(L'\0');  // the operation takes a list ending in an empty name
            SHFILEOPSTRUCTW operation = {};
            operation.wFunc = FO_DELETE;
            operation.pFrom = store.c_str();
            operation.fFlags = FOF_NO_UI;
            SHFileOperationW(&operation);
        }
    }
    std::wstring AppKey() const { return L"Software\\Brannock\\" + name_; }

private:
    std::wstring name_;
};

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner != search.processId || std::wstring(className) != search.className) return TRUE;
    if (std::wstring(className) == L"#32768" && !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

HWND WindowOfProcess(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether the notification area holds the icon the form added (its id is the window).
bool TrayIconExists(HWND form) {
    NOTIFYICONDATAW record = {};
    record.cbSize = sizeof record;
    record.hWnd = form;
    record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(form));
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool HubAnswers(HWND form) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(form, WM_DISPLAYCHANGE, 32, 0, SMTO_ABORTIFHUNG, 2000, &result) && result == 1;
}

TEST(PlexorProgram, RunsFromTheTraySwitchesDesktopsAndEndsWhenItsFormIsClosed) {
    ASSERT_TRUE(RegisterScreenShotLibrary());
    SystemBackgroundGuard background;
    TempFolder folder;
    const std::wstring name = L"PlexorRun" + std::to_wstring(GetCurrentProcessId());
    const std::wstring program = folder.Path() + name + L".exe";
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"Plexor.exe").c_str(), program.c_str(), FALSE));
    ProgramProfile profile(name);
    WriteUserValue(profile.AppKey() + L"\\MultiLang", L"ShowDialog", L"0");
    WriteUserValue(profile.AppKey() + L"\\Desktop", L"Count", L"2");

    WindowOwnerProcess owner({L"titled:Letter"});
    ASSERT_TRUE(owner.Started());
    HWND letter = owner.Window(1);

    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &info));
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);

    HWND form = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (form = WindowOfProcess(info.dwProcessId, L"HexaplaneFrmSettings")) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return HubAnswers(form); })) << "loading ends with the message hub in place";
    EXPECT_TRUE(TrayIconExists(form));

    // Wine has no shell desktop with icons: the icon set-up says so in a box the user
    // answers, and the main window stays shown with its (empty) icon list.
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = WindowOfProcess(info.dwProcessId, L"#32770")) != nullptr; }));
    wchar_t boxCaption[64] = {};
    GetWindowTextW(box, boxCaption, 64);
    EXPECT_STREQ(boxCaption, L"Cannot Customize");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindowVisible(form));
    wchar_t caption[128] = {};
    GetWindowTextW(form, caption, 128);
    EXPECT_STREQ(caption, L"Brannock's Polyplane Settings");

    // Right button released over the icon: the menu comes up; the second entry is desktop 2.
    PostMessageW(form, RegisterWindowMessageA(kTrayMessageName), reinterpret_cast<WPARAM>(form), WM_RBUTTONUP);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = WindowOfProcess(info.dwProcessId, L"#32768")) != nullptr; }));
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(popup, WM_KEYDOWN, key, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(letter); })) << "desktop 1's window is hidden on desktop 2";

    // The menu command of desktop 1 brings it back.
    PostMessageW(form, WM_COMMAND, MAKEWPARAM(kFirstDesktopCommand, 0), 0);
    EXPECT_TRUE(WaitUntil([&] { return IsShown(letter); }));

    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(TrayIconExists(form)) << "the icon left with the program";
}

}  // namespace
