#include "IconTestSupport.h"

#include "SubclassBlock.h"

#include <vector>

IconPlaces::IconPlaces() : previous_(CurrentEngineLocations()) {
    EngineLocations locations = previous_;
    locations.storeRoot = store_.Path();
    UseEngineLocations(locations);
    TheDesktopViewWindows() = {};
}

IconPlaces::~IconPlaces() {
    UseEngineLocations(previous_);
    TheDesktopViewWindows() = {};
}

std::wstring IconPlaces::LayoutFile(int desktop) const { return store_.Path() + std::to_wstring(desktop) + L".twk"; }

MainFormIcons::MainFormIcons(RebuildTimer* timer, std::wstring hookLibrary) {
    window_ = CreateWindowExW(0, L"STATIC", L"Brannock's Polyplane Settings", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    subclasser_.sc_Subclass(window_, 0, this);
    if (hookLibrary.empty()) hookLibrary = DesktopIconTweaking::DefaultHookLibraryPath();
    tweaking_ = std::make_unique<DesktopIconTweaking>(window_, mirror_, timer ? *timer : recordingTimer_, &subclasser_,
                                                      hookLibrary);
}

MainFormIcons::~MainFormIcons() {
    tweaking_.reset();
    subclasser_.sc_UnSubclassAll();
    DestroyWindow(window_);
}

void MainFormIcons::zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND, UINT uMsg, WPARAM wParam,
                             LPARAM lParam, LONG_PTR&) {
    // Only the hook's message is watched: after a release it still arrives here if the
    // hook went on reporting.
    if (!bBefore) return;
    ++reportsSeen_;
    reportLog_ += std::to_wstring(static_cast<int32_t>(wParam)) + L":" + std::to_wstring(static_cast<int32_t>(lParam)) + L" ";
    if (tweaking_ && uMsg == tweaking_->tweakMessage()) tweaking_->OnTweakReport(wParam, lParam, bHandled, lReturn);
}

void WriteRawFile(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring LayoutValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[1024] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<absent>", buffer, 1024, file.c_str());
    return buffer;
}

std::vector<std::wstring> LayoutKeys(const std::wstring& file, const std::wstring& section) {
    std::vector<wchar_t> buffer(32768);
    DWORD length = GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer.data(),
                                            static_cast<DWORD>(buffer.size()), file.c_str());
    std::vector<std::wstring> keys;
    for (DWORD start = 0; start < length;) {
        std::wstring key(buffer.data() + start);
        if (key.empty()) break;
        start += static_cast<DWORD>(key.size()) + 1;
        keys.push_back(key);
    }
    return keys;
}
