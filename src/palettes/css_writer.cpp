#include <unordered_map>
#include <unordered_set>

#include "palettes/css_file.h"

namespace pipetto {
namespace {

char lower_case(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool is_kept(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Gives each name the first of "name", "name-2", "name-3", ... that is still free.
class UniqueNames {
  public:
    std::string claim(const std::string& base) {
        if (used_.insert(base).second)
            return base;
        // Where the search for this base stopped last time, so 5000 equal names don't
        // search from "-2" each.
        int& suffix = next_suffix_.try_emplace(base, 2).first->second;
        for (;; ++suffix) {
            std::string candidate = base + '-' + std::to_string(suffix);
            if (used_.insert(candidate).second) {
                ++suffix;
                return candidate;
            }
        }
    }

  private:
    std::unordered_set<std::string> used_;
    std::unordered_map<std::string, int> next_suffix_;
};

// A comment ends at "*/", and a line break would break the line: neither survives.
void append_comment_text(std::string& text, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        text.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
        if (c == '*' && i + 1 < name.size() && name[i + 1] == '/')
            text.push_back(' ');
    }
}

} // namespace

std::string css_property_name(std::string_view name) {
    std::string property;
    bool in_run = false;
    for (const char c : name) {
        const char lower = lower_case(c);
        if (is_kept(lower)) {
            if (in_run && !property.empty())
                property.push_back('-');
            property.push_back(lower);
            in_run = false;
        } else {
            in_run = true;
        }
    }
    if (property.empty() || (property.front() >= '0' && property.front() <= '9'))
        property.insert(0, "color-");
    return property;
}

std::string css_text(const Palette& palette) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text = ":root {\n";
    text.reserve(text.size() + palette.entries.size() * 64);
    UniqueNames names;
    for (const PaletteEntry& entry : palette.entries) {
        const std::string property = names.claim(css_property_name(entry.name));
        text.append("  --").append(property).append(": #");
        for (const std::uint8_t value : {entry.colour.red, entry.colour.green, entry.colour.blue})
            text.append({digits[value >> 4], digits[value & 0xF]});
        text.push_back(';');
        if (property != entry.name) {
            text.append(" /* ");
            append_comment_text(text, entry.name);
            text.append(" */");
        }
        text.push_back('\n');
    }
    text.append("}\n");
    return text;
}

} // namespace pipetto
