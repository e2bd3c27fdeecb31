#include "values/field_description.h"

#include "values/errors.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/units.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace values {

namespace {

// The combo is kept by name: a name cannot dangle.
constexpr char kUnitCombo[] = "unitCombo";
// The tooltip the layout gave the field, kept while the value lines are shown.
constexpr char kDesignTip[] = "designToolTip";
const QString kComputedLead = QStringLiteral("Вычислено: ");
const QString kFixedLine = QStringLiteral("Только для показа: это поле не вводится");

// Whether the tooltip carries the value lines on top of the layout's hint.
bool Expanded(const QString& tip)
{
    return tip.contains(kComputedLead) || tip.contains(kFixedLine);
}

struct CaptionParts {
    QString name;
    std::optional<Unit> unit;
};

CaptionParts SplitCaption(const QString& caption)
{
    qsizetype start = -1;
    QString unit;
    if (caption.endsWith(u')')) {
        start = caption.lastIndexOf(u'(');
        if (start > 0)
            unit = caption.mid(start + 1, caption.size() - start - 2);
    } else {
        start = caption.lastIndexOf(QStringLiteral(", "));
        if (start > 0)
            unit = caption.mid(start + 2);
    }
    if (start <= 0)
        return {caption, std::nullopt};
    const auto found = FindUnit(unit);
    if (!found)
        return {caption, std::nullopt};
    return {caption.left(start).trimmed(), found};
}

std::optional<double> ShownNumber(const QLineEdit* edit)
{
    try {
        return ParseNumber(edit->text());
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// "≈ 198,7 нс", unless it would only repeat the whole value.
QString Reading(const QLineEdit* edit)
{
    const auto unit = FieldUnit(edit);
    const auto number = ShownNumber(edit);
    if (!unit || !number)
        return QString();
    const QString reading = UnitReading(*number, *unit);
    return reading == QStringLiteral("≈ ") + ValueWithUnit(edit) ? QString() : reading;
}

void AddValueLines(QStringList& lines, const QString& lead, const QLineEdit* edit)
{
    lines << lead + ValueWithUnit(edit);
    const QString reading = Reading(edit);
    if (!reading.isEmpty())
        lines << reading;
}

// Flat, without a frame, and in grey text where the user cannot type and
// the colour does not already say why; the background stays the window's.
void SetFixedLook(QLineEdit* edit, bool fixed)
{
    if (edit->hasFrame() == fixed)
        edit->setFrame(!fixed);
    const QColor text = QApplication::palette().color(fixed ? QPalette::PlaceholderText : QPalette::Text);
    if (edit->palette().color(QPalette::Text) != text) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, text);
        edit->setPalette(palette);
    }
}

} // namespace

void SetFieldUnit(QLineEdit* edit, const QComboBox* combo)
{
    edit->setProperty(kUnitCombo, combo ? combo->objectName() : QString());
}

QComboBox* FieldUnitCombo(const QLineEdit* edit)
{
    const QString name = edit->property(kUnitCombo).toString();
    if (name.isEmpty() || !edit->parentWidget())
        return nullptr;
    return edit->parentWidget()->findChild<QComboBox*>(name, Qt::FindDirectChildrenOnly);
}

std::optional<Unit> FieldUnit(const QLineEdit* edit)
{
    if (const QComboBox* combo = FieldUnitCombo(edit))
        return FindUnit(combo->currentText());
    return SplitCaption(FieldCaption(edit)).unit;
}

QString FieldCaption(const QLineEdit* edit)
{
    QString caption = edit->accessibleName().trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

QString FieldName(const QLineEdit* edit)
{
    return SplitCaption(FieldCaption(edit)).name;
}

QString FieldUnitText(const QLineEdit* edit)
{
    if (const auto unit = FieldUnit(edit))
        return UnitSymbol(*unit);
    if (const QComboBox* combo = FieldUnitCombo(edit))
        return combo->currentText();
    return QString();
}

QString ValueWithUnit(const QLineEdit* edit)
{
    const QString unit = FieldUnitText(edit);
    return unit.isEmpty() ? edit->text() : edit->text() + u' ' + unit;
}

void DescribeField(QLineEdit* edit)
{
    if (IsUnsolvable(edit))
        return;
    const FieldState state = FieldStateOf(edit);
    SetFixedLook(edit, state == FieldState::Fixed);
    if (state == FieldState::Invalid)
        return;
    // The value lines wait for the tooltip to be shown (ShowFieldDescription):
    // formatting them at every write would cost more than the computation.
    if (Expanded(edit->toolTip()))
        edit->setToolTip(edit->property(kDesignTip).toString());
}

void ShowFieldDescription(QLineEdit* edit)
{
    if (IsUnsolvable(edit))
        return;
    const FieldState state = FieldStateOf(edit);
    if (state != FieldState::Result && state != FieldState::Fixed)
        return;
    if (!Expanded(edit->toolTip()))
        edit->setProperty(kDesignTip, edit->toolTip());
    QStringList lines;
    const QString design = edit->property(kDesignTip).toString();
    if (!design.isEmpty())
        lines << design;
    if (state == FieldState::Result) {
        AddValueLines(lines, kComputedLead, edit);
    } else {
        lines << kFixedLine;
        if (ShownNumber(edit).value_or(0) != 0)
            AddValueLines(lines, QStringLiteral("Значение: "), edit);
    }
    if (const QString tip = lines.join(u'\n'); tip != edit->toolTip())
        edit->setToolTip(tip);
}

} // namespace values
