#include "app/page_catalog.h"

#include "pages/circuits/oscillating_circuit_page.h"
#include "pages/circuits/low_pass_page.h"
#include "pages/circuits/high_pass_page.h"
#include "pages/circuits/band_pass_page.h"
#include "pages/circuits/filter_design_page.h"
#include "pages/inductors/single_layer_coil_page.h"
#include "pages/inductors/multilayer_coil_page.h"
#include "pages/inductors/wire_inductance_page.h"
#include "pages/inductors/ferrite_ring_page.h"
#include "pages/inductors/mains_transformer_page.h"
#include "pages/resistive/ohms_law_page.h"
#include "pages/resistive/parallel_resistors_page.h"
#include "pages/resistive/added_resistor_page.h"
#include "pages/resistive/quenching_capacitor_page.h"
#include "pages/codes/resistor_code_page.h"
#include "pages/codes/inductor_code_page.h"
#include "pages/resistive/standard_values_page.h"
#include "pages/resistive/star_delta_page.h"
#include "pages/resistive/voltage_divider_page.h"
#include "pages/resistive/reactance_page.h"
#include "pages/resistive/ammeter_shunt_page.h"
#include "pages/resistive/voltmeter_page.h"
#include "pages/circuits/extended_circuit_page.h"
#include "pages/reference/smd_marking_page.h"
#include "pages/reference/transistor_analogues_page.h"

namespace app {

namespace {

template <class PageClass>
controls::Page* Make(QWidget* parent)
{
    return new PageClass(parent);
}

} // namespace

const std::vector<PageEntry>& PageCatalog()
{
    // The fixed order of the tabs, whatever the order of opening.
    static const std::vector<PageEntry> catalog{
        {"TS1", u"Колебательный контур поралельный и последовательный", "N7", Make<pages::OscillatingCircuitPage>},
        {"TS3", u"НЧ", "N13", Make<pages::LowPassPage>},
        {"TS4", u"ВЧ", "N14", Make<pages::HighPassPage>},
        {"TS5", u"Полосовой", "N15", Make<pages::BandPassPage>},
        {"TSFilterDesign", u"Проектирование фильтра", "NFilterDesign", Make<pages::FilterDesignPage>},
        {"TS7", u"Катушка цилиндрическая однослойная", "N18", Make<pages::SingleLayerCoilPage>},
        {"TS8", u"Катушка цилиндрическая многослойная", "N19", Make<pages::MultilayerCoilPage>},
        {"TS10", u"Индуктивность провода", "N25", Make<pages::WireInductancePage>},
        {"TS11", u"На фирритовом кольце", "N26", Make<pages::FerriteRingPage>},
        {"TS12", u"Транссформатор сетевой", "N27", Make<pages::MainsTransformerPage>},
        {"TS15", u"Закон Ома", "N32", Make<pages::OhmsLawPage>},
        {"TS16", u"Паралельное соединение R1, R2", "R1R21", Make<pages::ParallelResistorsPage>},
        {"TS17", u"Добавочное сопротивление", "N33", Make<pages::AddedResistorPage>},
        {"TS18", u"Гасящий конденсатор", "N34", Make<pages::QuenchingCapacitorPage>},
        {"TS19", u"Цветомаркировка резистора", "N35", Make<pages::ResistorCodePage>},
        {"TS20", u"Цвето маркировка дроселя", "N36", Make<pages::InductorCodePage>},
        {"TS21", u"Преобразование звезда <-> треуголник", "N24", Make<pages::StarDeltaPage>},
        {"TS22", u"Делитель напряжения", "N38", Make<pages::VoltageDividerPage>},
        {"TS23", u"Реактивное сопротивление L, C", "LC1", Make<pages::ReactancePage>},
        {"TS24", u"Шунт или расчёт Амперметра", "N39", Make<pages::AmmeterShuntPage>},
        {"TS25", u"Расчёт вольт метр", "N40", Make<pages::VoltmeterPage>},
        {"TS26", u"Расширенный", "N8", Make<pages::ExtendedCircuitPage>},
        {"TS27", u"Маркировка SMD транзисторов", "SMD1", Make<pages::SmdMarkingPage>},
        {"TS28", u"Транзисторы", "N16", Make<pages::TransistorAnaloguesPage>},
        {"TSESeries", u"Стандартные номиналы", "NESeries", Make<pages::StandardValuesPage>},
    };
    return catalog;
}

} // namespace app
