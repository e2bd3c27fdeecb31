#include "values/units.h"

#include <QComboBox>

#include <array>

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

} // namespace

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
    }
    return {};
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
