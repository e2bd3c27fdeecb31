#include "values/units.h"

#include "values/number_text.h"

#include <QComboBox>

#include <array>
#include <cmath>

namespace values {

namespace {

constexpr std::array capacitance{
    UnitItem{u"пФ", 1E-12, u"Пикофарад"},
    UnitItem{u"нФ", 1E-9, u"Нанофарад"},
    UnitItem{u"мкФ", 1E-6, u"Микрофарад"},
    UnitItem{u"Ф", 1, u"Фарад"},
};
constexpr std::array inductance{
    UnitItem{u"мкГн", 1E-6, u"Микрогенри"},
    UnitItem{u"мГн", 1E-3, u"Милигенри"},
    UnitItem{u"Гн", 1, u"Генри"},
};
// "мГц", "гГц", "мОм", "гОм" are the mega and giga items, whatever the letters say.
constexpr std::array frequency{
    UnitItem{u"Гц", 1, u"Герц"},
    UnitItem{u"кГц", 1E3, u"Келогерц"},
    UnitItem{u"мГц", 1E6, u"Мегагерц"},
    UnitItem{u"гГц", 1E9, u"Гигагерц"},
};
constexpr std::array resistance{
    UnitItem{u"Ом", 1, u"Ом"},
    UnitItem{u"кОм", 1E3, u"Келом"},
    UnitItem{u"мОм", 1E6, u"Мегом"},
    UnitItem{u"гОм", 1E9, u"Гиком"},
};
constexpr std::array voltage{
    UnitItem{u"мВ", 1E-3, u"Миливольт"},
    UnitItem{u"В", 1, u"Воль"},
    UnitItem{u"кВ", 1E3, u"Келоволь"},
};
constexpr std::array current{
    UnitItem{u"мкА", 1E-6, u"Микроампер"},
    UnitItem{u"мА", 1E-3, u"Милиампер"},
    UnitItem{u"А", 1, u"Ампер"},
};
constexpr std::array power{
    UnitItem{u"мВт", 1E-3, u"Миливат"},
    UnitItem{u"Вт", 1, u"Ват"},
    UnitItem{u"кВт", 1E3, u"Келоват"},
};

constexpr std::array timeUnits{
    UnitItem{u"нс", 1e-9, u"Наносекунда"},
    UnitItem{u"мкс", 1e-6, u"Микросекунда"},
    UnitItem{u"мс", 0.001, u"Милисекунда"},
    UnitItem{u"с", 1, u"Секунда"},
    UnitItem{u"мин", 60, u"Минута"},
    UnitItem{u"час", 3600, u"Час"},
};
constexpr std::array lengthUnits{
    UnitItem{u"мм", 0.001, u"Милиметр"},
    UnitItem{u"см", 0.01, u"Сантиметр"},
    UnitItem{u"м", 1, u"Метр"},
    UnitItem{u"км", 1000, u"Келометр"},
};

constexpr std::array kAllKinds{UnitKind::C, UnitKind::L, UnitKind::F, UnitKind::R, UnitKind::U,
                               UnitKind::I, UnitKind::W, UnitKind::T, UnitKind::M};

// Captions spell some units out.
struct SpelledUnit {
    const char16_t* text;
    Unit unit;
};
constexpr std::array spelled{
    SpelledUnit{u"Вольт", {UnitKind::U, 1}},
    SpelledUnit{u"Ампер", {UnitKind::I, 2}},
};

// The power of ten the factor is, if it is one.
std::optional<int> DecimalPowerOf(double factor)
{
    const int power = static_cast<int>(std::lround(std::log10(factor)));
    if (std::fabs(factor / std::pow(10.0, power) - 1) > 1e-12)
        return std::nullopt;
    return power;
}

} // namespace

std::optional<Unit> FindUnit(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (const UnitKind kind : kAllKinds) {
        const auto items = UnitItems(kind);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (trimmed.compare(QStringView(items[i].text), Qt::CaseInsensitive) == 0)
                return Unit{kind, i};
        }
    }
    for (const SpelledUnit& word : spelled) {
        if (trimmed.compare(QStringView(word.text), Qt::CaseInsensitive) == 0)
            return word.unit;
    }
    return std::nullopt;
}

QString UnitSymbol(Unit unit)
{
    const UnitItem& item = UnitItems(unit.kind)[unit.index];
    if (const auto power = DecimalPowerOf(item.factor)) {
        if (const auto prefix = SiPrefix(*power))
            return *prefix + BaseUnit(unit.kind);
    }
    return QString::fromUtf16(item.text);
}

QString UnitReading(double shown, Unit unit)
{
    // Lengths read in millimetres at the least, times in seconds at the most.
    const int lowest = unit.kind == UnitKind::M ? -3 : -12;
    const int highest = unit.kind == UnitKind::T ? 0 : unit.kind == UnitKind::M ? 3 : 9;
    const double value = shown * UnitItems(unit.kind)[unit.index].factor;
    return QStringLiteral("≈ ") + EngineeringText(value, BaseUnit(unit.kind), lowest, highest);
}

std::span<const UnitItem> UnitItems(UnitKind kind)
{
    switch (kind) {
    case UnitKind::C: return capacitance;
    case UnitKind::L: return inductance;
    case UnitKind::F: return frequency;
    case UnitKind::R: return resistance;
    case UnitKind::U: return voltage;
    case UnitKind::I: return current;
    case UnitKind::W: return power;
    case UnitKind::T: return timeUnits;
    case UnitKind::M: return lengthUnits;
    }
    return {};
}

QString BaseUnit(UnitKind kind)
{
    for (const UnitItem& item : UnitItems(kind)) {
        if (item.factor == 1)
            return QString::fromUtf16(item.text);
    }
    return QString();
}

QStringList UnitTexts(UnitKind kind)
{
    QStringList texts;
    for (const UnitItem& item : UnitItems(kind))
        texts << QString::fromUtf16(item.text);
    return texts;
}

double UnitScale(QComboBox* combo, UnitKind kind)
{
    const auto items = UnitItems(kind);
    const int index = combo->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        combo->setToolTip(QString());
        return 0;
    }
    combo->setToolTip(QString::fromUtf16(items[static_cast<std::size_t>(index)].name));
    return items[static_cast<std::size_t>(index)].factor;
}

void SetUnit(QComboBox* combo, int index, const QString& hint)
{
    combo->setCurrentIndex(index);
    combo->setToolTip(hint);
}

void FillUnitCombo(QComboBox* combo, const QStringList& items, const QString& hint, int index)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(index);
    combo->setToolTip(hint);
}

} // namespace values
