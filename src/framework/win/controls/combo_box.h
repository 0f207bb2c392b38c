#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/win/control.h"

namespace pipetto::win {

// A drop-down list whose text can't be typed. Change fires when the user selects an
// entry, not when code moves the selection. Before its window exists it holds its entries
// and its selection itself.
class ComboBox : public Control {
  public:
    void set_items(std::span<const std::string_view> items);
    int item_count() const;
    int item_index() const; // -1 for none
    void set_item_index(int index);
    std::string item_text(int index) const;
    std::string selected_text() const;

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    int creation_height(int height) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void add_items_to_window() const;

    std::vector<std::string> items_;
    int index_ = -1;
};

} // namespace pipetto::win
