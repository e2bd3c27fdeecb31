#pragma once

#include "controls/route_tables.h"

#include <QObject>

#include <exception>
#include <functional>

class QComboBox;
class QStyle;
class QWidget;

namespace app {

// The shared handlers every page control is wired to. Each passes the control
// that raised the event to its routing table, which calls the owning page's
// operation. No exception leaves a handler: a failure ends the event and is
// reported once, by the outermost handler of a nested chain of events.
class EventRouter : public QObject {
    Q_OBJECT

public:
    explicit EventRouter(QObject* parent = nullptr);

    controls::RouteTables& tables() { return tables_; }

    // Connects every control of the tables to its handler, and makes every
    // combo box below root refuse typed characters.
    void wire(QWidget* root);

    void EditChange(QObject* sender);
    void ButtonClick(QObject* sender);
    void CBClick(QObject* sender);
    void RBClick(QObject* sender);
    void MouseUp(QObject* sender);
    void SwatchMouseDown(QObject* sender);

    // Runs any other event's work (menu items) under the same failure rules.
    void Dispatch(const std::function<void()>& work);

    bool numericFilterOn() const { return numericFilterOn_; }

protected:
    // R1R2EUIRnCBKeyPress and the grids' mouse release.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireEdit(QObject* control);
    void wireCombo(QObject* control);
    void wireOption(QObject* control);
    void wireGrid(QObject* control);
    void prepareComboText(QComboBox* combo);
    bool isSearchEdit(const QObject* sender) const;

    controls::RouteTables tables_;
    bool numericFilterOn_ = true;
    int depth_ = 0;
    std::exception_ptr pending_;
    QStyle* comboStyle_ = nullptr;
};

} // namespace app
