#pragma once
// Starts the Explorer stand-in (explorer_standin.exe, beside the running test) with its
// desktop icons, drives it, and ends it again when the object goes away.
#include "ScopedHandle.h"

#include <windows.h>

#include <string>
#include <vector>

class StandInDesktop {
public:
    // arguments: "autoarrange", "activedesktop", "item:<caption>[@x,y]".
    explicit StandInDesktop(const std::vector<std::wstring>& arguments);
    ~StandInDesktop();
    StandInDesktop(const StandInDesktop&) = delete;
    StandInDesktop& operator=(const StandInDesktop&) = delete;

    bool Started() const { return progman_ != nullptr; }
    HWND Progman() const { return progman_; }
    HWND View() const;
    HWND ListView() const;
    DWORD ProcessId() const { return processId_; }

    int Add(const std::wstring& captionAndPlace);
    bool Rename(int index, const std::wstring& caption);
    bool Delete(int index);
    POINT Position(int index) const;
    void Move(int index, POINT point);
    int Count() const;
    LONG_PTR ListViewStyle() const;
    HWND OpenDialog();
    void CloseDialog();
    // Moves made before auto-arrange was switched off; -1 when it never was.
    int MovesBeforeArrangeOff() const;
    void Repaint();

private:
    LRESULT SendText(ULONG_PTR command, const std::wstring& text);

    KernelHandle process_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND progman_ = nullptr;
};

POINT Pt(int x, int y);
bool SamePoint(POINT a, POINT b);
