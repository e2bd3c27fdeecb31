#include "pages/circuits/band_pass_page.h"

#include "ui_band_pass_page.h"

#include "controls/radio_group.h"
#include "pages/circuits/filter_math.h"
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

bool BandPassPage::Half::owns(const QObject* control) const
{
    return control == cEdit || control == lEdit || control == fcEdit;
}

void BandPassPage::Half::readUnits()
{
    using values::UnitKind;
    cScale = values::UnitScale(cUnit, UnitKind::C);
    lScale = values::UnitScale(lUnit, UnitKind::L);
    fcScale = values::UnitScale(fcUnit, UnitKind::F);
}

void BandPassPage::Half::readValues()
{
    C = values::ReadValue(cEdit, cScale * cFactor);
    L = values::ReadValue(lEdit, lScale * lFactor);
    Fc = values::ReadValue(fcEdit, fcScale);
}

bool BandPassPage::Half::solve()
{
    using namespace filter_math;
    for (QLineEdit* edit : {cEdit, lEdit, fcEdit})
        values::ClearUnsolvable(edit);
    // Valid numbers that give no answer turn the field red and end the
    // computation; its earlier result stays.
    if (C == 0 || solved == FieldC) {
        if (!(L > 0 && Fc > 0))
            return false;
        solved = FieldC;
        if (!values::SolveInto(cEdit, [&] { StoreAndShow(cEdit, C, LcElement(lcConstant, L, Fc), cScale * cFactor); }))
            return false;
    }
    if (L == 0 || solved == FieldL) {
        if (!(C > 0 && Fc > 0))
            return false;
        solved = FieldL;
        if (!values::SolveInto(lEdit, [&] { StoreAndShow(lEdit, L, LcElement(lcConstant, C, Fc), lScale * lFactor); }))
            return false;
    }
    if (Fc == 0 || solved == FieldFc) {
        if (!(L > 0 && C > 0))
            return false;
        solved = FieldFc;
        if (!values::SolveInto(fcEdit, [&] { StoreAndShow(fcEdit, Fc, LcCutOff(lcConstant, L, C), fcScale); }))
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
      lowPass{ui->FPC1, ui->FPCBC1, ui->FPL1, ui->FPCBL1, ui->FPFc1, ui->FPCBFc1, 2.0, 1.0, filter_math::Pi},
      highPass{ui->FPC2, ui->FPCBC2, ui->FPL2, ui->FPCBL2, ui->FPFc2, ui->FPCBFc2, 1.0, 0.5, filter_math::FourPi}
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
    const auto compute = [this](QObject* sender) { Compute(sender); };
    routes.edits.add({ui->FPC1, ui->FPL1, ui->FPFc1, ui->FPC2, ui->FPL2, ui->FPFc2}, compute);
    routes.buttons.add({ui->FPButton}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->FPCBC1, ui->FPCBL1, ui->FPCBFc1, ui->FPCBC2, ui->FPCBL2, ui->FPCBFc2}, compute);
    routes.options.add({ui->FPRG1}, compute);
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
    const bool broken = bandPass ? lowPass.Fc <= highPass.Fc : lowPass.Fc >= highPass.Fc;
    values::SetLabelAlarm(ui->FPLabel3, broken);
    QString reason;
    if (broken) {
        reason = bandPass ? QStringLiteral("Полосовой фильтр пропускает полосу, только если Fc1 больше Fc2")
                          : QStringLiteral("Заграждающий фильтр задерживает полосу, только если Fc1 меньше Fc2");
    }
    ui->FPLabel3->setToolTip(reason);
}

void BandPassPage::Compute(QObject* sender)
{
    if (sender == ui->FPRG1) {
        showPictures(filterType());
        Clear();
        return;
    }
    // The two cut-offs are always in the same unit.
    if (sender == ui->FPCBFc1)
        ui->FPCBFc2->setCurrentIndex(ui->FPCBFc1->currentIndex());
    else if (sender == ui->FPCBFc2)
        ui->FPCBFc1->setCurrentIndex(ui->FPCBFc2->currentIndex());

    for (Half* half : {&lowPass, &highPass})
        half->readUnits();
    for (Half* half : {&lowPass, &highPass})
        half->readValues();

    for (Half* half : {&lowPass, &highPass}) {
        if ((half->owns(sender) || half->solved != None) && !half->solve())
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
