#include "DialogDriver.h"
#include "FrmLogin.h"
#include "FrmLoginIds.h"
#include "MessageBoxRecorder.h"
#include "MlStringModule.h"
#include "PasswordHash.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FrmLoginTest : public testing::Test {
protected:
    void SetUp() override {
        InitLanguageRuntime();
        SetLanguage(Language::GermanAustria);
    }

    // Shows the prompt for stored and types each entry followed by OK, in one visit.
    bool Login(const std::wstring& stored, const std::vector<std::wstring>& entries) {
        FrmLogin login;
        login.Password(stored);
        DialogDriver driver([&](HWND dialog) {
            for (const std::wstring& entry : entries) {
                SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, entry.c_str());
                ClickButton(dialog, IDOK);
                if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return;
            }
            ClickButton(dialog, IDCANCEL);
        });
        login.Show();
        EXPECT_TRUE(driver.Ran());
        upgraded = login.UpgradedPassword();
        return login.LoginSucceeded();
    }

    MessageBoxRecorder boxes;
    std::wstring upgraded;
};

TEST_F(FrmLoginTest, TextsAreTheLanguagesOwn) {
    std::vector<std::wstring> texts;
    FrmLogin login;
    DialogDriver driver([&](HWND dialog) {
        texts = {WindowText(dialog), WindowText(GetDlgItem(dialog, IDC_LOGIN_LABEL)),
                 WindowText(GetDlgItem(dialog, IDOK)), WindowText(GetDlgItem(dialog, IDCANCEL))};
        ClickButton(dialog, IDCANCEL);
    });
    login.Show();
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Geschützter Desktop", L"&Kennwort:", L"OK", L"Abbrechen"}));
}

TEST_F(FrmLoginTest, OnlyTheExactPasswordOpens) {
    const std::wstring hashed = HashPassword(L"Geheim ", 1000);
    struct Case {
        std::wstring stored, entered;
        bool opens;
    } cases[] = {
        {hashed, L"Geheim ", true},  {hashed, L"geheim ", false}, {hashed, L"Geheim", false},
        {L"Alt", L"Alt", true},      {L"Alt", L"ALT", false},     {L"", L"", true},
        {L"", L" ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entered.begin(), c.entered.end()));
        boxes.Clear();
        EXPECT_EQ(Login(c.stored, {c.entered}), c.opens);
        EXPECT_EQ(boxes.Shown().size(), c.opens ? 0u : 1u);
    }
}

TEST_F(FrmLoginTest, PlainTextPasswordIsReplacedByItsHashAfterLogin) {
    EXPECT_TRUE(Login(L"Alt", {L"Alt"}));
    ASSERT_TRUE(IsPasswordHash(upgraded));
    EXPECT_TRUE(CheckPassword(upgraded, L"Alt").matches);

    EXPECT_TRUE(Login(upgraded, {L"Alt"}));
    EXPECT_TRUE(upgraded.empty());  // already a hash
    EXPECT_TRUE(Login(L"", {L""}));
    EXPECT_TRUE(upgraded.empty());  // never committed: nothing to replace
}

TEST_F(FrmLoginTest, ThreeWrongEntriesAreAnsweredThenTheFourthOkFailsWithoutComparing) {
    EXPECT_FALSE(Login(L"pw", {L"a", L"b", L"c", L"pw"}));
    ASSERT_EQ(boxes.Shown().size(), 3u);
    for (const MessageBoxRequest& box : boxes.Shown()) {
        EXPECT_EQ(box.text, L"Ungültiges Kennwort. Bitte versuchen Sie es noch einmal!");
        EXPECT_EQ(box.caption, L"Anmeldung");
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
    }
    boxes.Clear();
    EXPECT_TRUE(Login(L"pw", {L"a", L"b", L"pw"}));
    EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(FrmLoginTest, WrongEntryIsSelectedForRetyping) {
    DWORD start = 1, end = 0;
    FrmLogin login;
    login.Password(L"pw");
    DialogDriver driver([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"wrong");
        ClickButton(dialog, IDOK);
        SendMessageW(GetDlgItem(dialog, IDC_LOGIN_PASSWORD), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        ClickButton(dialog, IDCANCEL);
    });
    login.Show();
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST_F(FrmLoginTest, EnglishMessageAfterALanguageChange) {
    SetLanguage(Language::EnglishUs);
    EXPECT_FALSE(Login(L"pw", {L"x"}));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Wrong Password, try again!");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Login");
}

TEST_F(FrmLoginTest, CloseBoxEscapeAndCancelNeverGrantAccessEvenAfterASuccess) {
    FrmLogin login;
    login.Password(L"pw");
    DialogDriver first([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"pw");
        ClickButton(dialog, IDOK);
    });
    login.Show();
    ASSERT_TRUE(login.LoginSucceeded());

    const std::function<void(HWND)> closers[] = {
        [](HWND dialog) { CloseWithCloseBox(dialog); },
        [](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"pw");
            ClickButton(dialog, IDCANCEL);
        },
        [](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"pw");
            HWND edit = GetDlgItem(dialog, IDC_LOGIN_PASSWORD);
            SetFocus(edit);
            PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        },
    };
    for (const auto& close : closers) {
        DialogDriver driver(close);
        login.Show();
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(login.LoginSucceeded());
    }
}

TEST_F(FrmLoginTest, EnterPressesOk) {
    FrmLogin login;
    login.Password(L"pw");
    DialogDriver driver([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"pw");
        HWND edit = GetDlgItem(dialog, IDC_LOGIN_PASSWORD);
        SetFocus(edit);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    });
    login.Show();
    EXPECT_TRUE(login.LoginSucceeded());
}

}  // namespace
