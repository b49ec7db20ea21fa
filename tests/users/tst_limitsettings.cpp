#include "users/LimitSettings.h"

#include <QTest>

using LimitSettings::LimitTexts;

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

} // namespace

class LimitSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // SAVE: the first failing check's message and the box it is about, or the
    // limits stored in mg/dL.
    void save_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<LimitTexts>("texts"); // upper, lower, after-meal upper, after-meal lower
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("limits"); // when saved
        QTest::addColumn<int>("box");           // when refused
        const auto row = [](const char *name, int unit, LimitTexts texts, QString message, QList<int> limits = {},
                            int box = -1) { QTest::newRow(name) << unit << texts << message << limits << box; };
        row("mg/dL bounds", 1, {"600", "30", "600", "30"}, {}, {600, 30, 600, 30});
        row("601 refused", 1, {"601", "30", "126", "70"}, kUpperMgdl, {}, 0);
        row("halves to even", 1, {"101.5", "100.5", "102.5", "99.5"}, {}, {102, 100, 102, 100});
        row("mmol/L bounds", 2, {"33.3", "1.7", "33.3", "1.7"}, {}, {599, 31, 599, 31});
        row("33.4 refused", 2, {"33.4", "1.7", "7", "3.8"}, kUpperMmol, {}, 0);
        row("1.6 refused", 2, {"7", "1.6", "7", "3.8"}, kLowerMmol, {}, 1);
        row("lower above upper", 2, {"5.2", "5.6", "7", "3.8"}, kLowerAbove, {}, 1);
        row("lower equal to upper", 2, {"5.6", "5.6", "5.6", "5.6"}, {}, {101, 101, 101, 101});
        // The hidden after-meal boxes are checked after the visible pair, alike.
        row("after-meal upper", 1, {"126", "70", "601", "70"}, kUpperMgdl, {}, 2);
        row("after-meal lower", 1, {"126", "70", "126", "29"}, kLowerMgdl, {}, 3);
        row("after-meal lower above upper", 1, {"126", "70", "100", "101"}, kLowerAbove, {}, 3);
        // Text that is not a finite number fails the range check of its box.
        row("empty upper", 1, {"", "70", "126", "70"}, kUpperMgdl, {}, 0);
        row("not a number", 1, {"126", "nan", "126", "70"}, kLowerMgdl, {}, 1);
        row("unknown unit", 3, {"126", "70", "126", "70"}, {});
    }
    void save()
    {
        QFETCH(int, unit);
        QFETCH(LimitTexts, texts);
        QFETCH(QString, message);
        QFETCH(QList<int>, limits);
        QFETCH(int, box);
        const LimitSettings::SaveOutcome outcome = LimitSettings::save(unit, texts);
        const bool saved = message.isEmpty() && unit != 3;
        QCOMPARE(std::tuple(outcome.ok, outcome.message, QList<int>(outcome.limits.begin(), outcome.limits.end()),
                            outcome.box),
                 std::tuple(saved, message, saved ? limits : QList<int>{0, 0, 0, 0}, box));
    }
};

QTEST_GUILESS_MAIN(LimitSettingsTest)
#include "tst_limitsettings.moc"
