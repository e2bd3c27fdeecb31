#include "pages/inductors/mains_transformer_page.h"

#include "ui_mains_transformer_page.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace pages {

using values::Real;
using values::checked::Div;
using values::checked::Sqrt;
using values::checked::ToDouble;

namespace {

const QString Unknown = QStringLiteral("??");

QString WithUnit(Real value, const QString& unit)
{
    return values::FormatNumber(ToDouble(value)) + QLatin1Char(' ') + unit;
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

    const Real S = values::checked::Finite(coreL * coreT);  // cm²
    const Real P = values::checked::Finite(U2 * I2);        // W
    const Real turnsPerVolt = Div(50, S);
    // The primary current is rated for the 220 V mains whatever U1 is typed.
    const Real I1 = P / 220;
    const Real W1 = U1 * turnsPerVolt;
    const Real W2 = U2 * turnsPerVolt;
    const Real d1 = Sqrt(I1 / 2.5L);  // mm
    const Real d2 = Sqrt(I2 / 2.5L);  // mm

    // Every text is made before any is shown, so a result too large for a
    // double leaves the answers as they were.
    const QString turns1 = values::FormatNumber(ToDouble(W1));
    const QString turns2 = values::FormatNumber(ToDouble(W2));
    const QString wire1 = WithUnit(d1, QStringLiteral("мм"));
    const QString wire2 = WithUnit(d2, QStringLiteral("мм"));
    const QString power = WithUnit(P, QStringLiteral("Ват"));
    ui->TrLabel6->setText(turns1);
    ui->TrLabel7->setText(turns2);
    ui->TrLabel8->setText(wire1);
    ui->TrLabel9->setText(wire2);
    ui->TrLabel10->setText(power);
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
    for (QLabel* answer : {ui->TrLabel6, ui->TrLabel7, ui->TrLabel8, ui->TrLabel9, ui->TrLabel10})
        answer->setText(Unknown);
}

} // namespace pages
