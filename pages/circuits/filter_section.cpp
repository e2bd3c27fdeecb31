#include "pages/circuits/filter_section.h"

#include "controls/labelled_edit.h"
#include "controls/radio_group.h"
#include "controls/route_tables.h"
#include "pages/circuits/store_and_show.h"
#include "values/field.h"
#include "values/pictures.h"
#include "values/units.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace pages {

namespace {

constexpr int LcItem = 0;
constexpr int RcItem = 1;

const QString InductanceCaption = QStringLiteral("Индуктивность L");
const QString ResistanceCaption = QStringLiteral("Сопротивление R");

// Sets a flag for one scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

FilterSection::FilterSection(const FilterControls& controls, const FilterKind& filterKind)
    : ui(controls), kind(filterKind)
{
}

void FilterSection::registerRoutes(controls::RouteTables& routes)
{
    // Every edit needs all three values again, so one row serves them.
    routes.edits.add({ui.c, ui.lr, ui.fc}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui.clear}, [this](QObject*) { Clear(); });
    const auto unitOf = [this](Field field) { return [this, field](QObject*) { OnUnitChange(field); }; };
    routes.combos.add({ui.cUnit}, unitOf(FieldC));
    routes.combos.add({ui.lrUnit}, unitOf(FieldLR));
    routes.combos.add({ui.fcUnit}, unitOf(FieldFc));
    routes.options.add({ui.form}, [this](QObject*) { OnOptionChange(Option::Form); });
    routes.options.add({ui.elements}, [this](QObject*) { OnOptionChange(Option::Elements); });
}

void FilterSection::OnOpen()
{
    values::LoadPicture(ui.section, QString::fromLatin1(kind.pictures[0][LcItem]));
}

bool FilterSection::lcMode() const
{
    return controls::ItemIndex(ui.elements) != RcItem;
}

engineering::Real FilterSection::element(engineering::Real other, engineering::Real fc) const
{
    using namespace engineering;
    return lcMode() ? LcPartner(LcConstant(kind.pass), other, fc) : RcPartner(other, fc);
}

engineering::Real FilterSection::cutOff(engineering::Real lr, engineering::Real c) const
{
    using namespace engineering;
    return lcMode() ? LcFrequency(LcConstant(kind.pass), lr, c) : RcCutOff(lr, c);
}

void FilterSection::Compute()
{
    for (QLineEdit* edit : {ui.c, ui.lr, ui.fc})
        values::ClearUnsolvable(edit);
    C = values::ReadValue(ui.c, cFactor * cScale);
    LR = values::ReadValue(ui.lr, lrFactor * lrScale);
    Fc = values::ReadValue(ui.fc, fcScale);

    // Valid numbers that give no answer turn the field red and end the
    // computation; its earlier result stays.
    if (C == 0 || SolvedField == FieldC) {
        if (!(LR > 0 && Fc > 0))
            return;
        SolvedField = FieldC;
        if (!values::SolveInto(ui.c, [&] { StoreAndShow(ui.c, C, element(LR, Fc), cFactor * cScale); }))
            return;
    }
    if (LR == 0 || SolvedField == FieldLR) {
        if (!(C > 0 && Fc > 0))
            return;
        SolvedField = FieldLR;
        if (!values::SolveInto(ui.lr, [&] { StoreAndShow(ui.lr, LR, element(C, Fc), lrFactor * lrScale); }))
            return;
    }
    if (Fc == 0 || SolvedField == FieldFc) {
        if (!(LR > 0 && C > 0))
            return;
        SolvedField = FieldFc;
        values::SolveInto(ui.fc, [&] { StoreAndShow(ui.fc, Fc, cutOff(LR, C), fcScale); });
    }
}

void FilterSection::OnUnitChange(Field field)
{
    using values::UnitKind;
    switch (field) {
    case FieldC:
        cScale = values::UnitScale(ui.cUnit, UnitKind::C);
        break;
    case FieldLR:
        lrScale = values::UnitScale(ui.lrUnit, lcMode() ? UnitKind::L : UnitKind::R);
        break;
    case FieldFc:
        fcScale = values::UnitScale(ui.fcUnit, UnitKind::F);
        break;
    case None:
        break;
    }
    if (SolvedField != None)
        Compute();
}

void FilterSection::showElements(bool lc)
{
    using values::UnitKind;
    controls::SetEditCaption(ui.lr, lc ? InductanceCaption : ResistanceCaption);
    values::FillUnitCombo(ui.lrUnit, values::UnitTexts(lc ? UnitKind::L : UnitKind::R),
                          lc ? QStringLiteral("Микрогенри") : QStringLiteral("Ом"), 0);
    lrScale = lc ? 1e-6 : 1.0;
}

void FilterSection::OnOptionChange(Option changed)
{
    if (resettingOptions)
        return;
    const int formIndex = std::max(0, controls::ItemIndex(ui.form));
    const auto factors = engineering::FormFactors(kind.pass, static_cast<engineering::SectionForm>(formIndex));
    lrFactor = static_cast<double>(factors.inductorOrResistor);
    cFactor = static_cast<double>(factors.capacitor);
    const auto& pictures = kind.pictures[static_cast<std::size_t>(formIndex)];
    values::LoadPicture(ui.section, QString::fromLatin1(pictures[lcMode() ? LcItem : RcItem]));
    if (changed == Option::Elements)
        showElements(lcMode());
    if (SolvedField != None)
        Compute();
}

void FilterSection::Clear()
{
    SolvedField = None;
    cFactor = lrFactor = 1;
    cScale = 1e-12;
    fcScale = 1e6;
    for (QLineEdit* edit : {ui.c, ui.lr, ui.fc})
        values::ShowCleared(edit);
    showElements(true);
    values::SetUnit(ui.cUnit, 0, QStringLiteral("Пикофарад"));
    values::SetUnit(ui.fcUnit, 2, QStringLiteral("Мегагерц"));
    {
        const FlagScope silence(resettingOptions);
        controls::SetItemIndex(ui.form, 0);
        controls::SetItemIndex(ui.elements, LcItem);
    }
    OnOpen();
}

} // namespace pages
