#pragma once

#include "controls/standard_values_menu.h"

class QLineEdit;
class QString;
class QTabWidget;
class QWidget;

namespace controls {

// Makes every captioned value edit below root describe itself: it knows the
// unit combo beside it, its tooltip follows its state, unit and lock, and its
// context menu copies its value with the unit, or the whole page, and for a
// computed R, L or C shows the nearest standard values.
void PrepareValueEdits(QWidget* root, StandardValuesRequest openStandardValues = {});

// The page that holds the widget, as a note for a forum post: its tab caption,
// then "caption: value unit" for each value edit the page shows.
QString PageValuesText(const QWidget* widget);

// Ctrl+Shift+C copies the current page of pages.
void InstallPageCopy(QTabWidget* pages);

} // namespace controls
