#include "pages/circuits/extended_units.h"

#include "values/units.h"

#include <QComboBox>

#include <array>
#include <cmath>
#include <span>

namespace pages::extended {

namespace {

using values::UnitItem;
using values::UnitKind;

// This page spells the capacitance units its own way.
constexpr std::array capacitanceHints{u"Пикофорад", u"Нанофорад", u"Микрофорад", u"Форад"};

// The shared unit factors are exact decimal powers; their ratios are taken
// back to the nearest power so that "нФ" means exactly 1000 picofarads.
double DecimalPower(long double ratio)
{
    return static_cast<double>(std::pow(10.0L, std::round(std::log10(ratio))));
}

UnitTable FromItems(std::span<const UnitItem> items)
{
    UnitTable table;
    for (const UnitItem& item : items)
        table.push_back({QString::fromUtf16(item.text), item.factor, QString::fromUtf16(item.name)});
    return table;
}

// Factors of a shared unit kind expressed in the page's own unit.
UnitTable InUnitsOf(UnitKind kind, long double unit)
{
    UnitTable table = FromItems(values::UnitItems(kind));
    for (TextUnit& entry : table)
        entry.factor = DecimalPower(entry.factor / unit);
    return table;
}

} // namespace

const UnitTable& CapacitancePicofarads()
{
    static const UnitTable table = [] {
        UnitTable units = InUnitsOf(UnitKind::C, 1e-12L);
        for (std::size_t i = 0; i < units.size() && i < capacitanceHints.size(); ++i)
            units[i].hint = QString::fromUtf16(capacitanceHints[i]);
        return units;
    }();
    return table;
}

const UnitTable& InductanceMicrohenries()
{
    static const UnitTable table = InUnitsOf(UnitKind::L, 1e-6L);
    return table;
}

const UnitTable& FrequencyPerMegahertz()
{
    static const UnitTable table = [] {
        UnitTable units = FromItems(values::UnitItems(UnitKind::F));
        for (TextUnit& entry : units)
            entry.factor = DecimalPower(1e6L / entry.factor);
        return units;
    }();
    return table;
}

const UnitTable& FrequencyHertz()
{
    static const UnitTable table = FromItems(values::UnitItems(UnitKind::F));
    return table;
}

const UnitTable& TimeSeconds()
{
    static const UnitTable table = FromItems(values::UnitItems(UnitKind::T));
    return table;
}

const UnitTable& LengthMetres()
{
    static const UnitTable table = FromItems(values::UnitItems(UnitKind::M));
    return table;
}

void TakeUnit(QComboBox* combo, const UnitTable& table, double& factor, Hint hint)
{
    const QString text = combo->currentText();
    for (const TextUnit& entry : table) {
        if (entry.text != text)
            continue;
        factor = entry.factor;
        if (hint == Hint::Set && combo->toolTip() != entry.hint)
            combo->setToolTip(entry.hint);
        return;
    }
}

} // namespace pages::extended
