#pragma once

#include "values/units.h"

#include "values/errors.h"

#include <QColor>

class QAbstractSpinBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class QString;
class QWidget;

namespace values {

QColor WindowColour();                           // an input field's background
inline constexpr QColor ResultColour{255, 255, 0};  // a computed field
inline constexpr QColor InvalidColour{255, 0, 0};   // an input that breaks the page's rule

enum class FieldState { Input, Result, Invalid, Fixed };

// Colour and lock of a value edit in one of its four states; Invalid keeps
// the lock as it was.
void SetFieldState(QLineEdit* edit, FieldState state);
FieldState FieldStateOf(const QLineEdit* edit);
void SetFieldColour(QLineEdit* edit, const QColor& colour);
QColor FieldColour(const QLineEdit* edit);

// A label that flags a broken condition turns red, and back to the normal
// font colour when the condition holds again.
void SetLabelAlarm(QLabel* label, bool alarm);
void SetLabelColour(QLabel* label, const QColor& colour);

// The number in the edit's text times the factor. A text that is no number
// raises ConversionError naming the field by its caption.
double ReadValue(const QLineEdit* edit, double factor = 1);

// The factor of the combo's current unit (which also rewrites its hint), then
// the edit's number times that factor.
double ReadWithUnit(const QLineEdit* edit, QComboBox* combo, UnitKind kind, double& factor);
double ReadWithUnit(const QLineEdit* edit, QComboBox* combo, UnitKind kind);

// True exactly when target is 0 and every other value is strictly positive;
// callers that test fewer values leave the rest at 1.
bool Solvable(double target, double a = 1, double b = 1, double c = 1, double d = 1, double e = 1,
              double f = 1, double g = 1);

// Writes the value as text under UpdateGuard, then sets colour and lock.
// Raises ArithmeticError instead of writing an infinity or a nan. Every
// program write shows the leading digits of the text and brings the field's
// look up to date (DescribeField); the same text is not written twice.
void ShowResult(QLineEdit* edit, const QColor& colour, bool readOnly, double value);

// The two combinations the pages use most: a computed result, and a field
// cleared back to an editable "0".
void ShowSolved(QLineEdit* edit, double value);
void ShowCleared(QLineEdit* edit);

// A program write of a text that must not be taken for the user's input.
void WriteGuarded(QLineEdit* edit, const QString& text);

// Valid numbers can still leave no answer (a negative under a root, a zero
// divisor, an overflow). That is no error to report: the field or label that
// cannot be computed turns red with the reason in its tooltip, keeps its text,
// and takes back its colour and tooltip when the inputs allow a result again
// (ClearUnsolvable, or any ShowResult on that field).
QString UnsolvableReason(const ArithmeticError& fault);
void ShowUnsolvable(QLineEdit* edit, const QString& reason);
void ShowUnsolvable(QLabel* label, const QString& reason);
void ShowUnsolvable(QAbstractSpinBox* box, const QString& reason);
void ClearUnsolvable(QLineEdit* edit);
void ClearUnsolvable(QAbstractSpinBox* box);
void ClearUnsolvable(QLabel* label);
bool IsUnsolvable(const QWidget* control);

// Runs a computation whose result belongs to target. An arithmetic fault in
// it shows target unsolvable, with the fault's reason, instead of ending the
// event; returns whether the computation went through.
template <class Control, class Computation>
bool SolveInto(Control* target, Computation&& compute)
{
    try {
        compute();
        return true;
    } catch (const ArithmeticError& fault) {
        ShowUnsolvable(target, UnsolvableReason(fault));
        return false;
    }
}

} // namespace values
