#pragma once

class QLabel;
class QLineEdit;
class QString;

namespace controls {

// A labelled edit is a QLineEdit with a caption QLabel whose buddy it is.
QLabel* EditCaption(const QLineEdit* edit);
void SetEditCaption(const QLineEdit* edit, const QString& caption);

} // namespace controls
