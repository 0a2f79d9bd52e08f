// NMenu: a frame's menu bar, built from script arrays of item texts, and the ranges of
// command ids that map a menu command back to its menu and item.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "object/com_var.h"
#include "object/handles.h"

using menu_handle = unique_handle<HMENU, DestroyMenu>;

// A drop-down menu's place in the bar and its ids: firstId <= id < endId.
struct MenuRange {
    int32_t category;
    int32_t firstId;
    int32_t endId;
    std::string prefix;
};

// The items of a script array as texts; false when the value is not an array.
bool MenuItems(const com_var& value, std::vector<std::string>* items);
// A pop-up menu of the items ("-" a separator, taking no id), ids counting up from
// *nextId, which is advanced.
menu_handle BuildMenu(const std::vector<std::string>& items, int32_t* nextId);

class NMenu {
public:
    static constexpr int32_t kFirstId = 0x101;

    // Adds a drop-down menu to the bar; false when items is not an array.
    bool Add(const std::string& title, const com_var& items, const std::string& prefix);
    const MenuRange* FindRange(int32_t id) const;
    // The bar for a new window: built afresh from the model each time, since a window
    // destroys the bar it was given. Null when no menu was added.
    HMENU BarForWindow();
    bool empty() const noexcept { return menus_.empty(); }

private:
    struct DropDown {
        std::string title;
        std::vector<std::string> items;
    };
    int32_t nextId_ = kFirstId;
    std::vector<MenuRange> entries_;
    std::vector<DropDown> menus_;
};
