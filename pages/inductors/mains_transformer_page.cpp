#include "pages/inductors/mains_transformer_page.h"

#include "engineering/ring_and_transformer.h"
#include "ui_mains_transformer_page.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace pages {

using values::Real;
using values::checked::ToDouble;

namespace {

const QString Unknown = QStringLiteral("??");
const QString CoreFits = QStringLiteral("Трансформатор вадержит такую нагружку");
const QString Millimetres = QStringLiteral("мм");
const QString Watts = QStringLiteral("Ват");

QString Number(Real value)
{
    return values::FormatNumber(ToDouble(value));
}

QString WithUnit(Real value, const QString& unit)
{
    return Number(value) + QLatin1Char(' ') + unit;
}

// Three significant digits are as much as a rule of thumb can promise.
QString RoundedNumber(Real value)
{
    return values::FormatNumber(QString::number(ToDouble(value), 'g', 3).toDouble());
}

} // namespace

MainsTransformerPage::MainsTransformerPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::MainsTransformerPage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->TrImage1, QStringLiteral("TrImage1"));
}

MainsTransformerPage::~MainsTransformerPage() = default;

void MainsTransformerPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->TrL, ui->TrT, ui->TrU1, ui->TrU2, ui->TrI2}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->TrButton}, [this](QObject*) { Clear(); });
}

void MainsTransformerPage::Compute()
{
    const Real coreL = values::ReadValue(ui->TrL);  // cm
    const Real coreT = values::ReadValue(ui->TrT);  // cm
    const Real U1 = values::ReadValue(ui->TrU1);
    const Real U2 = values::ReadValue(ui->TrU2);
    const Real I2 = values::ReadValue(ui->TrI2);
    if (!(coreL > 0 && coreT > 0 && U1 > 0 && U2 > 0 && I2 > 0))
        return;

    const Real S = engineering::CoreArea(coreL, coreT);
    const Real P = engineering::LoadPower(U2, I2);
    // Each answer that has no value keeps its text and turns red on its own.
    const auto answer = [](QLabel* label, const auto& text) {
        values::SolveInto(label, [&] {
            label->setText(text());
            values::ClearUnsolvable(label);
        });
    };
    answer(ui->TrLabel6, [&] { return Number(engineering::WindingTurns(U1, S)); });
    answer(ui->TrLabel7, [&] { return Number(engineering::WindingTurns(U2, S)); });
    answer(ui->TrLabel8, [&] {
        return WithUnit(engineering::WindingWireDiameter(engineering::PrimaryCurrent(P, U1)), Millimetres);
    });
    answer(ui->TrLabel9, [&] { return WithUnit(engineering::WindingWireDiameter(I2), Millimetres); });
    answer(ui->TrLabel10, [&] { return WithUnit(P, Watts); });
    values::SolveInto(ui->TrLabel11, [&] { ShowCoreCheck(S, P); });
}

void MainsTransformerPage::ShowCoreCheck(Real S, Real P)
{
    const Real most = engineering::CorePowerLimit(S);
    if (P <= most) {
        ui->TrLabel11->setText(CoreFits);
        values::ClearUnsolvable(ui->TrLabel11);
        return;
    }
    const QString warning = QStringLiteral("Сердечник мал: не более ") + RoundedNumber(most) + QStringLiteral(" Ват");
    const QString reason = QStringLiteral("Для ") + Number(P)
                         + QStringLiteral(" Ват нужно сечение сердечника L·Т не меньше ")
                         + RoundedNumber(engineering::CoreAreaFor(P)) + QStringLiteral(" см²");
    ui->TrLabel11->setText(warning);
    values::ShowUnsolvable(ui->TrLabel11, reason);
}

void MainsTransformerPage::Clear()
{
    // Guarded: a computation run by the first write would only stop at its
    // zero, or fail on a bad text still standing in a later field.
    values::WriteGuarded(ui->TrL, QStringLiteral("0"));
    values::WriteGuarded(ui->TrT, QStringLiteral("0"));
    values::WriteGuarded(ui->TrU1, QStringLiteral("220"));
    values::WriteGuarded(ui->TrU2, QStringLiteral("0"));
    values::WriteGuarded(ui->TrI2, QStringLiteral("0"));
    for (QLabel* answer : {ui->TrLabel6, ui->TrLabel7, ui->TrLabel8, ui->TrLabel9, ui->TrLabel10}) {
        answer->setText(Unknown);
        values::ClearUnsolvable(answer);
    }
    ui->TrLabel11->setText(CoreFits);
    values::ClearUnsolvable(ui->TrLabel11);
}

} // namespace pages
