#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

QMenu* AddMenu(QWidget* parent, const char* name, const QString& caption)
{
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        menu = bar->addMenu(caption);
    else
        menu = static_cast<QMenu*>(parent)->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void AddItem(QWidget* menu, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
}

} // namespace

void BuildMainMenu(QMenuBar* bar)
{
    QMenu* file = AddMenu(bar, "N1", QStringLiteral("Фаил"));
    AddItem(file, "N6", QStringLiteral("О программе"));

    AddItem(bar, "N23", QStringLiteral("Калькулятор"));

    QMenu* calculations = AddMenu(bar, "N2", QStringLiteral("Расчёты"));
    QMenu* circuit = AddMenu(calculations, "N5", QStringLiteral("Колебательный контур"));
    AddItem(circuit, "N7", QStringLiteral("Паралельный и последовательный"));
    AddItem(circuit, "N8", QStringLiteral("Расширенный"));
    QMenu* filters = AddMenu(calculations, "N9", QStringLiteral("Фильтры"));
    AddItem(filters, "N13", QStringLiteral("НЧ"));
    AddItem(filters, "N14", QStringLiteral("ВЧ"));
    AddItem(filters, "N15", QStringLiteral("Полосовой"));
    AddItem(filters, "NFilterDesign", QStringLiteral("Проектирование…"));
    QMenu* inductance = AddMenu(calculations, "N10", QStringLiteral("Индуктивность"));
    QMenu* cylindrical = AddMenu(inductance, "N17", QStringLiteral("Цилиндрическая"));
    AddItem(cylindrical, "N18", QStringLiteral("Однслойная"));
    AddItem(cylindrical, "N19", QStringLiteral("Многослойная"));
    AddItem(inductance, "N25", QStringLiteral("Провода"));
    AddItem(inductance, "N26", QStringLiteral("На фирритовом кольце"));
    QMenu* transformers = AddMenu(calculations, "N11", QStringLiteral("Транссформаторы"));
    AddItem(transformers, "N27", QStringLiteral("Сетевой"));
    QMenu* resistance = AddMenu(calculations, "N12", QStringLiteral("Сопротивление"));
    QMenu* active = AddMenu(resistance, "N30", QStringLiteral("Активное"));
    AddItem(active, "N32", QStringLiteral("Закон Ома"));
    AddItem(active, "R1R21", QStringLiteral("Паралельное соединение R1, R2"));
    AddItem(active, "N33", QStringLiteral("Добавочное"));
    AddItem(active, "N24", QStringLiteral("Преобразование треугольник <-> звезда"));
    AddItem(active, "N38", QStringLiteral("Делитель напряжения"));
    AddItem(active, "N39", QStringLiteral("Шунт или расчёт Амперметра"));
    AddItem(active, "N40", QStringLiteral("Расчёт вольт метра"));
    QMenu* reactive = AddMenu(resistance, "N31", QStringLiteral("Реактивное"));
    AddItem(reactive, "LC1", QStringLiteral("L, C"));
    AddItem(reactive, "N34", QStringLiteral("Гасящий конденсатор"));
    AddItem(calculations, "NESeries", QStringLiteral("Стандартные номиналы"));

    QMenu* marking = AddMenu(bar, "N3", QStringLiteral("Маркировка"));
    AddItem(marking, "N35", QStringLiteral("Сопротивление"));
    AddItem(marking, "N36", QStringLiteral("Дросель"));
    AddItem(marking, "SMD1", QStringLiteral("Маркировка SMD транзисторов"));

    QMenu* analogues = AddMenu(bar, "N4", QStringLiteral("Аналоги"));
    AddItem(analogues, "N16", QStringLiteral("Транзисторы"));
}

} // namespace app
