#include "pump.h"

namespace pipetto::tests {

namespace {
void dispatch_waiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue; // a closed main window must not stop the tests that follow
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
} // namespace

void pump_messages(std::chrono::milliseconds duration) {
    pump_until([] { return false; }, duration);
}

bool pump_until(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        dispatch_waiting();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

} // namespace pipetto::tests
