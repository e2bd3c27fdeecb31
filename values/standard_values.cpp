#include "values/standard_values.h"

#include "values/number_text.h"

#include <algorithm>
#include <cmath>

namespace values {

bool HasStandardValues(UnitKind kind)
{
    return kind == UnitKind::R || kind == UnitKind::C || kind == UnitKind::L;
}

QString PartValueText(double value, UnitKind kind)
{
    return EngineeringText(value, BaseUnit(kind));
}

QString DeviationText(double percent)
{
    const double size = std::fabs(percent);
    // Rounding noise of an exact match is no deviation.
    if (size < 1e-9)
        return QStringLiteral("0 %");
    const int decimals = size >= 1 ? 2 : std::max(2, 1 - static_cast<int>(std::floor(std::log10(size))));
    const double scale = std::pow(10.0, decimals);
    const QString sign = percent < 0 ? QStringLiteral("−") : QStringLiteral("+");
    return sign + FormatNumber(std::round(size * scale) / scale) + QStringLiteral(" %");
}

std::optional<NearestText> NearestStandardText(double value, UnitKind kind, ESeries series)
{
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    const engineering::StandardValues standard = engineering::NearestStandard(value, series);
    return NearestText{PartValueText(static_cast<double>(standard.nearest), kind),
                       DeviationText(static_cast<double>(standard.deviationPercent))};
}

} // namespace values
