#pragma once

class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace controls {

// A labelled edit is a QLineEdit with a caption QLabel whose buddy it is.
QLabel* EditCaption(const QLineEdit* edit);
void SetEditCaption(const QLineEdit* edit, const QString& caption);

// Gives every captioned control below root that has no accessible name its
// caption's text, so screen readers announce what a field holds.
void NameControlsByCaptions(QWidget* root);

} // namespace controls
