#include "engineering/filter_sections.h"

#include "engineering/constants.h"

#include <array>

namespace engineering {

using namespace checked;

Real LcConstant(FilterPass pass)
{
    return pass == FilterPass::LowPass ? Pi : FourPi;
}

ElementFactors FormFactors(FilterPass pass, SectionForm form)
{
    // Low-pass: the Т section takes twice the typed L or R, the П section
    // twice the typed C; high-pass: half of them.
    constexpr std::array<ElementFactors, 3> lowPass{{{1, 1}, {2, 1}, {1, 2}}};
    constexpr std::array<ElementFactors, 3> highPass{{{1, 1}, {0.5L, 1}, {1, 0.5L}}};
    const auto index = static_cast<std::size_t>(form);
    return pass == FilterPass::LowPass ? lowPass.at(index) : highPass.at(index);
}

Real RcCutOff(Real resistance, Real capacitance)
{
    return Div(1, TwoPi * resistance * capacitance);
}

Real RcPartner(Real other, Real cutOff)
{
    return Div(1, other * TwoPi * cutOff);
}

bool PassesBand(Real lowPassCutOff, Real highPassCutOff)
{
    return lowPassCutOff > highPassCutOff;
}

bool StopsBand(Real lowPassCutOff, Real highPassCutOff)
{
    return lowPassCutOff < highPassCutOff;
}

} // namespace engineering
