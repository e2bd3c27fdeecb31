#include "values/field.h"

#include "values/field_description.h"
#include "values/number_text.h"
#include "values/update_guard.h"

#include <QApplication>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>

#include <optional>

namespace values {

namespace {

// What a control looked like before it turned unsolvable, kept on the control.
constexpr char kUnsolvable[] = "unsolvable";
constexpr char kColourBefore[] = "colourBeforeUnsolvable";
constexpr char kTipBefore[] = "toolTipBeforeUnsolvable";

// Looked up among the control's own properties only: asking property() by
// name first searches the class's declared properties, which costs more than
// the rest of clearing a field that was never red.
bool MarkedUnsolvable(const QObject* control)
{
    return control->dynamicPropertyNames().contains(kUnsolvable) && control->property(kUnsolvable).toBool();
}

void RememberLook(QWidget* control, const QColor& colour)
{
    if (MarkedUnsolvable(control))
        return;
    control->setProperty(kUnsolvable, true);
    control->setProperty(kColourBefore, colour);
    control->setProperty(kTipBefore, control->toolTip());
}

// Forgets the unsolvable state; returns the colour the control had before it.
std::optional<QColor> ForgetLook(QWidget* control)
{
    if (!MarkedUnsolvable(control))
        return std::nullopt;
    const QColor colour = control->property(kColourBefore).value<QColor>();
    control->setToolTip(control->property(kTipBefore).toString());
    control->setProperty(kUnsolvable, QVariant());
    control->setProperty(kColourBefore, QVariant());
    control->setProperty(kTipBefore, QVariant());
    return colour;
}

void PaintField(QLineEdit* edit, const QColor& colour)
{
    // A field that already has this colour of its own in every state keeps its
    // palette: setting it again re-resolves the whole palette for nothing.
    const QPalette& current = edit->palette();
    const auto alreadySet = [&](QPalette::ColorGroup group) {
        const QBrush& brush = current.brush(group, QPalette::Base);
        return current.isBrushSet(group, QPalette::Base) && brush.style() == Qt::SolidPattern && brush.color() == colour;
    };
    if (alreadySet(QPalette::Active) && alreadySet(QPalette::Inactive) && alreadySet(QPalette::Disabled))
        return;
    QPalette palette = current;
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

// A written number is read from its first digit; a long one would otherwise
// show only its end.
void ShowLeadingDigits(QLineEdit* edit)
{
    if (edit->cursorPosition() != 0)
        edit->setCursorPosition(0);
}

} // namespace

QColor WindowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

void SetFieldColour(QLineEdit* edit, const QColor& colour)
{
    PaintField(edit, colour);
    DescribeField(edit);
}

QColor FieldColour(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

void SetFieldState(QLineEdit* edit, FieldState state)
{
    switch (state) {
    case FieldState::Input:
        PaintField(edit, WindowColour());
        edit->setReadOnly(false);
        break;
    case FieldState::Result:
        PaintField(edit, ResultColour);
        edit->setReadOnly(true);
        break;
    case FieldState::Invalid:
        PaintField(edit, InvalidColour);
        break;
    case FieldState::Fixed:
        PaintField(edit, WindowColour());
        edit->setReadOnly(true);
        break;
    }
    DescribeField(edit);
}

FieldState FieldStateOf(const QLineEdit* edit)
{
    const QColor colour = FieldColour(edit);
    if (colour == ResultColour)
        return FieldState::Result;
    if (colour == InvalidColour)
        return FieldState::Invalid;
    return edit->isReadOnly() ? FieldState::Fixed : FieldState::Input;
}

void SetLabelColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void SetLabelAlarm(QLabel* label, bool alarm)
{
    SetLabelColour(label, alarm ? InvalidColour : QApplication::palette().color(QPalette::WindowText));
}

double ReadValue(const QLineEdit* edit, double factor)
{
    try {
        return ParseNumber(edit->text()) * factor;
    } catch (const ConversionError& error) {
        // The user has to know which field to mend.
        const QString caption = FieldCaption(edit);
        if (caption.isEmpty())
            throw;
        throw ConversionError(caption + QStringLiteral(": ") + error.message());
    }
}

double ReadWithUnit(const QLineEdit* edit, QComboBox* combo, UnitKind kind, double& factor)
{
    factor = UnitScale(combo, kind);
    return ReadValue(edit, factor);
}

double ReadWithUnit(const QLineEdit* edit, QComboBox* combo, UnitKind kind)
{
    double factor = 0;
    return ReadWithUnit(edit, combo, kind, factor);
}

bool Solvable(double target, double a, double b, double c, double d, double e, double f, double g)
{
    return target == 0 && a > 0 && b > 0 && c > 0 && d > 0 && e > 0 && f > 0 && g > 0;
}

void ShowResult(QLineEdit* edit, const QColor& colour, bool readOnly, double value)
{
    const QString text = FormatNumber(value);
    if (text != edit->text()) {
        const UpdateGuardScope guard;
        edit->setText(text);
    }
    ShowLeadingDigits(edit);
    ForgetLook(edit);
    PaintField(edit, colour);
    edit->setReadOnly(readOnly);
    DescribeField(edit);
}

void ShowSolved(QLineEdit* edit, double value)
{
    ShowResult(edit, ResultColour, true, value);
}

void ShowCleared(QLineEdit* edit)
{
    ShowResult(edit, WindowColour(), false, 0);
}

void WriteGuarded(QLineEdit* edit, const QString& text)
{
    if (text != edit->text()) {
        const UpdateGuardScope guard;
        edit->setText(text);
    }
    ShowLeadingDigits(edit);
    DescribeField(edit);
}

QString UnsolvableReason(const ArithmeticError& fault)
{
    switch (fault.kind()) {
    case ArithmeticError::Kind::DivisionByZero:
        return QStringLiteral("Нет решения: получается деление на ноль");
    case ArithmeticError::Kind::NegativeRoot:
        return QStringLiteral("Нет решения: под корнем получается отрицательное число");
    case ArithmeticError::Kind::NonPositiveLogarithm:
        return QStringLiteral("Нет решения: логарифм от нуля или отрицательного числа");
    case ArithmeticError::Kind::Overflow:
        return QStringLiteral("Нет решения: результат слишком велик");
    case ArithmeticError::Kind::Invalid:
        break;
    }
    return QStringLiteral("Нет решения при таких значениях");
}

void ShowUnsolvable(QLineEdit* edit, const QString& reason)
{
    RememberLook(edit, FieldColour(edit));
    SetFieldColour(edit, InvalidColour);
    edit->setToolTip(reason);
}

void ShowUnsolvable(QLabel* label, const QString& reason)
{
    RememberLook(label, label->palette().color(QPalette::WindowText));
    SetLabelColour(label, InvalidColour);
    label->setToolTip(reason);
}

void ClearUnsolvable(QLineEdit* edit)
{
    if (const auto colour = ForgetLook(edit))
        SetFieldColour(edit, *colour);
}

void ShowUnsolvable(QAbstractSpinBox* box, const QString& reason)
{
    RememberLook(box, box->palette().color(QPalette::Base));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, InvalidColour);
    box->setPalette(palette);
    box->setToolTip(reason);
}

void ClearUnsolvable(QAbstractSpinBox* box)
{
    if (const auto colour = ForgetLook(box)) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, *colour);
        box->setPalette(palette);
    }
}

void ClearUnsolvable(QLabel* label)
{
    if (const auto colour = ForgetLook(label))
        SetLabelColour(label, *colour);
}

bool IsUnsolvable(const QWidget* control)
{
    return MarkedUnsolvable(control);
}

} // namespace values
