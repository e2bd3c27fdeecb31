#pragma once

#include <QObject>

#include <functional>
#include <initializer_list>
#include <vector>

class QLineEdit;

namespace controls {

// A page operation, given the control that raised the event.
using PageOperation = std::function<void(QObject* sender)>;

struct Route {
    std::vector<QObject*> controls;
    PageOperation operation;
};

// An ordered table from controls to page operations. Every row is tested by
// itself, in order, so a control that stood in two rows would run both.
class RouteTable {
public:
    void add(std::initializer_list<QObject*> controls, PageOperation operation);

    // Runs the operation of every row that holds the sender; returns how many ran.
    int route(QObject* sender) const;

    const std::vector<Route>& rows() const { return rows_; }

private:
    std::vector<Route> rows_;
};

// The whole map of which control drives which page operation. Pages add
// their rows when the main window registers them; the main window wires every
// control named here to its shared handler by the control's kind.
struct RouteTables {
    RouteTable edits;     // text changed: QLineEdit (filtered unless a search edit)
    RouteTable buttons;   // click: the "Очистить" buttons
    RouteTable combos;    // item chosen: QComboBox; toggled: QCheckBox; value changed: QSpinBox
    RouteTable options;   // checked item changed: radio group QGroupBox, QRadioButton, QCheckBox
    RouteTable grids;     // mouse button released: QAbstractItemView
    RouteTable swatches;  // mouse button pressed: controls::ColourSwatch

    std::vector<QLineEdit*> searchEdits;    // free-text edits, never filtered
    std::vector<QLineEdit*> unroutedEdits;  // filtered, but no page operation

    void addSearchEdit(QLineEdit* edit, PageOperation operation);
};

} // namespace controls
