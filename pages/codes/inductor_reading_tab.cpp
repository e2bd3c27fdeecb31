#include "pages/codes/inductor_reading_tab.h"

#include "controls/colour_swatch.h"
#include "pages/codes/colour_table.h"
#include "values/number_text.h"

#include "ui_inductor_code_reading_tab.h"

#include <array>

namespace pages {

namespace {

using codes::BlueShade;
constexpr int kNoBand = 12;  // the "Пустой или 3 полосы" swatch of row 4

// The units of the value, in the order of the engineering scale.
constexpr std::array<const char16_t*, 4> kUnits{u"мкГн", u"мГн", u"Гн", u"кГн"};

QString ToleranceOfRow4(int code)
{
    return QString::number(engineering::InductorTolerancePercent(code)) + u'%';
}

} // namespace

InductorReadingTab::InductorReadingTab(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::InductorReadingTab>())
{
    ui->setupUi(this);
    // The "no band" swatch is filled with the face colour of the buttons.
    ui->SL412->setColour(palette().color(QPalette::Button));
    for (QLabel* caption : {ui->ColorLL1, ui->ColorLL2, ui->ColorLL3, ui->ColorLL4})
        codes::SetRowCaptionFont(caption);
}

InductorReadingTab::~InductorReadingTab() = default;

void InductorReadingTab::registerRoutes(controls::RouteTables& routes)
{
    for (auto* swatch : findChildren<controls::ColourSwatch*>())
        routes.swatches.add({swatch}, [this, swatch](QObject*) { OnColourClick(swatch->tag()); });
    routes.buttons.add({ui->ColorLButton1}, [this](QObject*) { Clear(); });
}

void InductorReadingTab::ApplyBand(int tag)
{
    const auto band = codes::BandOfTag(tag);
    if (!band)
        return;
    switch (band->row) {
    case 1:
        digit1_ = QString::number(band->code);
        codes::ShowBand(ui->ColorLImage1, band->code, BlueShade::Light);
        break;
    case 2:
        digit2_ = QString::number(band->code);
        codes::ShowBand(ui->ColorLImage2, band->code, BlueShade::Light);
        break;
    case 3:
        multiplier_ = band->code;
        codes::ShowBand(ui->ColorLImage3, band->code, BlueShade::Light);
        break;
    case 4:
        tolerance_ = ToleranceOfRow4(band->code);
        if (band->code == kNoBand)
            codes::ShowNoBand(ui->ColorLImage4);
        else
            codes::ShowBand(ui->ColorLImage4, band->code, BlueShade::Light);
        break;
    default:
        break;
    }
}

void InductorReadingTab::OnColourClick(int tag)
{
    ApplyBand(tag);
    const bool marked = tolerance_ == QLatin1String("5%") || tolerance_ == QLatin1String("10%");
    ui->ColorLLabel3->setText(marked ? tolerance_ : QStringLiteral("20%"));
    if (digit1_.isEmpty() || digit2_.isEmpty())
        return;
    const int digits = (digit1_ + digit2_).toInt();
    value_ = digits;
    if (multiplier_) {
        const engineering::ScaledValue scaled = engineering::InductorValue(digits, *multiplier_);
        unit_ = QString::fromUtf16(kUnits.at(static_cast<std::size_t>(scaled.unit)));
        value_ = scaled.value;
    }
    ui->ColorLLabel4->setText(values::FormatNumber(value_) + u' ' + unit_);
}

void InductorReadingTab::Clear()
{
    value_ = 0;
    digit1_.clear();
    digit2_.clear();
    multiplier_.reset();
    unit_.clear();
    tolerance_ = QStringLiteral("20%");
    for (QLabel* image : {ui->ColorLImage1, ui->ColorLImage2, ui->ColorLImage3, ui->ColorLImage4})
        codes::ShowNoBand(image);
    ui->ColorLLabel4->clear();
    ui->ColorLLabel3->setText(QStringLiteral("20%"));
}

} // namespace pages
