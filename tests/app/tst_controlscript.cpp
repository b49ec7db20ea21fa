#include "app/ui/ControlScript.h"
#include "../common/Rows.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

template<typename T, typename... Arguments>
T *named(const char *name, QWidget *window, const Arguments &...arguments)
{
    auto *w = new T(arguments..., window);
    w->setObjectName(QLatin1String(name));
    window->layout()->addWidget(w);
    return w;
}

// A window of controls a scripted start can be asked too much of, each telling
// `log` what its user-facing signals said. The steps that work on the real
// windows are the report windows' and the scripted start's tests.
std::unique_ptr<QWidget> makeWindow(QStringList *log)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("frmTest"));
    auto *w = window.get();
    new QVBoxLayout(w);

    named<QLabel>("Label1", w)->setText(QStringLiteral("No data !"));
    auto *combo = named<QComboBox>("Combo4", w);
    combo->addItems({"2005/3/14", "2005/3/15"});
    QObject::connect(combo, &QComboBox::activated, w,
                     [log, combo](int i) { *log << QStringLiteral("Combo4 activated %1").arg(combo->itemText(i)); });
    auto *date = named<QDateEdit>("DTPicker1", w);
    date->setDate(QDate(2005, 1, 1));
    QObject::connect(date, &QDateEdit::dateChanged, w,
                     [log](QDate d) { *log << QStringLiteral("DTPicker1 %1").arg(d.toString(Qt::ISODate)); });
    auto *scroll = named<QScrollBar>("HScroll1", w);
    scroll->setRange(0, 300);
    QObject::connect(scroll, &QScrollBar::valueChanged, w,
                     [log](int v) { *log << QStringLiteral("HScroll1 %1").arg(v); });
    named<QPushButton>("CmdSave", w)->setEnabled(false);
    return window;
}

ScriptStep set(const char *name, const char *value)
{
    return {ScriptStep::Kind::Set, QLatin1String(name), QLatin1String(value)};
}

// A step, the date format it reads dates in, what the window's handlers saw
// ("|" between them) and the error.
struct StepCase
{
    const char *name;
    ScriptStep step;
    int dateFormat;
    QString log, error;
};

} // namespace

class ControlScriptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void apply_data()
    {
        Rows::add<StepCase>({
            {"no such entry", set("Combo4", "2005/3/16"), 1, "", "\"Combo4\" has no entry \"2005/3/16\"."},
            {"date, day first, zeros", set("DTPicker1", "14/03/2005"), 2, "DTPicker1 2005-03-14", ""},
            {"date in the other order", set("DTPicker1", "2005/3/14"), 2, "",
             "\"2005/3/14\" for \"DTPicker1\" is not a date (day/month/year)."},
            {"scroll bar", set("HScroll1", "150"), 1, "HScroll1 150", ""},
            {"scroll bar, no number", set("HScroll1", "x"), 1, "", "\"x\" for \"HScroll1\" is not a number."},
            {"disabled button", {ScriptStep::Kind::Click, "CmdSave", {}}, 1, "", "\"CmdSave\" is disabled."},
            {"a label cannot be set", set("Label1", "x"), 1, "", "\"Label1\" (QLabel) cannot be set."},
        });
    }
    void apply()
    {
        const StepCase &c = Rows::current<StepCase>();
        QStringList seen;
        auto window = makeWindow(&seen);
        window->show();
        const QString error = ControlScript::apply(c.step, dateFormat(c.dateFormat));
        QCOMPARE(std::pair(seen.join(u'|'), error), std::pair(c.log, c.error));
    }
};

QTEST_MAIN(ControlScriptTest)
#include "tst_controlscript.moc"
