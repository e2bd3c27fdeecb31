#include "values/field.h"

#include "values/number_text.h"
#include "values/update_guard.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace values {

QColor WindowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

void SetFieldColour(QLineEdit* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

QColor FieldColour(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

void SetFieldState(QLineEdit* edit, FieldState state)
{
    switch (state) {
    case FieldState::Input:
        SetFieldColour(edit, WindowColour());
        edit->setReadOnly(false);
        break;
    case FieldState::Result:
        SetFieldColour(edit, ResultColour);
        edit->setReadOnly(true);
        break;
    case FieldState::Invalid:
        SetFieldColour(edit, InvalidColour);
        break;
    case FieldState::Fixed:
        SetFieldColour(edit, WindowColour());
        edit->setReadOnly(true);
        break;
    }
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
    return ParseNumber(edit->text()) * factor;
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
    {
        const UpdateGuardScope guard;
        edit->setText(text);
    }
    SetFieldColour(edit, colour);
    edit->setReadOnly(readOnly);
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
    const UpdateGuardScope guard;
    edit->setText(text);
}

} // namespace values
