#pragma once
// Lets the message loop run in a test: for a while, or until something has happened.

#include <windows.h>

#include <chrono>
#include <functional>

namespace pipetto::tests {

// Dispatches messages for `duration`.
void pump_messages(std::chrono::milliseconds duration);
// Dispatches messages until `done` is true or `timeout` has passed; returns `done()`.
bool pump_until(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

} // namespace pipetto::tests
