#pragma once
// Records every message box the code under test would show and answers it, so no test
// ever blocks on a real one. Installed for its lifetime; answers come from a queue,
// else the box's default button.
#include "MessageBoxSeam.h"

#include <deque>
#include <vector>

class MessageBoxRecorder : public MessageBoxPresenter {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder() override;
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The next box is answered with this button id (IDYES, IDNO, ...).
    void Answer(int buttonId) { answers_.push_back(buttonId); }
    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }

    int Present(const MessageBoxRequest& request) override;

private:
    MessageBoxPresenter* previous_;
    std::deque<int> answers_;
    std::vector<MessageBoxRequest> shown_;
};

// The button a box of this style returns when the user just presses Enter.
int DefaultButtonOf(UINT style);
