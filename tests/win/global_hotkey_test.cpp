// The system-wide hotkey component with real registrations and real key presses under Wine.

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <vector>

#include "framework/win/handles.h"
#include "hotkey_holder.h"
#include "hotkeys/global_hotkey.h"
#include "keyboard.h"
#include "message_box_watcher.h"
#include "pump.h"

using namespace pipetto;
using namespace std::chrono_literals;

namespace {

constexpr TShortCut ctrl_alt_q = 0xC051;
constexpr TShortCut ctrl_alt_w = 0xC057;
constexpr UINT ctrl_alt = MOD_CONTROL | MOD_ALT;

struct Press {
    std::uint16_t key;
    TShiftState shift;
};

// A plain window of this program that can have the keyboard focus.
win::WindowHandle focusable_window() {
    win::WindowHandle window(CreateWindowExW(0, L"STATIC", L"focus", WS_POPUP | WS_VISIBLE, 300,
                                             300, 80, 40, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    return window;
}

} // namespace

TEST(GlobalHotKey, TheSetterRulesHoldWithRealRegistrations) {
    TGlobalHotKey first, second;
    EXPECT_TRUE(first.Active());
    EXPECT_EQ(first.HotKey(), 0);
    EXPECT_FALSE(first.Registered());
    EXPECT_NE(first.RegistrationId(), second.RegistrationId());

    first.SetHotKey(ctrl_alt_q);
    EXPECT_TRUE(first.Registered());
    EXPECT_FALSE(tests::another_process_can_register(ctrl_alt, 'Q'));
    // The other instance can't have it: the value is kept, the registration is not there.
    second.SetHotKey(ctrl_alt_q);
    EXPECT_EQ(second.HotKey(), ctrl_alt_q);
    EXPECT_FALSE(second.Registered());
    first.SetHotKey(ctrl_alt_q); // equal: nothing happens
    EXPECT_TRUE(first.Registered());

    // A new value releases the old combination first.
    first.SetHotKey(ctrl_alt_w);
    EXPECT_TRUE(first.Registered());
    EXPECT_TRUE(tests::another_process_can_register(ctrl_alt, 'Q'));
    EXPECT_FALSE(tests::another_process_can_register(ctrl_alt, 'W'));

    // Inactive only stores; active again registers what is stored.
    first.SetActive(false);
    EXPECT_FALSE(first.Registered());
    EXPECT_TRUE(tests::another_process_can_register(ctrl_alt, 'W'));
    first.SetHotKey(ctrl_alt_q);
    EXPECT_FALSE(first.Registered());
    first.SetActive(true);
    EXPECT_TRUE(first.Registered());
    EXPECT_FALSE(tests::another_process_can_register(ctrl_alt, 'Q'));

    first.SetHotKey(0);
    EXPECT_FALSE(first.Registered());
    EXPECT_TRUE(tests::another_process_can_register(ctrl_alt, 'Q'));
    first.SetHotKey(0);
    EXPECT_EQ(first.HotKey(), 0);
}

TEST(GlobalHotKey, ACombinationAnotherProgramHoldsIsNotRegisteredAndDestroyingFreesOurs) {
    {
        tests::HotKeyHolder holder(ctrl_alt, 'Q');
        ASSERT_TRUE(holder.holds());
        TGlobalHotKey hotkey;
        hotkey.SetHotKey(ctrl_alt_q);
        EXPECT_FALSE(hotkey.Registered());
    }
    {
        TGlobalHotKey hotkey;
        hotkey.SetHotKey(ctrl_alt_w);
        ASSERT_TRUE(hotkey.Registered());
        EXPECT_FALSE(tests::another_process_can_register(ctrl_alt, 'W'));
    }
    EXPECT_TRUE(tests::another_process_can_register(ctrl_alt, 'W'));
}

TEST(GlobalHotKey, ARealKeyPressRaisesOnKeyDownWithTheKeyAndShiftOfHotKey) {
    // Wine hands hotkeys to the program only while one of its windows has the focus.
    const win::WindowHandle window = focusable_window();
    ASSERT_TRUE(tests::give_focus_to(window.get()));

    std::vector<Press> presses;
    TGlobalHotKey hotkey;
    hotkey.OnKeyDown = [&](TGlobalHotKey& sender, std::uint16_t& key, TShiftState shift) {
        EXPECT_EQ(&sender, &hotkey);
        presses.push_back({key, shift});
        key = 0; // ignored
    };
    hotkey.SetHotKey(ctrl_alt_q);
    ASSERT_TRUE(hotkey.Registered());
    tests::press_keys({VK_CONTROL, VK_MENU}, 'Q');
    ASSERT_TRUE(tests::pump_until([&] { return presses.size() == 1; }));
    EXPECT_EQ(presses[0].key, 0x51);
    EXPECT_EQ(presses[0].shift, (TShiftState{ssCtrl, ssAlt}));

    // Moved to Ctrl+Alt+W: the old combination raises nothing any more.
    hotkey.SetHotKey(ctrl_alt_w);
    tests::press_keys({VK_CONTROL, VK_MENU}, 'Q');
    tests::pump_messages(300ms);
    EXPECT_EQ(presses.size(), 1u);
    tests::press_keys({VK_CONTROL, VK_MENU}, 'W');
    ASSERT_TRUE(tests::pump_until([&] { return presses.size() == 2; }));
    EXPECT_EQ(presses[1].key, 0x57);
}

TEST(GlobalHotKey, AHandlersExceptionIsShownAndTheHotKeyStaysInService) {
    const win::WindowHandle window = focusable_window();
    ASSERT_TRUE(tests::give_focus_to(window.get()));
    tests::MessageBoxWatcher boxes;
    int presses = 0;
    TGlobalHotKey hotkey;
    hotkey.OnKeyDown = [&](TGlobalHotKey&, std::uint16_t&, TShiftState) {
        if (++presses == 1)
            throw std::runtime_error("Kaputt");
    };
    hotkey.SetHotKey(ctrl_alt_q);

    tests::press_keys({VK_CONTROL, VK_MENU}, 'Q');
    ASSERT_TRUE(tests::pump_until([&] { return boxes.messages().size() == 1; }));
    EXPECT_EQ(boxes.messages()[0].text, "Kaputt.");
    ASSERT_TRUE(tests::give_focus_to(window.get()));
    tests::press_keys({VK_CONTROL, VK_MENU}, 'Q');
    EXPECT_TRUE(tests::pump_until([&] { return presses == 2; }));
    EXPECT_EQ(boxes.messages().size(), 1u);
}
