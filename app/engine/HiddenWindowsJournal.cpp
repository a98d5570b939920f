#include "HiddenWindowsJournal.h"

#include "AppError.h"
#include "FileRoutines.h"
#include "ScopedHandle.h"

#include <cstdlib>
#include <sstream>

namespace {

constexpr char kHeader[] = "Hexaplane hidden windows 1";

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Escape(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\r': escaped += "\\r"; break;
        case '\n': escaped += "\\n"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::string Unescape(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        char next = text[++i];
        plain += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return plain;
}

std::vector<std::string> SplitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

bool ParseInteger(const std::string& text, int base, unsigned long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoull(text.c_str(), &end, base);
    return end == text.c_str() + text.size();
}

void RaiseLastFileError() {
    throw RuntimeFailure(RuntimeFileError(GetLastError()));
}

}  // namespace

std::wstring HiddenWindowsJournalPath(const std::wstring& storeRoot) { return storeRoot + L"HiddenWindows.txt"; }

std::string FormatHiddenWindowsJournal(const DesktopModel& model, int shownDesktop) {
    std::ostringstream out;
    out << kHeader << "\r\nshown\t" << shownDesktop << "\r\n";
    for (int desktop = 0; desktop < kDesktopLimit; ++desktop) {
        if (desktop == shownDesktop) continue;
        const auto& row = model.Recorded(desktop);
        for (size_t slot = 0; slot < row.size(); ++slot) {
            out << "window\t" << desktop << '\t' << slot << '\t' << std::hex
                << reinterpret_cast<uintptr_t>(row[slot].hwnd) << std::dec << '\t' << row[slot].processId << '\t'
                << Escape(ToUtf8(row[slot].caption)) << "\r\n";
        }
    }
    return out.str();
}

std::optional<HiddenWindowsJournal> ParseHiddenWindowsJournal(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    auto nextLine = [&]() -> bool {
        if (!std::getline(in, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };
    if (!nextLine() || line != kHeader) return std::nullopt;

    HiddenWindowsJournal journal;
    while (nextLine()) {
        std::vector<std::string> fields = SplitAtTabs(line);
        if (fields.size() == 2 && fields[0] == "shown") {
            journal.shownDesktop = std::atoi(fields[1].c_str());
            continue;
        }
        if (fields.size() != 6 || fields[0] != "window") continue;
        unsigned long long desktop = 0, slot = 0, handle = 0, process = 0;
        if (!ParseInteger(fields[1], 10, desktop) || !ParseInteger(fields[2], 10, slot) ||
            !ParseInteger(fields[3], 16, handle) || !ParseInteger(fields[4], 10, process))
            continue;
        JournalWindow entry;
        entry.desktop = static_cast<int>(desktop);
        entry.slot = static_cast<int>(slot);
        entry.window.hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(handle));
        entry.window.processId = static_cast<DWORD>(process);
        entry.window.caption = FromUtf8(Unescape(fields[5]));
        journal.windows.push_back(std::move(entry));
    }
    return journal;
}

void WriteHiddenWindowsJournal(const std::wstring& storeRoot, const DesktopModel& model, int shownDesktop) {
    const std::string text = FormatHiddenWindowsJournal(model, shownDesktop);
    const std::wstring path = HiddenWindowsJournalPath(storeRoot);
    const std::wstring pending = storeRoot + L"HiddenWindows.tmp";
    {
        KernelHandle file(
            CreateFileW(pending.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) RaiseLastFileError();
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size())
            RaiseLastFileError();
    }
    if (!MoveFileExW(pending.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) RaiseLastFileError();
}

std::optional<HiddenWindowsJournal> ReadHiddenWindowsJournal(const std::wstring& storeRoot) {
    KernelHandle file(CreateFileW(HiddenWindowsJournalPath(storeRoot).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return ParseHiddenWindowsJournal(text);
}
