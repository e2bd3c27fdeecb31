#pragma once

class QMenuBar;

namespace app {

// The menu bar answers the keyboard as on the usual desktops: Alt pressed and
// released alone selects its first menu (the arrows then move along it), and
// F10 opens its first menu.
void EnableMenuBarKeys(QMenuBar* bar);

} // namespace app
