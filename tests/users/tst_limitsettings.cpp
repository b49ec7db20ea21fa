#include "users/LimitSettings.h"

#include "../common/Rows.h"

#include <QTest>

using LimitSettings::LimitTexts;
using LimitSettings::SaveOutcome;

namespace {

const QString kUpperMgdl = QStringLiteral(
    "Error: The normal Uper limit Setting of Glucose Value ranges between 30mg/dL and 600mg/dL !!");
const QString kLowerMgdl = QStringLiteral(
    "Error: The normal lower limit Setting of Glucose Value ranges between 30mg/dL and 600mg/dL !!");
const QString kUpperMmol = QStringLiteral(
    "Error: The normal Uper limit Setting of Glucose Value ranges between 1.7mmol/L and 33.3mmol/L !!");
const QString kLowerMmol = QStringLiteral(
    "Error: The normal lower limit Setting of Glucose Value ranges between 1.7mmol/L and 33.3mmol/L !!");
const QString kLowerAbove = QStringLiteral(
    "Error: The lower limit Setting of Glucose Value > The Uper limit Setting of Glucose Value!!");

// SAVE pressed with the unit and the texts of the boxes (upper, lower,
// after-meal upper, after-meal lower): the limits stored in mg/dL, or the
// first failing check's message and the box it is about.
struct SaveCase
{
    const char *name;
    int unit;
    LimitTexts texts;
    SaveOutcome expected;
};

} // namespace

namespace LimitSettings {
bool operator==(const SaveOutcome &a, const SaveOutcome &b)
{
    return std::tie(a.ok, a.message, a.limits, a.box) == std::tie(b.ok, b.message, b.limits, b.box);
}
ROW_FIELDS(SaveOutcome, ok, message, limits, box)
} // namespace LimitSettings

class LimitSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // SAVE: the first failing check's message and the box it is about, or the
    // limits stored in mg/dL.
    void save_data()
    {
        const auto saved = [](int a, int b, int c, int d) { return SaveOutcome{true, QString(), {a, b, c, d}, -1}; };
        const auto refused = [](const QString &message, int box) { return SaveOutcome{false, message, {}, box}; };
        Rows::add<SaveCase>({
            {"mg/dL bounds", 1, {"600", "30", "600", "30"}, saved(600, 30, 600, 30)},
            {"601 refused", 1, {"601", "30", "126", "70"}, refused(kUpperMgdl, 0)},
            {"halves to even", 1, {"101.5", "100.5", "102.5", "99.5"}, saved(102, 100, 102, 100)},
            {"mmol/L bounds", 2, {"33.3", "1.7", "33.3", "1.7"}, saved(599, 31, 599, 31)},
            {"33.4 refused", 2, {"33.4", "1.7", "7", "3.8"}, refused(kUpperMmol, 0)},
            {"1.6 refused", 2, {"7", "1.6", "7", "3.8"}, refused(kLowerMmol, 1)},
            {"lower above upper", 2, {"5.2", "5.6", "7", "3.8"}, refused(kLowerAbove, 1)},
            {"lower equal to upper", 2, {"5.6", "5.6", "5.6", "5.6"}, saved(101, 101, 101, 101)},
            // The hidden after-meal boxes are checked after the visible pair, alike.
            {"after-meal upper", 1, {"126", "70", "601", "70"}, refused(kUpperMgdl, 2)},
            {"after-meal lower", 1, {"126", "70", "126", "29"}, refused(kLowerMgdl, 3)},
            {"after-meal lower above upper", 1, {"126", "70", "100", "101"}, refused(kLowerAbove, 3)},
            // Text that is not a finite number fails the range check of its box.
            {"empty upper", 1, {"", "70", "126", "70"}, refused(kUpperMgdl, 0)},
            {"not a number", 1, {"126", "nan", "126", "70"}, refused(kLowerMgdl, 1)},
            {"unknown unit", 3, {"126", "70", "126", "70"}, refused(QString(), -1)},
        });
    }
    void save()
    {
        const SaveCase &c = Rows::current<SaveCase>();
        QCOMPARE(LimitSettings::save(c.unit, c.texts), c.expected);
    }
};

QTEST_GUILESS_MAIN(LimitSettingsTest)
#include "tst_limitsettings.moc"
