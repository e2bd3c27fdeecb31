#include "controls/route_tables.h"

#include <QLineEdit>

#include <algorithm>

namespace controls {

void RouteTable::add(std::initializer_list<QObject*> controls, PageOperation operation)
{
    rows_.push_back(Route{controls, std::move(operation)});
}

int RouteTable::route(QObject* sender) const
{
    int ran = 0;
    for (const Route& row : rows_) {
        if (std::find(row.controls.begin(), row.controls.end(), sender) != row.controls.end()) {
            if (row.operation)
                row.operation(sender);
            ++ran;
        }
    }
    return ran;
}

void RouteTables::addSearchEdit(QLineEdit* edit, PageOperation operation)
{
    searchEdits.push_back(edit);
    edits.add({edit}, std::move(operation));
}

} // namespace controls
