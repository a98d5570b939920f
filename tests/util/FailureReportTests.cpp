#include "FailureReport.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

TEST(FailureReport, TextNamesNumberDescriptionProcedureKindAndModule) {
    AppError error(53, L"Plexor", L"File not found");
    struct Case {
        ModuleKind kind;
        const wchar_t* expected;
    } cases[] = {
        {ModuleKind::Module, L"Error 53 (File not found) in procedure switchDesktop of Modul modWindowFunctions"},
        {ModuleKind::Form, L"Error 53 (File not found) in procedure switchDesktop of Formular modWindowFunctions"},
        {ModuleKind::ClassModule,
         L"Error 53 (File not found) in procedure switchDesktop of Klassenmodul modWindowFunctions"},
        {ModuleKind::UserControl,
         L"Error 53 (File not found) in procedure switchDesktop of Benutzersteuerelement modWindowFunctions"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFailureReport(error, {L"switchDesktop", c.kind, L"modWindowFunctions"}), c.expected);
}

TEST(FailureReport, ShownWithOnlyOkNoIconAndProgramCaption) {
    MessageBoxRecorder boxes;
    ShowFailureReport(AppError(5, L"x", L"Access is denied."), {L"Main", ModuleKind::Module, L"Main_mod"});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Error 5 (Access is denied.) in procedure Main of Modul Main_mod");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Hexaplane");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OK));
}

TEST(FailureReport, RunReportedReturnsNeutralResultAfterReporting) {
    MessageBoxRecorder boxes;
    int result = RunReported({L"Work", ModuleKind::Form, L"frmSettings"}, 0, []() -> int {
        throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Error 9 (Subscript out of range) in procedure Work of Formular frmSettings");

    boxes.Clear();
    EXPECT_EQ(RunReported({L"Work", ModuleKind::Form, L"frmSettings"}, 0, [] { return 42; }), 42);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(FailureReport, RecorderAnswersFromItsQueueThenWithTheDefaultButton) {
    MessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    EXPECT_EQ(ShowMessageBox(L"Delete?", L"Hexaplane", MB_YESNO), IDNO);
    EXPECT_EQ(ShowMessageBox(L"Delete?", L"Hexaplane", MB_YESNO), IDYES);
    EXPECT_EQ(ShowMessageBox(L"Delete?", L"Hexaplane", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(boxes.Shown().size(), 3u);
}
