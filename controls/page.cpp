#include "controls/page.h"

namespace controls {

Page::Page(QWidget* parent) : QWidget(parent) {}

void Page::OnOpen() {}

void Page::registerRoutes(RouteTables&) {}

} // namespace controls
