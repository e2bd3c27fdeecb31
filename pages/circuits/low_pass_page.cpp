#include "pages/circuits/low_pass_page.h"

#include "ui_low_pass_page.h"

#include "values/pictures.h"

namespace pages {

namespace {

// The pictures of the Г, Т and П sections, LC and RC.
const FilterKind LowPass{
    engineering::FilterPass::LowPass,
    {{
        {{"PIC1", "PIC4"}},
        {{"PIC2", "PIC5"}},
        {{"PIC3", "PIC6"}},
    }},
};

FilterControls ControlsOf(Ui::LowPassPage& ui)
{
    return {ui.FNC, ui.FNCBC, ui.FNLR, ui.FNCBLR, ui.FNFc, ui.FNCBFc,
            ui.FNRG1, ui.FNRG2, ui.FNImage2, ui.FNButton};
}

std::unique_ptr<Ui::LowPassPage> SetUp(QWidget* page)
{
    auto ui = std::make_unique<Ui::LowPassPage>();
    ui->setupUi(page);
    return ui;
}

} // namespace

LowPassPage::LowPassPage(QWidget* parent)
    : Page(parent), ui(SetUp(this)), section(ControlsOf(*ui), LowPass)
{
    values::LoadPicture(ui->FNImage1, QStringLiteral("FNImage1"));
}

LowPassPage::~LowPassPage() = default;

void LowPassPage::OnOpen()
{
    section.OnOpen();
}

void LowPassPage::registerRoutes(controls::RouteTables& routes)
{
    section.registerRoutes(routes);
}

} // namespace pages
