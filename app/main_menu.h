#pragma once

class QMenuBar;

namespace app {

// Builds the menu tree; every item keeps its design name as objectName.
// Items that open pages are connected by the main window through the page
// catalog, by name.
void BuildMainMenu(QMenuBar* menuBar);

} // namespace app
