#pragma once

#include <QString>

#include <array>
#include <optional>

// The glucose limits as the settings window shows and takes them: whole mg/dL
// in the settings, mg/dL or mmol/L (factor 18) in the boxes.
namespace LimitSettings {

// Upper, lower, after-meal upper, after-meal lower: the order of the boxes.
using Limits = std::array<int, 4>;
using LimitTexts = std::array<QString, 4>;

struct UnitShown
{
    QString label; // "mg/dL" or "mmol/L"
    QString upper; // the default texts a unit choice puts in the boxes
    QString lower;
};
// Unit 1 or 2; nothing for any other unit.
std::optional<UnitShown> unitShown(int unit);

// A stored limit as its box shows it: "120" in mg/dL, "6.7" in mmol/L.
QString shown(int mgdl, int unit);

// Nearest whole number, halves to the even neighbour (100.5 gives 100).
int roundHalfEven(double value);

struct SaveOutcome
{
    bool ok = false;
    QString message; // the first failing check's; empty when ok
    Limits limits{}; // whole mg/dL, when ok
    int box = -1;    // the box the failing check is about (of a lower limit above its upper: the lower)
};
// SAVE: the six checks in order (each limit within the unit's range, each lower
// not above its upper, as entered), then the conversion to mg/dL. A text that is
// not a finite number fails its range check. An unknown unit saves nothing and
// says nothing.
SaveOutcome save(int unit, const LimitTexts &texts);

} // namespace LimitSettings
