// The screenshot control hosted by class name: what Shot takes in each mode, Done,
// the errors it reports, ScreenShotMode and Window, and its size at run time and in a
// designer.
#include "MessageBoxRecorder.h"
#include "VantorTestSupport.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <string>

namespace {

std::wstring ReportText(long number, const std::wstring& description, const std::wstring& procedure) {
    return L"Error " + std::to_wstring(number) + L" (" + description + L") in procedure " + procedure +
           L" of Benutzersteuerelement ScreenShot";
}

void ExpectOneReport(const MessageBoxRecorder& boxes, const std::wstring& text) {
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, text);
    EXPECT_EQ(boxes.Shown()[0].caption, L"Hexaplane");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OK));
}

ComPtr<IDispatch> PictureOf(const Variant& value) {
    return value.Type() == VT_DISPATCH ? ComPtr<IDispatch>(value.Get().pdispVal) : ComPtr<IDispatch>();
}

class ScreenShotTest : public testing::Test {
protected:
    PaintedWindow painted_{40, 40, 320, 240};
    ScreenShotForm form_;
};

TEST_F(ScreenShotTest, ScreenModeTakesTheWholeScreenWhateverWindowHolds) {
    form_.Control().Put(L"Window", painted_.HandleValue());
    Variant shot = form_.Control().Call(L"Shot");

    PictureBits bits = BitsOf(PictureOf(shot).Get());
    EXPECT_EQ(bits.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(bits.height, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(ScreenShotTest, WindowModeTakesTheOuterRectangleWithWhatTheWindowDrew) {
    Variant shot = form_.Control().Call(L"Shot", {1, painted_.HandleValue()});

    RECT outer, client;
    GetWindowRect(painted_.Handle(), &outer);
    GetClientRect(painted_.Handle(), &client);
    POINT clientOrigin{0, 0};
    ClientToScreen(painted_.Handle(), &clientOrigin);
    PictureBits bits = BitsOf(PictureOf(shot).Get());
    ASSERT_EQ(bits.width, outer.right - outer.left);
    ASSERT_EQ(bits.height, outer.bottom - outer.top);
    // The client area sits inside the frame at its offset from the window's corner.
    const int x = clientOrigin.x - outer.left + client.right / 2;
    const int y = clientOrigin.y - outer.top + client.bottom / 2;
    EXPECT_EQ(bits.At(x, y), RgbOf(PaintedWindow::kColour));
}

TEST_F(ScreenShotTest, ClientModeTakesOnlyTheClientAreaPixelForPixel) {
    Variant shot = form_.Control().Call(L"Shot", {2, painted_.HandleValue()});

    RECT client;
    GetClientRect(painted_.Handle(), &client);
    PictureBits bits = BitsOf(PictureOf(shot).Get());
    ASSERT_EQ(bits.width, client.right);
    ASSERT_EQ(bits.height, client.bottom);
    int others = 0;
    for (DWORD pixel : bits.pixels) others += pixel != RgbOf(PaintedWindow::kColour);
    EXPECT_EQ(others, 0);
}

TEST_F(ScreenShotTest, ShotWithoutArgumentsUsesTheStoredModeAndWindow) {
    form_.Control().Put(L"ScreenShotMode", 2);
    form_.Control().Put(L"Window", painted_.HandleValue());
    Variant shot = form_.Control().Call(L"Shot");

    RECT client;
    GetClientRect(painted_.Handle(), &client);
    PictureBits bits = BitsOf(PictureOf(shot).Get());
    EXPECT_EQ(bits.width, client.right);
    EXPECT_EQ(bits.height, client.bottom);
}

TEST_F(ScreenShotTest, DoneFiresOncePerSuccessfulShotWithThePicture) {
    Variant screen = form_.Control().Call(L"Shot", {0});
    Variant window = form_.Control().Call(L"Shot", {1, painted_.HandleValue()});
    Variant client = form_.Control().Call(L"Shot", {2, painted_.HandleValue()});

    ASSERT_EQ(form_.DonePictures().size(), 3u);
    EXPECT_EQ(form_.DonePictures()[0].Get(), PictureOf(screen).Get());
    EXPECT_EQ(form_.DonePictures()[1].Get(), PictureOf(window).Get());
    EXPECT_EQ(form_.DonePictures()[2].Get(), PictureOf(client).Get());
    EXPECT_EQ(PictureOf(form_.Control().Get(L"Picture")).Get(), PictureOf(client).Get());
}

struct InvalidShotCase {
    const char* name;
    long mode;
    bool destroyedWindow;  // else the handle 0
    bool throughProperties;  // Shot() with ScreenShotMode and Window set before
};

class InvalidWindowShot : public ScreenShotTest, public testing::WithParamInterface<InvalidShotCase> {};

TEST_P(InvalidWindowShot, ReportsTheHandleReturnsNothingAndRaisesNoDone) {
    const InvalidShotCase& c = GetParam();
    const LONG handle = c.destroyedWindow ? DestroyedWindowHandle() : 0;
    Variant shot;
    MessageBoxRecorder boxes;
    if (c.throughProperties) {
        form_.Control().Put(L"ScreenShotMode", c.mode);
        form_.Control().Put(L"Window", handle);  // reports in Window first
        boxes.Clear();
        shot = form_.Control().Call(L"Shot");
    } else {
        shot = form_.Control().Call(L"Shot", {c.mode, handle});
    }

    ExpectOneReport(boxes, ReportText(-2147211504, L"Ungültiges Fenster-Handle: " + std::to_wstring(handle), L"Shot"));
    EXPECT_TRUE(shot.IsNothing());
    EXPECT_TRUE(form_.DonePictures().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, InvalidWindowShot,
                         testing::Values(InvalidShotCase{"WindowModeHandleZero", 1, false, false},
                                         InvalidShotCase{"ClientModeDestroyedWindow", 2, true, false},
                                         InvalidShotCase{"StoredWindowDestroyed", 1, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScreenShotTest, ArgumentsThatAreNoModeAreReportedAsSuch) {
    MessageBoxRecorder boxes;
    Variant badMode = form_.Control().Call(L"Shot", {5, painted_.HandleValue()});
    Variant notANumber = form_.Control().Call(L"Shot", {L"screen"});

    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, ReportText(5, L"Invalid procedure call or argument", L"Shot"));
    EXPECT_EQ(boxes.Shown()[1].text, ReportText(13, L"Type mismatch", L"Shot"));
    EXPECT_TRUE(badMode.IsNothing());
    EXPECT_TRUE(notANumber.IsNothing());
    EXPECT_TRUE(form_.DonePictures().empty());
}

TEST_F(ScreenShotTest, ModeThreeReports380AndKeepsTheOldMode) {
    form_.Control().Put(L"ScreenShotMode", 2);
    form_.Control().ForgetChanges();
    MessageBoxRecorder boxes;
    form_.Control().Put(L"ScreenShotMode", 3);

    ExpectOneReport(boxes, ReportText(380, L"Invalid property value", L"ScreenShotMode"));
    EXPECT_EQ(form_.Control().Get(L"ScreenShotMode").AsLong(), 2);
    EXPECT_TRUE(form_.Control().ChangedProperties().empty());
}

TEST_F(ScreenShotTest, NegativeModeIsRejectedToo) {
    MessageBoxRecorder boxes;
    form_.Control().Put(L"ScreenShotMode", -1);

    ExpectOneReport(boxes, ReportText(380, L"Invalid property value", L"ScreenShotMode"));
    EXPECT_EQ(form_.Control().Get(L"ScreenShotMode").AsLong(), 0);
}

TEST_F(ScreenShotTest, SettingTheCurrentModeOnlyMarksItChanged) {
    ComPtr<IPersistStreamInit> persist;
    ASSERT_HRESULT_SUCCEEDED(form_.Control().Object()->QueryInterface(IID_PPV_ARGS(&persist)));
    ASSERT_EQ(persist->IsDirty(), S_FALSE);

    form_.Control().Put(L"ScreenShotMode", 0);

    EXPECT_EQ(form_.Control().Get(L"ScreenShotMode").AsLong(), 0);
    EXPECT_EQ(form_.Control().ChangedProperties(), std::vector<DISPID>{DISPID_VALUE});
    EXPECT_EQ(persist->IsDirty(), S_OK);
}

TEST_F(ScreenShotTest, ScreenShotModeIsTheDefaultMember) {
    form_.Control().Put(L"ScreenShotMode", 1);

    DISPPARAMS none{};
    Variant value;
    ASSERT_HRESULT_SUCCEEDED(form_.Control().Dispatch()->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                                                                DISPATCH_PROPERTYGET, &none, value.Receive(),
                                                                nullptr, nullptr));
    EXPECT_EQ(value.AsLong(), 1);
}

TEST_F(ScreenShotTest, AnInvalidWindowIsReportedAndStillStored) {
    const LONG gone = DestroyedWindowHandle();
    MessageBoxRecorder boxes;
    form_.Control().Put(L"Window", gone);

    ExpectOneReport(boxes, ReportText(-2147211504, L"Ungültiges Fenster-Handle: " + std::to_wstring(gone), L"Window"));
    EXPECT_EQ(form_.Control().Get(L"Window").AsLong(), gone);
}

TEST_F(ScreenShotTest, AfterShotTheControlIsOnePixelAndClearLeavesNoPicture) {
    Variant shot = form_.Control().Call(L"Shot", {2, painted_.HandleValue()});
    ASSERT_FALSE(shot.IsNothing());

    EXPECT_EQ(form_.ControlWindowSize().cx, 1);
    EXPECT_EQ(form_.ControlWindowSize().cy, 1);
    RECT place = form_.Control().Position();
    EXPECT_EQ(place.right - place.left, 1);
    EXPECT_EQ(place.bottom - place.top, 1);

    Variant cleared = form_.Control().Call(L"Clear");
    EXPECT_TRUE(cleared.IsNothing());
    EXPECT_TRUE(form_.Control().Get(L"Picture").IsNothing());
    // The picture handed out before stays valid for its holder.
    EXPECT_EQ(BitsOf(PictureOf(shot).Get()).width, [&] {
        RECT client;
        GetClientRect(painted_.Handle(), &client);
        return static_cast<int>(client.right);
    }());
}

TEST(ScreenShotDesigner, ShowsAsA32PixelSquareWithItsButton) {
    ScreenShotForm designer(false);
    HWND button = FindWindowExW(designer.Control().Window(), nullptr, L"BUTTON", nullptr);

    EXPECT_EQ(designer.ControlWindowSize().cx, 32);
    EXPECT_EQ(designer.ControlWindowSize().cy, 32);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(IsWindowVisible(button));

    designer.Control().Move(RECT{10, 10, 210, 160});
    EXPECT_EQ(designer.ControlWindowSize().cx, 32);
    EXPECT_EQ(designer.ControlWindowSize().cy, 32);

    Variant shot = designer.Control().Call(L"Shot", {0});
    EXPECT_EQ(designer.ControlWindowSize().cx, 32);
    EXPECT_EQ(BitsOf(PictureOf(shot).Get()).width, GetSystemMetrics(SM_CXSCREEN));
}

TEST(ScreenShotDesigner, AtRunTimeTheButtonIsHiddenAndTheSizeFree) {
    ScreenShotForm designer(false);
    designer.Control().SetUserMode(true);
    HWND button = FindWindowExW(designer.Control().Window(), nullptr, L"BUTTON", nullptr);

    designer.Control().Move(RECT{10, 10, 210, 160});
    EXPECT_EQ(designer.ControlWindowSize().cx, 200);
    EXPECT_EQ(designer.ControlWindowSize().cy, 150);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(IsWindowVisible(button));
}

TEST(ScreenShotHosting, AFormClosedBeforeItsControlLeavesTheControlUsable) {
    ASSERT_NE(LoadRegisteredVantor(), nullptr);
    HWND form = CreateWindowExW(0, L"STATIC", L"form", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    AxControl control(kScreenShotProgId, form, RECT{0, 0, 50, 50}, AmbientProperties{});
    ASSERT_NE(control.Window(), nullptr);

    DestroyWindow(form);

    EXPECT_EQ(control.Window(), nullptr);
    EXPECT_FALSE(PictureOf(control.Call(L"Shot", {0})).Get() == nullptr);
}

}  // namespace
