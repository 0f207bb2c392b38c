// The link labels of the main window: their hover look and what a click opens.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

std::vector<std::wstring> opened;
void record(const std::wstring& address) {
    opened.push_back(address);
}

class UrlLabel : public ::testing::Test {
  protected:
    UrlLabel() {
        opened.clear();
        previous_ = TUrlLabel::set_shell_open(&record);
    }
    ~UrlLabel() override { TUrlLabel::set_shell_open(previous_); }

    // The parent's mouse messages, as the mouse over (or off) the label makes them.
    static void move_over(TUrlLabel& label, int x, int y) {
        const RECT area = label.bounds_in_parent();
        SendMessageW(label.parent_window(), WM_MOUSEMOVE, 0,
                     MAKELPARAM(area.left + x, area.top + y));
    }
    static void mouse_leaves(TUrlLabel& label) {
        SendMessageW(label.parent_window(), WM_MOUSELEAVE, 0, 0);
    }
    static void click(TUrlLabel& label) {
        const RECT area = label.bounds_in_parent();
        const LPARAM at = MAKELPARAM(area.left + 5, area.top + 5);
        SendMessageW(label.parent_window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(label.parent_window(), WM_LBUTTONUP, 0, at);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
    TUrlLabel::ShellOpen previous_;
};

} // namespace

TEST_F(UrlLabel, AClickRunsOnClickFirstAndOpensTheTrimmedAddress) {
    TUrlLabel& link = form.colorToolsUrl;
    EXPECT_EQ(link.Url, "https://quarnel.example/colorTools.htm");
    link.Url = "  https://quarnel.example/colorTools.htm?color=FF8000 \t\r\n";
    click(link);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], L"https://quarnel.example/colorTools.htm?color=FF8000");

    link.on_click = [&] { link.Url = "https://quarnel.example/changed"; };
    click(link);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], L"https://quarnel.example/changed");

    form.PageControl.set_active_page(form.Adssheet);
    click(form.zolvaUrl);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[2], L"https://zolva.example/");
}

TEST_F(UrlLabel, HoveringShowsTheHoverLookAndLeavingRestoresExactlyWhatWasThere) {
    form.PageControl.set_active_page(form.Adssheet);
    TUrlLabel& link = form.quarnelUrl;
    // As the window describes it, hovering changes nothing but the pointer.
    EXPECT_EQ(link.HoverCaption, "https://quarnel.example/");
    EXPECT_EQ(link.HoverAlignment, win::Alignment::centre);
    EXPECT_EQ(link.HoverLayout, win::TextLayout::centre);
    EXPECT_EQ(link.HoverColor, clBtnFace);

    int enters = 0, leaves = 0;
    link.OnMouseEnter = [&] { ++enters; };
    link.OnMouseLeave = [&] { ++leaves; };
    link.set_text("before");
    link.set_colour(clCream);
    link.HoverCaption = "hovered";
    link.HoverColor = clYellow;
    link.HoverAlignment = win::Alignment::right;
    link.HoverLayout = win::TextLayout::bottom;
    link.HoverFont = {{L"Tahoma", 9}, clRed};
    const HFONT font = link.font();

    move_over(link, 10, 5);
    move_over(link, 12, 6); // still over it: no second enter
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(link.hovered());
    EXPECT_EQ(link.text(), "hovered");
    EXPECT_EQ(link.color(), clYellow);
    EXPECT_EQ(link.alignment(), win::Alignment::right);
    EXPECT_EQ(link.layout(), win::TextLayout::bottom);
    EXPECT_EQ(link.font_color(), clRed);
    EXPECT_NE(link.font(), font);

    mouse_leaves(link);
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(link.hovered());
    EXPECT_EQ(link.text(), "before");
    EXPECT_EQ(link.color(), clCream);
    EXPECT_EQ(link.alignment(), win::Alignment::centre);
    EXPECT_EQ(link.layout(), win::TextLayout::centre);
    EXPECT_EQ(link.font_color(), clBlue);
    EXPECT_EQ(link.font(), font);

    // Moving off it within the parent leaves it too.
    move_over(link, 10, 5);
    const RECT area = link.bounds_in_parent();
    SendMessageW(link.parent_window(), WM_MOUSEMOVE, 0, MAKELPARAM(area.left, area.bottom + 20));
    EXPECT_EQ(leaves, 2);
    EXPECT_EQ(link.text(), "before");
}
