#pragma once

#include "controls/page.h"

#include <vector>

namespace app {

struct PageEntry {
    const char* sheet;        // objectName of the tab sheet
    const char16_t* caption;  // tab caption
    const char* menuItem;     // objectName of the menu item that opens it
    controls::Page* (*make)(QWidget* parent);
};

const std::vector<PageEntry>& PageCatalog();

} // namespace app
