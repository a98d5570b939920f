#include "MessageBoxForwarder.h"

#include "MessageBoxSeam.h"

namespace {

class ForwardingPresenter : public MessageBoxPresenter {
public:
    ForwardingPresenter(MessageBoxForwardProc proc, void* context) : proc_(proc), context_(context) {}
    int Present(const MessageBoxRequest& request) override {
        return proc_(context_, request.owner, request.text.c_str(), request.caption.c_str(), request.style);
    }

private:
    MessageBoxForwardProc proc_;
    void* context_;
};

// The seam of this library; one forwarder at a time.
ForwardingPresenter forwarder{nullptr, nullptr};

}  // namespace

extern "C" void WINAPI SetMessageBoxForwarder(MessageBoxForwardProc proc, void* context) {
    forwarder = ForwardingPresenter(proc, context);
    SetMessageBoxPresenter(proc ? &forwarder : nullptr);
}
