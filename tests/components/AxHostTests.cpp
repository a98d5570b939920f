// The control container on its own: creation failures, its property bag, and how an
// error crosses a COM boundary as HRESULT plus IErrorInfo.
#include "AppError.h"
#include "AxControl.h"
#include "ComError.h"
#include "MemoryPropertyBag.h"

#include <gtest/gtest.h>

#include <new>

namespace {

TEST(AxControl, AClassNameNobodyRegisteredIsRaisedAsAnError) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"form", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    try {
        AxControl control(L"Nobody.Registered", parent, RECT{0, 0, 10, 10}, AmbientProperties{});
        ADD_FAILURE() << "created a control of an unregistered class";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Number(), static_cast<long>(CO_E_CLASSSTRING));
        EXPECT_EQ(error.Source(), L"Nobody.Registered");
    }
    DestroyWindow(parent);
}

TEST(MemoryPropertyBag, AMissingNameIsInvalidAndAStoredOneIsConvertedToTheAskedType) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::Create();
    Variant stored(L"42");
    ASSERT_HRESULT_SUCCEEDED(bag->Write(L"Mode", &stored.Get()));

    Variant missing;
    EXPECT_EQ(bag->Read(L"Other", missing.Receive(), nullptr), E_INVALIDARG);
    Variant asNumber;
    asNumber.Receive()->vt = VT_I4;
    ASSERT_HRESULT_SUCCEEDED(bag->Read(L"Mode", &asNumber.Get(), nullptr));
    EXPECT_EQ(asNumber.Type(), VT_I4);
    EXPECT_EQ(asNumber.Get().lVal, 42);
}

struct ErrorCase {
    const char* name;
    long number;
    HRESULT expected;
};

class ComErrorMapping : public testing::TestWithParam<ErrorCase> {};

TEST_P(ComErrorMapping, SetsTheErrorInfoAndReturnsTheHresult) {
    const AppError error(GetParam().number, L"ScreenShot1.ScreenShotMode", L"Invalid property value");
    EXPECT_EQ(ReturnComError(error, IID_IDispatch), GetParam().expected);

    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    BSTR source = nullptr, description = nullptr;
    info->GetSource(&source);
    info->GetDescription(&description);
    EXPECT_STREQ(source, L"ScreenShot1.ScreenShotMode");
    EXPECT_STREQ(description, L"Invalid property value");
    SysFreeString(source);
    SysFreeString(description);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ComErrorMapping,
                         testing::Values(ErrorCase{"RuntimeNumber", 380, static_cast<HRESULT>(0x800A017C)},
                                         ErrorCase{"OwnHresult", -2147211504, static_cast<HRESULT>(0x80042710)},
                                         ErrorCase{"NoNumber", 0, E_FAIL}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComBoundary, NoExceptionLeavesAndEachBecomesAFailure) {
    HRESULT raised = ComBoundary(IID_IDispatch, []() -> HRESULT { throw RuntimeFailure(RuntimeError::TypeMismatch); });
    HRESULT outOfMemory = ComBoundary(IID_IDispatch, []() -> HRESULT { throw std::bad_alloc(); });
    HRESULT fine = ComBoundary(IID_IDispatch, [] { return S_FALSE; });

    EXPECT_EQ(raised, static_cast<HRESULT>(0x800A000D));
    EXPECT_EQ(outOfMemory, static_cast<HRESULT>(0x800A0007));
    EXPECT_EQ(fine, S_FALSE);
}

}  // namespace
