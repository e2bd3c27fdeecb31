#pragma once

#include <QString>
#include <QStringList>

#include <map>

class QWidget;

namespace testing {

// What a user sees of one page, control by control, as "name.property" → text:
// edits' texts, locks and colours, combos' items and hints, checked buttons,
// labels' texts, colours and pictures.
using PageState = std::map<QString, QString>;

PageState Snapshot(const QWidget* page);

// Where now differs from start, leaving out the controls (or "name.property")
// listed as kept.
QStringList Differences(const PageState& start, const PageState& now, const QStringList& kept);

// What each page's Clear leaves as the user set it, by sheet name; these are
// compared no further.
QStringList KeptByClear(const QString& sheet);

} // namespace testing
