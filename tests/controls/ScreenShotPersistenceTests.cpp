// ScreenShotMode is stored with the host: through a property bag and through a stream.
#include "MemoryPropertyBag.h"
#include "MessageBoxRecorder.h"
#include "VantorTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenShotPersistence, ModeSurvivesSaveAndLoadThroughAPropertyBag) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::Create();
    {
        ScreenShotForm form;
        form.Control().Put(L"ScreenShotMode", 2);
        form.Control().SaveProperties(bag.Get());
    }
    ASSERT_NE(bag->Find(L"ScreenShotMode"), nullptr);
    EXPECT_EQ(bag->Find(L"ScreenShotMode")->AsLong(), 2);

    ScreenShotForm reloaded(true, bag.Get());
    EXPECT_EQ(reloaded.Control().Get(L"ScreenShotMode").AsLong(), 2);
}

TEST(ScreenShotPersistence, TheDefaultModeIsNotWrittenAndLoadsAsScreen) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::Create();
    {
        ScreenShotForm form;
        form.Control().SaveProperties(bag.Get());
    }
    EXPECT_FALSE(bag->Has(L"ScreenShotMode"));

    ScreenShotForm reloaded(true, bag.Get());
    EXPECT_EQ(reloaded.Control().Get(L"ScreenShotMode").AsLong(), 0);
}

TEST(ScreenShotPersistence, AStoredModeOutsideTheRangeIsReportedAndNotTaken) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::Create();
    Variant damaged(7);
    bag->Write(L"ScreenShotMode", &damaged.Get());
    MessageBoxRecorder boxes;

    ScreenShotForm reloaded(true, bag.Get());

    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              L"Error 380 (Invalid property value) in procedure UserControl_ReadProperties of "
              L"Benutzersteuerelement ScreenShot");
    EXPECT_EQ(reloaded.Control().Get(L"ScreenShotMode").AsLong(), 0);
}

TEST(ScreenShotPersistence, ModeSurvivesSaveAndLoadThroughAStream) {
    ComPtr<IStream> stream;
    ASSERT_HRESULT_SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    {
        ScreenShotForm form;
        form.Control().Put(L"ScreenShotMode", 1);
        ComPtr<IPersistStreamInit> persist;
        ASSERT_HRESULT_SUCCEEDED(form.Control().Object()->QueryInterface(IID_PPV_ARGS(&persist)));
        ASSERT_HRESULT_SUCCEEDED(persist->Save(stream.Get(), TRUE));
        EXPECT_EQ(persist->IsDirty(), S_FALSE);
    }
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);

    ScreenShotForm reloaded;
    ComPtr<IPersistStreamInit> persist;
    ASSERT_HRESULT_SUCCEEDED(reloaded.Control().Object()->QueryInterface(IID_PPV_ARGS(&persist)));
    ASSERT_HRESULT_SUCCEEDED(persist->Load(stream.Get()));
    EXPECT_EQ(reloaded.Control().Get(L"ScreenShotMode").AsLong(), 1);
}

TEST(ScreenShotPersistence, ADamagedStreamIsRefusedAndChangesNothing) {
    ComPtr<IStream> stream;
    ASSERT_HRESULT_SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    const char junk[] = "not a property stream";
    stream->Write(junk, sizeof junk, nullptr);
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);

    ScreenShotForm form;
    form.Control().Put(L"ScreenShotMode", 2);
    ComPtr<IPersistStreamInit> persist;
    ASSERT_HRESULT_SUCCEEDED(form.Control().Object()->QueryInterface(IID_PPV_ARGS(&persist)));
    EXPECT_HRESULT_FAILED(persist->Load(stream.Get()));
    EXPECT_EQ(form.Control().Get(L"ScreenShotMode").AsLong(), 2);
}

}  // namespace
