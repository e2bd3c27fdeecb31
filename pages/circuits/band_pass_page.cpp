#include "pages/circuits/band_pass_page.h"

#include "ui_band_pass_page.h"

#include "controls/radio_group.h"
#include "pages/circuits/store_and_show.h"
#include "values/field.h"
#include "values/pictures.h"

#include <QComboBox>
#include <QFont>
#include <QLineEdit>

#include <array>

namespace pages {

namespace {

struct FilterType {
    const char* curve;
    const char* section;
    const char16_t* condition;
};

constexpr int BandPassType = 0;
constexpr std::array<FilterType, 2> FilterTypes{{
    {"PIC13", "PIC14", u"Fc1  >  Fc2"},
    {"PIC15", "PIC16", u"Fc1  <  Fc2"},
}};

std::unique_ptr<Ui::BandPassPage> SetUp(QWidget* page)
{
    auto ui = std::make_unique<Ui::BandPassPage>();
    ui->setupUi(page);
    return ui;
}

} // namespace

void BandPassPage::Half::readUnits()
{
    using values::UnitKind;
    cScale = values::UnitScale(cUnit, UnitKind::C);
    lScale = values::UnitScale(lUnit, UnitKind::L);
    fcScale = values::UnitScale(fcUnit, UnitKind::F);
}

void BandPassPage::Half::readValues()
{
    C = values::ReadValue(cEdit, cScale * cFactor());
    L = values::ReadValue(lEdit, lScale * lFactor());
    Fc = values::ReadValue(fcEdit, fcScale);
}

bool BandPassPage::Half::solve()
{
    using engineering::LcFrequency;
    using engineering::LcPartner;
    const engineering::Real k = engineering::LcConstant(pass);
    for (QLineEdit* edit : {cEdit, lEdit, fcEdit})
        values::ClearUnsolvable(edit);
    // Valid numbers that give no answer turn the field red and end the
    // computation; its earlier result stays.
    if (C == 0 || solved == FieldC) {
        if (!(L > 0 && Fc > 0))
            return false;
        solved = FieldC;
        if (!values::SolveInto(cEdit, [&] { StoreAndShow(cEdit, C, LcPartner(k, L, Fc), cScale * cFactor()); }))
            return false;
    }
    if (L == 0 || solved == FieldL) {
        if (!(C > 0 && Fc > 0))
            return false;
        solved = FieldL;
        if (!values::SolveInto(lEdit, [&] { StoreAndShow(lEdit, L, LcPartner(k, C, Fc), lScale * lFactor()); }))
            return false;
    }
    if (Fc == 0 || solved == FieldFc) {
        if (!(L > 0 && C > 0))
            return false;
        solved = FieldFc;
        if (!values::SolveInto(fcEdit, [&] { StoreAndShow(fcEdit, Fc, LcFrequency(k, L, C), fcScale); }))
            return false;
    }
    return true;
}

void BandPassPage::Half::clear()
{
    solved = None;
    for (QLineEdit* edit : {cEdit, lEdit, fcEdit})
        values::ShowCleared(edit);
    values::SetUnit(cUnit, 0, QStringLiteral("Пикофарад"));
    values::SetUnit(lUnit, 0, QStringLiteral("Микрогенри"));
    values::SetUnit(fcUnit, 2, QStringLiteral("Мегагерц"));
}

BandPassPage::BandPassPage(QWidget* parent)
    : Page(parent),
      ui(SetUp(this)),
      lowPass{ui->FPC1, ui->FPCBC1, ui->FPL1, ui->FPCBL1, ui->FPFc1, ui->FPCBFc1,
              engineering::FilterPass::LowPass, engineering::BandLowPassHalf},
      highPass{ui->FPC2, ui->FPCBC2, ui->FPL2, ui->FPCBL2, ui->FPFc2, ui->FPCBFc2,
               engineering::FilterPass::HighPass, engineering::BandHighPassHalf}
{
    QFont conditionFont(QStringLiteral("Arial Black"));
    conditionFont.setPixelSize(27);
    conditionFont.setWeight(QFont::Black);
    ui->FPLabel3->setFont(conditionFont);
}

BandPassPage::~BandPassPage() = default;

// Every opening shows the band-pass pictures, whatever type is selected.
void BandPassPage::OnOpen()
{
    showPictures(BandPassType);
}

void BandPassPage::showPictures(int typeIndex)
{
    const FilterType& type = FilterTypes[static_cast<std::size_t>(typeIndex)];
    values::LoadPicture(ui->FPImage1, QString::fromLatin1(type.curve));
    values::LoadPicture(ui->FPImage2, QString::fromLatin1(type.section));
}

void BandPassPage::registerRoutes(controls::RouteTables& routes)
{
    const auto computeLow = [this](QObject*) { Compute(&lowPass); };
    const auto computeHigh = [this](QObject*) { Compute(&highPass); };
    routes.edits.add({ui->FPC1, ui->FPL1, ui->FPFc1}, computeLow);
    routes.edits.add({ui->FPC2, ui->FPL2, ui->FPFc2}, computeHigh);
    routes.buttons.add({ui->FPButton}, [this](QObject*) { Clear(); });
    // A C or L unit changes only the quantity its half reads; a solved half computes again.
    routes.combos.add({ui->FPCBC1, ui->FPCBL1, ui->FPCBC2, ui->FPCBL2}, [this](QObject*) { Compute(nullptr); });
    routes.combos.add({ui->FPCBFc1}, [this](QObject*) { OnCutOffUnitChange(ui->FPCBFc1, ui->FPCBFc2); });
    routes.combos.add({ui->FPCBFc2}, [this](QObject*) { OnCutOffUnitChange(ui->FPCBFc2, ui->FPCBFc1); });
    routes.options.add({ui->FPRG1}, [this](QObject*) { OnTypeChange(); });
}

int BandPassPage::filterType() const
{
    return controls::ItemIndex(ui->FPRG1) == 1 ? 1 : BandPassType;
}

void BandPassPage::showType()
{
    ui->FPLabel3->setText(QString::fromUtf16(FilterTypes[static_cast<std::size_t>(filterType())].condition));
}

void BandPassPage::showConditionColour()
{
    const bool bandPass = filterType() == BandPassType;
    const bool broken = bandPass ? !engineering::PassesBand(lowPass.Fc, highPass.Fc)
                                 : !engineering::StopsBand(lowPass.Fc, highPass.Fc);
    values::SetLabelAlarm(ui->FPLabel3, broken);
    QString reason;
    if (broken) {
        reason = bandPass ? QStringLiteral("Полосовой фильтр пропускает полосу, только если Fc1 больше Fc2")
                          : QStringLiteral("Заграждающий фильтр задерживает полосу, только если Fc1 меньше Fc2");
    }
    ui->FPLabel3->setToolTip(reason);
}

void BandPassPage::OnTypeChange()
{
    showPictures(filterType());
    Clear();
}

// The two cut-offs are always in the same unit.
void BandPassPage::OnCutOffUnitChange(QComboBox* chosen, QComboBox* follower)
{
    follower->setCurrentIndex(chosen->currentIndex());
    Compute(nullptr);
}

void BandPassPage::Compute(Half* edited)
{
    for (Half* half : {&lowPass, &highPass})
        half->readUnits();
    for (Half* half : {&lowPass, &highPass})
        half->readValues();

    for (Half* half : {&lowPass, &highPass}) {
        if ((half == edited || half->solved != None) && !half->solve())
            return;
    }
    showConditionColour();
}

void BandPassPage::Clear()
{
    lowPass.clear();
    highPass.clear();
    showType();
    values::SetLabelAlarm(ui->FPLabel3, false);
    ui->FPLabel3->setToolTip(QString());
}

} // namespace pages
