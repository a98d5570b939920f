#pragma once
// A step of a procedure that skips whatever fails and goes on with its next step.

template <typename Step>
void Skipping(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}
