#include "message_box_watcher.h"

#include "framework/win/win_text.h"

namespace pipetto::tests {
namespace {

MessageBoxWatcher* active_watcher = nullptr;

std::string window_text(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return win::narrow(text);
}

bool is_message_box(HWND window) {
    wchar_t class_name[32] = {};
    GetClassNameW(window, class_name, 32);
    return std::wstring_view(class_name) == L"#32770" && IsWindowVisible(window);
}

// The box's text is the static control with id 0xFFFF.
ShownMessage read_and_answer(HWND box, int answer_to_questions) {
    ShownMessage shown{window_text(box), window_text(GetDlgItem(box, 0xFFFF))};
    GetWindowRect(box, &shown.place);
    shown.question = GetDlgItem(box, IDYES) != nullptr;
    const int answer = shown.question ? answer_to_questions : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    return shown;
}

// A box stays on the screen until its program has taken the answer, which a busy program
// takes its time over: each box is answered, and recorded, once.
bool first_sight_of(HWND box) {
    if (GetPropW(box, L"PipettoTestAnswered"))
        return false;
    SetPropW(box, L"PipettoTestAnswered", reinterpret_cast<HANDLE>(1));
    return true;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer_to_questions)
    : answer_to_questions_(answer_to_questions) {
    active_watcher = this;
    timer_ = SetTimer(nullptr, 0, 30, on_timer);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    KillTimer(nullptr, timer_);
    active_watcher = nullptr;
}

std::vector<std::string> MessageBoxWatcher::texts() const {
    std::vector<std::string> result;
    for (const ShownMessage& message : messages_)
        result.push_back(message.text);
    return result;
}

void CALLBACK MessageBoxWatcher::on_timer(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (active_watcher)
        active_watcher->answer_open_boxes();
}

void MessageBoxWatcher::answer_open_boxes() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            if (is_message_box(window)) {
                auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
                if (first_sight_of(window))
                    watcher->messages_.push_back(
                        read_and_answer(window, watcher->answer_to_questions_));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

std::vector<ShownMessage> answer_message_boxes_of(DWORD process_id, int answer_to_questions) {
    struct Search {
        DWORD process_id;
        int answer_to_questions;
        std::vector<ShownMessage> found;
    } search{process_id, answer_to_questions, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* search = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->process_id && is_message_box(window) && first_sight_of(window))
                search->found.push_back(read_and_answer(window, search->answer_to_questions));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace pipetto::tests
