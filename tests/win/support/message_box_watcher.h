#pragma once
// Reads and answers the message boxes that the code under test shows on this thread:
// a thread timer fires inside the box's own modal loop, records the box's title and
// text, and presses its first button.

#include <windows.h>

#include <string>
#include <vector>

namespace pipetto::tests {

struct ShownMessage {
    std::string title;
    std::string text;
};

class MessageBoxWatcher {
  public:
    MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    ~MessageBoxWatcher();

    const std::vector<ShownMessage>& messages() const { return messages_; }
    std::vector<std::string> texts() const;

  private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) noexcept;
    void answer_open_boxes();
    UINT_PTR timer_ = 0;
    std::vector<ShownMessage> messages_;
};

// Reads the message boxes of `process_id` (another program), answering each with OK.
std::vector<ShownMessage> answer_message_boxes_of(DWORD process_id);

} // namespace pipetto::tests
