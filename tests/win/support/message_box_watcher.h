#pragma once
// Reads and answers the message boxes that the code under test shows on this thread:
// a thread timer fires inside the box's own modal loop, records the box's title, text
// and place, and presses its OK button; a question (Yes and No) gets the answer chosen.

#include <windows.h>

#include <string>
#include <vector>

namespace pipetto::tests {

struct ShownMessage {
    std::string title;
    std::string text;
    RECT place{};          // on the screen
    bool question = false; // Yes and No rather than OK
};

class MessageBoxWatcher {
  public:
    explicit MessageBoxWatcher(int answer_to_questions = IDNO);
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    ~MessageBoxWatcher();

    const std::vector<ShownMessage>& messages() const { return messages_; }
    std::vector<std::string> texts() const;

  private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) noexcept;
    void answer_open_boxes();
    UINT_PTR timer_ = 0;
    int answer_to_questions_;
    std::vector<ShownMessage> messages_;
};

// Reads the message boxes of `process_id` (another program), answering each with OK, or
// a question with `answer_to_questions`.
std::vector<ShownMessage> answer_message_boxes_of(DWORD process_id, int answer_to_questions = IDNO);

} // namespace pipetto::tests
