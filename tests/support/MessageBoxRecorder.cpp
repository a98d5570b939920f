#include "MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder() : previous_(SetMessageBoxPresenter(this)) {}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxPresenter(previous_); }

int MessageBoxRecorder::Present(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (answers_.empty()) return DefaultButtonOf(request.style);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int DefaultButtonOf(UINT style) {
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},              // MB_OK
        {IDOK, IDCANCEL, IDOK},          // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},    // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},         // MB_YESNOCANCEL
        {IDYES, IDNO, IDYES},            // MB_YESNO
        {IDRETRY, IDCANCEL, IDRETRY},    // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE},  // MB_CANCELTRYCONTINUE
    };
    UINT kind = style & MB_TYPEMASK;
    if (kind > 6) kind = 0;
    UINT which = (style & MB_DEFMASK) >> 8;
    return buttons[kind][which > 2 ? 0 : which];
}
