#pragma once
// Shared pieces of the desktop icon tests: a throwaway store root for layout files, a
// rebuild timer that only records, the main window that gets the hook's reports, and
// direct access to layout files.
#include "Background.h"
#include "DesktopIconTweaking.h"
#include "EngineLocations.h"
#include "IconMirror.h"
#include "RebuildTimer.h"
#include "SubclassCallback.h"
#include "TestFolders.h"
#include "WindowSubclasser.h"

#include <windows.h>

#include <memory>
#include <string>

// Layout files go to a fresh folder; the located desktop windows start empty.
class IconPlaces {
public:
    IconPlaces();
    ~IconPlaces();
    IconPlaces(const IconPlaces&) = delete;
    IconPlaces& operator=(const IconPlaces&) = delete;

    std::wstring LayoutFile(int desktop) const;

private:
    TempFolder store_;
    EngineLocations previous_;
};

// tmrRebuild without a real timer: a test fires it through tmrRebuild_Timer.
class RecordingTimer : public RebuildTimer {
public:
    void SetInterval(UINT milliseconds) override {
        interval_ = milliseconds;
        if (milliseconds != 0) ++starts_;
    }
    UINT Interval() const override { return interval_; }
    int Starts() const { return starts_; }

private:
    UINT interval_ = 0;
    int starts_ = 0;
};

// A hidden main window of this process, subclassed so that the hook's reports reach the
// tweaking object, with the mirror and the tweaking object of a main form.
class MainFormIcons : private SubclassCallback {
public:
    explicit MainFormIcons(RebuildTimer* timer = nullptr, std::wstring hookLibrary = {});
    ~MainFormIcons();
    MainFormIcons(const MainFormIcons&) = delete;
    MainFormIcons& operator=(const MainFormIcons&) = delete;

    HWND Window() const { return window_; }
    IconMirror& Mirror() { return mirror_; }
    DesktopIconTweaking& Tweaking() { return *tweaking_; }
    RecordingTimer& Timer() { return recordingTimer_; }
    int ReportsSeen() const { return reportsSeen_; }
    // "code:index" of every report, oldest first.
    std::wstring ReportLog() const { return reportLog_; }

private:
    void zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                  LONG_PTR& userValue) override;

    HWND window_ = nullptr;
    WindowSubclasser subclasser_{L"frmSettings"};
    IconMirror mirror_;
    RecordingTimer recordingTimer_;
    std::unique_ptr<DesktopIconTweaking> tweaking_;
    int reportsSeen_ = 0;
    std::wstring reportLog_;
};

// Writes a layout file byte for byte (ANSI text).
void WriteRawFile(const std::wstring& path, const std::string& text);
// A value of a layout file, read without the code under test; "<absent>" when missing.
std::wstring LayoutValue(const std::wstring& file, const std::wstring& section, const std::wstring& key);
// Every key of a section, in file order.
std::vector<std::wstring> LayoutKeys(const std::wstring& file, const std::wstring& section);
// Lets waiting messages of this thread run until done() or about ten seconds passed.
template <typename Done>
bool PumpUntil(Done&& done) {
    for (int round = 0; round < 1000 && !done(); ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}
