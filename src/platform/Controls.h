#pragma once

// The controls of a window as plain data. A window's handlers change them; a front end shows
// them (Qt widgets, or text on the command line) and feeds the user's input back.
// Texts are UTF-8: windows convert record texts (Windows-1252) when they put them into a control.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace korvel {

using Colour = std::uint32_t;  // 0xRRGGBB
inline constexpr Colour kBlack = 0x000000;

struct Label {
    std::string Caption;  // UTF-8, as shown
    bool Visible = true;
    Colour ForeColor = kBlack;
};

struct ListItem {
    std::string Text;  // UTF-8, as shown
    int ItemData = 0;
    bool Selected = false;  // used by lists with extended selection
};

struct ListBox {
    std::vector<ListItem> Items;
    int ListIndex = -1;  // the selected (single selection) or focused entry; -1 for none
    bool MultiSelect = false;

    void Clear() {
        Items.clear();
        ListIndex = -1;
    }
    void AddItem(std::string text, int itemData = 0) {
        Items.push_back({std::move(text), itemData});
    }
    void RemoveItem(int index) {
        Items.erase(Items.begin() + index);
        if (ListIndex >= ListCount()) ListIndex = ListCount() - 1;
    }
    int ListCount() const { return static_cast<int>(Items.size()); }
    int NewIndex() const { return ListCount() - 1; }
    bool HasSelection() const { return ListIndex >= 0 && ListIndex < ListCount(); }
    int SelectedItemData() const { return Items.at(static_cast<std::size_t>(ListIndex)).ItemData; }
};

struct CheckBox {
    std::string Caption;
    bool Value = false;
    bool Enabled = true;
    bool Visible = true;
};

struct OptionButton {
    std::string Caption;
    bool Value = false;
    bool Enabled = true;
};

struct Button {
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
};

struct TextBox {
    std::string Text;           // UTF-8, as typed
    std::size_t MaxLength = 0;  // in characters; 0 for no limit
};

// A whole number typed or stepped within its range.
struct NumberBox {
    std::string Caption;
    int Min = 0;
    int Max = 0;
    int Value = 0;
};

struct MenuItem {
    explicit MenuItem(std::string caption = {}, bool enabled = true, std::string shortcut = {})
        : Caption(std::move(caption)), Enabled(enabled), Shortcut(std::move(shortcut)) {}
    std::string Caption;
    bool Enabled = true;
    std::string Shortcut;  // "Ctrl+L", empty for none
};

}  // namespace korvel
