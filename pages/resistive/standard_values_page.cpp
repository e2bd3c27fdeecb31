#include "pages/resistive/standard_values_page.h"

#include "ui_standard_values_page.h"

#include "controls/string_grid.h"
#include "engineering/e_series.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/standard_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace pages {

namespace {

using engineering::Connection;
using engineering::ESeries;
using values::Unit;
using values::UnitKind;

// The units of ESUnit, in its order, as items of the program's unit table.
constexpr std::array kUnits{Unit{UnitKind::R, 0}, Unit{UnitKind::R, 1}, Unit{UnitKind::R, 2},
                            Unit{UnitKind::C, 0}, Unit{UnitKind::C, 1}, Unit{UnitKind::C, 2},
                            Unit{UnitKind::L, 0}, Unit{UnitKind::L, 1}};

constexpr double kMaxPairDeviation = 0.5; // per cent

class TextRows : public controls::StringGridRows {
public:
    explicit TextRows(std::vector<QStringList> rows) : rows_(std::move(rows)) {}
    int count() const override { return static_cast<int>(rows_.size()); }
    QString cell(int row, int column) const override { return rows_[row].value(column); }

private:
    std::vector<QStringList> rows_;
};

const values::UnitItem& ItemOf(Unit unit)
{
    return values::UnitItems(unit.kind)[unit.index];
}

// The pairs that add up are in series for resistors and coils, in parallel
// for capacitors.
QString ConnectionName(Connection connection, UnitKind kind)
{
    const bool adding = connection == Connection::InSeries;
    return adding != (kind == UnitKind::C) ? QStringLiteral("последовательно") : QStringLiteral("параллельно");
}

} // namespace

StandardValuesPage::StandardValuesPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::StandardValuesPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TSESeries"));
    for (const Unit unit : kUnits)
        ui->ESUnit->addItem(values::UnitSymbol(unit));
    values::SetUnit(ui->ESUnit, 0, QString::fromUtf16(ItemOf(kUnits[0]).name));

    table_ = controls::MakeStringGrid(ui->ESTable, 5);
    table_->setCaptions({QStringLiteral("Ряд"), QStringLiteral("Ближайший меньший"), QStringLiteral("Ближайший больший"),
                         QStringLiteral("Ближайший"), QStringLiteral("Отклонение")});
    controls::SetColumnWidths(ui->ESTable, {70, 150, 150, 150, 100});
    controls::FitLastColumn(ui->ESTable, 2);

    pairs_ = controls::MakeStringGrid(ui->ESPairs, 4);
    pairs_->setCaptions({QStringLiteral("Соединение"), QStringLiteral("Номиналы"), QStringLiteral("Вместе"),
                         QStringLiteral("Отклонение")});
    controls::SetColumnWidths(ui->ESPairs, {150, 250, 150, 100});
    controls::FitLastColumn(ui->ESPairs, 2);
    controls::KeepLastColumnClear(ui->ESPairs, 2);
    ui->ESPairsCaption->setText(QStringLiteral("Пары номиналов ряда E24, отклонение не больше %1 %")
                                    .arg(values::FormatNumber(kMaxPairDeviation)));
    showNothing();
}

StandardValuesPage::~StandardValuesPage() = default;

void StandardValuesPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->ESValue}, [this](QObject*) { Compute(); });
    routes.combos.add({ui->ESUnit}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->ESButton}, [this](QObject*) { Clear(); });
}

void StandardValuesPage::Compute()
{
    const Unit unit = kUnits[static_cast<std::size_t>(std::max(ui->ESUnit->currentIndex(), 0))];
    ui->ESUnit->setToolTip(QString::fromUtf16(ItemOf(unit).name));
    const double value = values::ReadValue(ui->ESValue, ItemOf(unit).factor);
    values::ClearUnsolvable(ui->ESValue);
    // 0 is the empty field; a negative value has no standard neighbours.
    if (value == 0 || !values::SolveInto(ui->ESValue, [&] { showValue(value, unit.kind); }))
        showNothing();
}

void StandardValuesPage::Clear()
{
    values::ClearUnsolvable(ui->ESValue);
    values::ShowCleared(ui->ESValue);
    values::SetUnit(ui->ESUnit, 0, QString::fromUtf16(ItemOf(kUnits[0]).name));
    showNothing();
}

void StandardValuesPage::ShowValue(double value, UnitKind kind)
{
    // The largest unit of the kind that leaves at least 1 before the point.
    int chosen = -1;
    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        if (kUnits[i].kind == kind && (chosen < 0 || value >= ItemOf(kUnits[i]).factor))
            chosen = static_cast<int>(i);
    }
    if (chosen < 0)
        return;
    const Unit unit = kUnits[static_cast<std::size_t>(chosen)];
    values::SetUnit(ui->ESUnit, chosen, QString::fromUtf16(ItemOf(unit).name));
    values::WriteGuarded(ui->ESValue, values::FormatNumber(value / ItemOf(unit).factor));
    Compute();
}

void StandardValuesPage::showNothing()
{
    std::vector<QStringList> rows;
    for (const ESeries series : engineering::kAllESeries)
        rows.push_back({QLatin1String(engineering::ESeriesName(series))});
    table_->showRows(std::make_shared<TextRows>(std::move(rows)));
    pairs_->showEmptyRow();
}

void StandardValuesPage::showValue(double value, UnitKind kind)
{
    const auto text = [kind](engineering::Real part) { return values::PartValueText(static_cast<double>(part), kind); };
    std::vector<QStringList> rows;
    for (const ESeries series : engineering::kAllESeries) {
        const engineering::StandardValues standard = engineering::NearestStandard(value, series);
        rows.push_back({QLatin1String(engineering::ESeriesName(series)), text(standard.below), text(standard.above),
                        text(standard.nearest), values::DeviationText(static_cast<double>(standard.deviationPercent))});
    }

    struct Pair {
        Connection connection;
        engineering::StandardPair values;
    };
    std::vector<Pair> pairs;
    for (const Connection connection : {Connection::InSeries, Connection::InParallel}) {
        for (const engineering::StandardPair& pair : engineering::BestPairs(value, connection, ESeries::E24, kMaxPairDeviation))
            pairs.push_back({connection, pair});
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
        return std::abs(a.values.deviationPercent) < std::abs(b.values.deviationPercent);
    });
    std::vector<QStringList> pairRows;
    for (const auto& [connection, pair] : pairs) {
        pairRows.push_back({ConnectionName(connection, kind), text(pair.first) + QStringLiteral(" и ") + text(pair.second),
                            text(pair.value), values::DeviationText(static_cast<double>(pair.deviationPercent))});
    }

    table_->showRows(std::make_shared<TextRows>(std::move(rows)));
    if (pairRows.empty())
        pairs_->showEmptyRow();
    else
        pairs_->showRows(std::make_shared<TextRows>(std::move(pairRows)));
}

} // namespace pages
