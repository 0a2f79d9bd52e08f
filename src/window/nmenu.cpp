// NMenu: menus from item arrays, and the id ranges of the bar.
#include "window/nmenu.h"

#include "object/com_array.h"
#include "object/dispatch_helpers.h"

bool MenuItems(const com_var& value, std::vector<std::string>* items) {
    com_array array;
    if (FAILED(ScriptToArray(value, array))) return false;
    items->clear();
    for (long i = 0; i < array.count(); ++i) items->push_back(array.get(i).ToText());
    return true;
}

menu_handle BuildMenu(const std::vector<std::string>& items, int32_t* nextId) {
    menu_handle menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const std::string& text : items) {
        if (text == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, "");
        } else {
            AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>((*nextId)++), text.c_str());
        }
    }
    return menu;
}

bool NMenu::Add(const std::string& title, const com_var& value, const std::string& prefix) {
    std::vector<std::string> items;
    if (!MenuItems(value, &items)) return false;
    int32_t end = nextId_;
    for (const std::string& text : items) end += text != "-";
    entries_.push_back({static_cast<int32_t>(entries_.size()), nextId_, end, prefix});
    menus_.push_back({title, std::move(items)});
    nextId_ = end;
    return true;
}

const MenuRange* NMenu::FindRange(int32_t id) const {
    for (const MenuRange& range : entries_) {
        if (range.firstId <= id && id < range.endId) return &range;
    }
    return nullptr;
}

HMENU NMenu::BarForWindow() {
    if (menus_.empty()) return nullptr;
    menu_handle bar(CreateMenu());
    if (!bar) return nullptr;
    for (size_t i = 0; i < menus_.size(); ++i) {
        int32_t id = entries_[i].firstId;
        menu_handle dropDown = BuildMenu(menus_[i].items, &id);
        // The bar owns its drop-downs once they are appended.
        if (dropDown && AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown.get()),
                                    menus_[i].title.c_str()))
            dropDown.release();
    }
    return bar.release();
}
