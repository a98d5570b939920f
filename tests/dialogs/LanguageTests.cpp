#include "ExpectedStrings.h"
#include "LanguageRuntime.h"
#include "MlStringModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class LanguageTest : public testing::Test {
protected:
    void SetUp() override { InitLanguageRuntime(); }
    void TearDown() override { SetLanguage(Language::GermanAustria); }
};

TEST_F(LanguageTest, EveryTextOfTheTableInBothLanguages) {
    for (const ExpectedString& row : kExpectedStrings) {
        SCOPED_TRACE(row.number);
        SetLanguage(Language::GermanAustria);
        EXPECT_EQ(LangString(row.number), row.german);
        SetLanguage(Language::EnglishUs);
        EXPECT_EQ(LangString(row.number), row.english);
    }
}

TEST_F(LanguageTest, UnlistedNumbersHaveNoText) {
    SetLanguage(Language::EnglishUs);
    for (int number : {0, 3, 13, 20, 37, 41, 71, 72, 74, 100}) EXPECT_EQ(LangString(number), L"") << number;
}

TEST_F(LanguageTest, FallbackLanguageTakesTheGermanTexts) {
    SetLanguage(Language::Fallback);
    EXPECT_EQ(CurrentLanguage(), Language::Fallback);
    EXPECT_EQ(LangString(8), L"E&nde");
    EXPECT_EQ(LangString(73), L"Rechtsklick für Optionen");
}

TEST_F(LanguageTest, SetLanguageKeepsOnlySupportedIds) {
    struct Case {
        long requested, current;
    } cases[] = {{3079, 3079}, {1033, 1033}, {1031, 1031}, {0, 1031}, {2057, 1031}, {-1, 1031}};
    for (const Case& c : cases) {
        SetLanguage(c.requested);
        EXPECT_EQ(CurrentLanguage(), c.current) << c.requested;
    }
    EXPECT_EQ(SupportedLanguages(), (std::vector<long>{3079, 1033}));
}

TEST_F(LanguageTest, LanguageNamesAreFixed) {
    EXPECT_EQ(LanguageName(1033), L"Englisch (USA)");
    EXPECT_EQ(LanguageName(3079), L"Deutsch (Österreich)");
    EXPECT_EQ(LanguageName(1031), L"Invalid Language Index");
}

TEST(RuntimeSupport, AnnouncementReachesEveryLiveObjectIncludingTheAnnouncer) {
    std::vector<std::string> calls;
    auto record = [&](const char* who) {
        return [&calls, who](long id, const std::wstring& name) {
            calls.push_back(std::string(who) + ":" + std::to_string(id) + ":" + Narrow(name));
        };
    };
    langruntime::RuntimeSupport first(record("first"));
    {
        langruntime::RuntimeSupport released(record("released"));
    }
    langruntime::RuntimeSupport second(record("second"));
    second.Announce(1033, L"Englisch (USA)");
    EXPECT_EQ(calls, (std::vector<std::string>{"first:1033:Englisch (USA)", "second:1033:Englisch (USA)"}));
}

TEST(RuntimeSupport, ObjectReleasedDuringAnAnnouncementIsNotCalled) {
    std::unique_ptr<langruntime::RuntimeSupport> later;
    int laterCalls = 0;
    langruntime::RuntimeSupport closer([&](long, const std::wstring&) { later.reset(); });
    later = std::make_unique<langruntime::RuntimeSupport>([&](long, const std::wstring&) { ++laterCalls; });
    size_t liveBefore = langruntime::RuntimeSupport::LiveCount();
    closer.Announce(3079, L"Deutsch (Österreich)");
    EXPECT_EQ(laterCalls, 0);
    EXPECT_EQ(langruntime::RuntimeSupport::LiveCount(), liveBefore - 1);
}

}  // namespace
