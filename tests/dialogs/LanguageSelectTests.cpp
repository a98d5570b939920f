#include "DialogDriver.h"
#include "LanguageRuntime.h"
#include "LanguageSelect.h"
#include "LanguageSelectIds.h"
#include "MlStringModule.h"
#include "Reg_cls.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

namespace {

class LanguageSelectTest : public testing::Test {
protected:
    void SetUp() override {
        InitLanguageRuntime();
        SetLanguage(Language::GermanAustria);
    }
    std::wstring Stored(const wchar_t* name) {
        return Reg_cls().ValueRead(HKEY_CURRENT_USER, section, name, L"<missing>", REG_SZ);
    }
    void Store(const wchar_t* name, const std::wstring& value) {
        Reg_cls().ValueWrite(HKEY_CURRENT_USER, section, name, value, REG_SZ);
    }

    TempRegistryKey key;
    std::wstring section = key.Path() + L"\\MultiLang";
};

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_LANGUAGELIST); }

LRESULT SelectedIndex(HWND dialog) { return SendMessageW(List(dialog), LB_GETCURSEL, 0, 0); }

void Select(HWND dialog, long id) {
    auto count = SendMessageW(List(dialog), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendMessageW(List(dialog), LB_GETITEMDATA, i, 0) == id) SendMessageW(List(dialog), LB_SETCURSEL, i, 0);
}

TEST_F(LanguageSelectTest, FreshProfileShowsTheDialogWithoutSelectionAndStoresTheChoice) {
    struct Seen {
        std::wstring caption, checkBox;
        LRESULT selection = 0, entries = 0;
        bool stayedOpenWithoutSelection = false;
        std::wstring firstEntry;
    } seen;
    DialogDriver driver([&](HWND dialog) {
        seen.caption = WindowText(dialog);
        seen.checkBox = WindowText(GetDlgItem(dialog, IDC_SHOWONSTARTUP));
        seen.selection = SelectedIndex(dialog);
        seen.entries = SendMessageW(List(dialog), LB_GETCOUNT, 0, 0);
        wchar_t first[64] = {};
        SendMessageW(List(dialog), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        seen.firstEntry = first;
        ClickButton(dialog, IDOK);  // nothing selected: the dialog stays
        seen.stayedOpenWithoutSelection = IsWindowVisible(dialog) != FALSE;
        Select(dialog, Language::EnglishUs);
        ClickButton(dialog, IDOK);
    });

    LanguageSelect(section).ShowDialog(true);

    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(seen.caption, L"Sprache wählen");
    EXPECT_EQ(seen.checkBox, L"Diesen Dialog beim Start anzeigen");
    EXPECT_EQ(seen.selection, LB_ERR);
    EXPECT_EQ(seen.entries, 2);
    EXPECT_EQ(seen.firstEntry, L"Deutsch (Österreich)");
    EXPECT_TRUE(seen.stayedOpenWithoutSelection);

    EXPECT_EQ(CurrentLanguage(), Language::EnglishUs);
    EXPECT_EQ(LangString(8), L"E&xit");
    EXPECT_EQ(Stored(L"LangId"), L"1033");
    EXPECT_EQ(Stored(L"LangName"), L"Englisch (USA)");
    EXPECT_EQ(Stored(L"ShowDialog"), L"-1");
}

TEST_F(LanguageSelectTest, OkAnnouncesTheChangeToEveryTakingPartDialog) {
    std::vector<long> announced;
    langruntime::RuntimeSupport trayForm([&](long id, const std::wstring&) { announced.push_back(id); });
    std::wstring captionAfterChange;
    DialogDriver driver([&](HWND dialog) {
        Select(dialog, Language::EnglishUs);
        ClickButton(dialog, IDOK);
        captionAfterChange = WindowText(dialog);
    });
    LanguageSelect(section).ShowDialog(false);
    EXPECT_EQ(announced, std::vector<long>{Language::EnglishUs});
    EXPECT_EQ(captionAfterChange, L"Select Language");  // the dialog re-texts itself too
}

TEST_F(LanguageSelectTest, ClearedCheckBoxStoresZeroAndTheNextStartShowsNoDialog) {
    DialogDriver first([&](HWND dialog) {
        Select(dialog, Language::EnglishUs);
        CheckDlgButton(dialog, IDC_SHOWONSTARTUP, BST_UNCHECKED);
        ClickButton(dialog, IDOK);
    });
    LanguageSelect(section).ShowDialog(true);
    ASSERT_TRUE(first.Ran());
    EXPECT_EQ(Stored(L"ShowDialog"), L"0");

    SetLanguage(Language::GermanAustria);
    std::vector<std::pair<long, std::wstring>> announced;
    langruntime::RuntimeSupport loaded([&](long id, const std::wstring& name) { announced.emplace_back(id, name); });
    DialogDriver second([](HWND dialog) { CloseWithCloseBox(dialog); });
    LanguageSelect(section).ShowDialog(true);

    EXPECT_FALSE(second.Ran());
    EXPECT_EQ(CurrentLanguage(), Language::EnglishUs);
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0], std::make_pair(long(Language::EnglishUs), std::wstring(L"Englisch (USA)")));
}

TEST_F(LanguageSelectTest, MenuOpensTheDialogEvenWhenTurnedOffAndTickingTurnsItBackOn) {
    Store(L"LangId", L"3079");
    Store(L"ShowDialog", L"0");
    LRESULT selection = LB_ERR;
    UINT checked = BST_CHECKED;
    DialogDriver driver([&](HWND dialog) {
        selection = SelectedIndex(dialog);
        checked = IsDlgButtonChecked(dialog, IDC_SHOWONSTARTUP);
        CheckDlgButton(dialog, IDC_SHOWONSTARTUP, BST_CHECKED);
        ClickButton(dialog, IDOK);
    });
    LanguageSelect(section).ShowDialog(false);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(selection, 0);  // the current language, German, is selected
    EXPECT_EQ(checked, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Stored(L"ShowDialog"), L"-1");
    EXPECT_EQ(Stored(L"LangId"), L"3079");
}

TEST_F(LanguageSelectTest, ClosingWithoutOkKeepsLanguageAndFlagAndStillWritesThem) {
    struct Case {
        const wchar_t* storedId;
        const wchar_t* expectedId;
        const wchar_t* expectedName;
    } cases[] = {
        {L"1033", L"1033", L"Englisch (USA)"},
        {L"2057", L"1031", L"Invalid Language Index"},
        {L"not a number", L"1031", L"Invalid Language Index"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.storedId, c.storedId + wcslen(c.storedId)));
        Store(L"LangId", c.storedId);
        Store(L"ShowDialog", L"-1");
        DialogDriver driver([](HWND dialog) { CloseWithCloseBox(dialog); });
        LanguageSelect(section).ShowDialog(true);
        ASSERT_TRUE(driver.Ran());
        EXPECT_EQ(Stored(L"LangId"), c.expectedId);
        EXPECT_EQ(Stored(L"LangName"), c.expectedName);
        EXPECT_EQ(Stored(L"ShowDialog"), L"-1");
    }
}

}  // namespace
