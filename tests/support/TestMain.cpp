// Test main of every test binary: a message box that no test asked to see is recorded,
// answered with its default button and reported as a failure of the running test.
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <string>

namespace {

class UnexpectedMessageBoxes : public MessageBoxPresenter {
public:
    int Present(const MessageBoxRequest& request) override {
        std::string text(request.text.begin(), request.text.end());
        ADD_FAILURE() << "unexpected message box: " << text;
        return DefaultButtonOf(request.style);
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    UnexpectedMessageBoxes unexpected;
    SetMessageBoxPresenter(&unexpected);
    int result = RUN_ALL_TESTS();
    SetMessageBoxPresenter(nullptr);
    CoUninitialize();
    return result;
}
