#pragma once
// The main window's menus as a table: menu name and caption, then its items
// in order (a null caption is a separator; an item with children is a
// submenu). Captions keep their double blanks.

#include <span>

namespace main_window {

struct Menu_Item {
    const char* Name;
    const char* Caption; // nullptr: separator
    std::span<const Menu_Item> Children = {};
};

struct Menu_Row {
    const char* Name;
    const char* Caption;
    std::span<const Menu_Item> Items;
};

std::span<const Menu_Row> Main_Menus();

// The commands that need an open ORT, in the order Reset_Main_Window
// disables them.
std::span<const char* const> ORT_Commands();

} // namespace main_window
