#pragma once

#include "controls/route_tables.h"

#include <QWidget>

namespace controls {

// One computation page: the tab sheet with its controls, its state and its
// operations. Pages live for the whole run; closing a page only hides its tab.
class Page : public QWidget {
    Q_OBJECT

public:
    explicit Page(QWidget* parent = nullptr);

    // Work done at every opening of the page, also when it is already open.
    virtual void OnOpen();

    // Adds the page's rows to the event map.
    virtual void registerRoutes(RouteTables& routes);
};

} // namespace controls
