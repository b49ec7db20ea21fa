#include "users/LimitSettings.h"

#include "users/SettingsTexts.h"

#include <cfenv>
#include <cmath>

namespace LimitSettings {

namespace {

constexpr double kMmolFactor = 18.0;

struct Range
{
    double lowest;
    double highest;
    QString upperMessage;
    QString lowerMessage;
};

Range rangeOf(int unit)
{
    const auto message = [](const char *which, const char *lowest, const char *highest) {
        return QStringLiteral("Error: The normal %1 limit Setting of Glucose Value ranges between %2 and %3 !!")
            .arg(QLatin1String(which), QLatin1String(lowest), QLatin1String(highest));
    };
    if (unit == 1)
        return {30, 600, message("Uper", "30mg/dL", "600mg/dL"), message("lower", "30mg/dL", "600mg/dL")};
    return {1.7, 33.3, message("Uper", "1.7mmol/L", "33.3mmol/L"), message("lower", "1.7mmol/L", "33.3mmol/L")};
}

// NaN and infinities fail the range check, like letters and empty boxes.
std::optional<double> valueIn(const QString &text, double lowest, double highest)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= lowest && value <= highest))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<UnitShown> unitShown(int unit)
{
    if (unit == 1)
        return UnitShown{QStringLiteral("mg/dL"), QStringLiteral("126"), QStringLiteral("70")};
    if (unit == 2)
        return UnitShown{QStringLiteral("mmol/L"), QStringLiteral("7"), QStringLiteral("3.8")};
    return std::nullopt;
}

QString shown(int mgdl, int unit)
{
    return unit == 2 ? QString::number(mgdl / kMmolFactor, 'f', 1) : QString::number(mgdl);
}

int roundHalfEven(double value)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    return int(rounded);
}

SaveOutcome save(int unit, const LimitTexts &texts)
{
    if (unit != 1 && unit != 2)
        return {};
    const Range range = rangeOf(unit);
    std::array<double, 4> values{};
    // Upper and lower, then the after-meal pair, each pair checked the same way.
    for (int pair = 0; pair < 2; ++pair) {
        const auto upper = valueIn(texts[2 * pair], range.lowest, range.highest);
        if (!upper)
            return {false, range.upperMessage, {}, 2 * pair};
        const auto lower = valueIn(texts[2 * pair + 1], range.lowest, range.highest);
        if (!lower)
            return {false, range.lowerMessage, {}, 2 * pair + 1};
        if (*lower > *upper)
            return {false, SettingsTexts::kLowerAboveUpper, {}, 2 * pair + 1};
        values[2 * pair] = *upper;
        values[2 * pair + 1] = *lower;
    }
    SaveOutcome outcome{true, {}, {}, -1};
    for (int i = 0; i < 4; ++i)
        outcome.limits[i] = roundHalfEven(unit == 2 ? values[i] * kMmolFactor : values[i]);
    return outcome;
}

} // namespace LimitSettings
