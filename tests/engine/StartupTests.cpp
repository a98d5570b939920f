#include "DesktopModel.h"
#include "EngineTestPlaces.h"
#include "MessageBoxRecorder.h"
#include "Startup.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

class RecordingHooks : public StartupHooks {
public:
    RecordingHooks() { UseStartupHooks(this); }
    ~RecordingHooks() override { UseStartupHooks(nullptr); }
    void ShowSplash() override { calls.push_back("splash"); }
    void InitLanguage() override { calls.push_back("language"); }
    void RunLanguageDialogAtStart() override { calls.push_back("language dialog"); }
    void CreateHelpObject() override { calls.push_back("help"); }
    void LoadMainForm() override {
        calls.push_back("main form");
        installationKeyAtLoad = TheDesktopModel().installationKey;
    }
    void ReleaseHelpObject() override { calls.push_back("release help"); }

    std::vector<std::string> calls;
    std::wstring installationKeyAtLoad;
};

TEST(Main, FirstRunCreatesKeyStoreFolderAndBackupThenLoadsTheMainForm) {
    EngineTestPlaces places;
    places.Desktop().WriteFile(L"exact.txt", 100000);
    places.Desktop().WriteFile(L"over.txt", 100001);
    places.Desktop().Subfolder(L"folder");
    RecordingHooks hooks;

    Main();

    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"language", "language dialog", "help", "main form"}));
    const std::wstring key = places.AppValue(L"", L"Key");
    EXPECT_TRUE(std::regex_match(std::string(key.begin(), key.end()), std::regex("\\{[0-9A-F]{32}\\}"))) << "Key";
    EXPECT_EQ(TheDesktopModel().installationKey, key);
    EXPECT_EQ(hooks.installationKeyAtLoad, key);
    EXPECT_TRUE(UserKeyExists(places.Locations().installationKeyParent + key));
    EXPECT_TRUE(UserKeyExists(places.Locations().appKey + L"\\Wallpaper"));
    EXPECT_EQ(places.AppValue(L"", L"ShowSplash"), L"<absent>") << "reading a setting does not write it";
    EXPECT_EQ(FileSizeOf(places.StoreFolder(0) + L"exact.txt"), 100000);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(0) + L"over.txt"), -1);
    EXPECT_EQ(FileSizeOf(places.Desktop().Path() + L"exact.txt"), 100000) << "the backup leaves the desktop alone";
    EXPECT_FALSE(TheDesktopModel().useIcons);
}

TEST(Main, SecondRunKeepsTheInstallationKey) {
    EngineTestPlaces places;
    RecordingHooks hooks;
    Main();
    const std::wstring first = places.AppValue(L"", L"Key");
    TheDesktopModel() = DesktopModel();

    Main();
    EXPECT_EQ(places.AppValue(L"", L"Key"), first);
    EXPECT_EQ(TheDesktopModel().installationKey, first);
    EXPECT_EQ(hooks.calls.size(), 8u);
}

TEST(Main, AnyShowSplashTextButZeroShowsTheSplashAndUseIconsIsTaken) {
    struct Case {
        const wchar_t* text;
        bool splash;
    };
    for (const Case& c : {Case{L"0", false}, Case{L"1", true}, Case{L"yes", true}, Case{L"", true}}) {
        EngineTestPlaces places;
        places.SetAppValue(L"", L"ShowSplash", c.text);
        places.SetAppValue(L"", L"UseIcons", c.splash ? L"1" : L"0");
        RecordingHooks hooks;
        Main();
        std::string text(c.text, c.text + wcslen(c.text));
        ASSERT_FALSE(hooks.calls.empty());
        EXPECT_EQ(hooks.calls.front() == "splash", c.splash) << "ShowSplash=" << text;
        EXPECT_EQ(TheDesktopModel().useIcons, c.splash) << "UseIcons";
    }
}

TEST(Main, AStoreFileOfAnotherDesktopIsKeptByTheBackup) {
    EngineTestPlaces places;
    CreateDirectoryW(places.Locations().storeRoot.c_str(), nullptr);
    CreateDirectoryW(places.StoreFolder(0).c_str(), nullptr);
    HANDLE waiting = CreateFileW((places.StoreFolder(0) + L"note.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(waiting, "desktop 0", 9, &written, nullptr);
    CloseHandle(waiting);
    places.Desktop().WriteFile(L"note.txt", 4);  // desktop 2's note, left by a run that ended on desktop 2

    Main();
    EXPECT_EQ(FileSizeOf(places.StoreFolder(0) + L"note.txt"), 9);
    EXPECT_EQ(FileSizeOf(places.Desktop().Path() + L"note.txt"), 4);
}

TEST(Main, TheEndStepReleasesTheHelpObject) {
    RecordingHooks hooks;
    ProgramEndStep();
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"release help"});
}

}  // namespace
