#include "app/ui/ControlScript.h"
#include "app/ui/Pictures.h"
#include "app/ui/StateDump.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(ScriptStep)

namespace {

template<typename T>
T *named(const char *name, QWidget *window)
{
    auto *w = new T(window);
    w->setObjectName(QLatin1String(name));
    window->layout()->addWidget(w);
    return w;
}

QChartView *chartView(const char *name, QWidget *window, QAbstractSeries *series, QAbstractAxis *x,
                      QValueAxis *y)
{
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    auto *view = named<QChartView>(name, window);
    view->setChart(chart);
    return view;
}

// A window with one control of each kind a scripted start sets, each telling
// `log` what its user-facing signals said.
std::unique_ptr<QWidget> makeWindow(QStringList *log)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("frmTest"));
    window->setWindowTitle(QStringLiteral("Test"));
    auto *w = window.get();
    new QVBoxLayout(w);

    named<QLabel>("Label1", w)->setText(QStringLiteral("No data !"));
    auto *combo = named<QComboBox>("Combo4", w);
    combo->addItems({"2005/3/14", "2005/3/15"});
    QObject::connect(combo, &QComboBox::activated, w, [log, combo](int i) {
        *log << QStringLiteral("Combo4 activated %1").arg(combo->itemText(i));
    });
    auto *editable = named<QComboBox>("ComboLO", w);
    editable->setEditable(true);
    editable->setInsertPolicy(QComboBox::NoInsert);
    editable->addItems({"0", "1", "2"});
    QObject::connect(editable, &QComboBox::currentTextChanged, w,
                     [log](const QString &t) { *log << QStringLiteral("ComboLO text %1").arg(t); });
    QObject::connect(editable->lineEdit(), &QLineEdit::returnPressed, w, [log] { *log << "ComboLO enter"; });
    auto *text = named<QLineEdit>("TextMax", w);
    QObject::connect(text, &QLineEdit::returnPressed, w,
                     [log, text] { *log << QStringLiteral("TextMax enter %1").arg(text->text()); });
    auto *date = named<QDateEdit>("DTPicker1", w);
    date->setDisplayFormat(QStringLiteral("yyyy/M/d"));
    date->setDate(QDate(2005, 1, 1));
    QObject::connect(date, &QDateEdit::dateChanged, w,
                     [log](QDate d) { *log << QStringLiteral("DTPicker1 %1").arg(d.toString(Qt::ISODate)); });
    auto *scroll = named<QScrollBar>("HScroll1", w);
    scroll->setOrientation(Qt::Horizontal);
    scroll->setRange(0, 300);
    QObject::connect(scroll, &QScrollBar::valueChanged, w,
                     [log](int v) { *log << QStringLiteral("HScroll1 %1").arg(v); });
    named<QRadioButton>("UnitOption1", w)->setChecked(true);
    auto *option2 = named<QRadioButton>("UnitOption2", w);
    QObject::connect(option2, &QRadioButton::clicked, w, [log] { *log << "UnitOption2 clicked"; });
    auto *ok = named<QPushButton>("cmdOK", w);
    ok->setText(QStringLiteral("OK"));
    QObject::connect(ok, &QPushButton::clicked, w, [log] { *log << "cmdOK clicked"; });
    auto *save = named<QPushButton>("CmdSave", w);
    save->setEnabled(false);
    auto *picture = new ClickablePicture(QStringLiteral("drop"), QSize(32, 32), w);
    picture->setObjectName(QStringLiteral("Picture1"));
    w->layout()->addWidget(picture);
    QObject::connect(picture, &ClickablePicture::clicked, w, [log] { *log << "Picture1 clicked"; });
    auto *action = new QAction(QStringLiteral("Histogram(&H)"), w);
    action->setObjectName(QStringLiteral("mnuReport4"));
    QObject::connect(action, &QAction::triggered, w, [log] { *log << "mnuReport4 triggered"; });
    new QTimer(w);  // unnamed: not listed
    auto *timer = new QTimer(w);
    timer->setObjectName(QStringLiteral("Timer1"));

    auto *model = new QStandardItemModel(2, 2, w);
    model->setHorizontalHeaderLabels({"Glucose", "Date"});
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c)
            model->setItem(r, c, new QStandardItem(QStringLiteral("%1.%2").arg(r).arg(c)));
    }
    named<QTableView>("DataGrid1", w)->setModel(model);

    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Glucose"));
    line->append({{0, 120}, {1, 95}});
    auto *x = new QValueAxis;
    x->setRange(0, 1);
    auto *y = new QValueAxis;
    y->setRange(0, 600);
    y->setTitleText(QStringLiteral("mg/dL"));
    chartView("MSChart1", w, line, x, y);

    auto *set = new QBarSet(QStringLiteral("Count"));
    *set << 3 << 0;
    auto *bars = new QBarSeries;
    bars->append(set);
    auto *categories = new QBarCategoryAxis;
    // Drawn as rich text: the dump gives the text as shown.
    categories->append({"&lt;60", "61-90"});
    auto *count = new QValueAxis;
    count->setRange(0, 4);
    chartView("MSChart2", w, bars, categories, count);
    return window;
}

} // namespace

class ControlScriptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void apply_data()
    {
        QTest::addColumn<ScriptStep>("step");
        QTest::addColumn<int>("dateFormat");
        QTest::addColumn<QStringList>("log");   // what the window's handlers saw
        QTest::addColumn<QString>("error");
        const auto set = [](const char *name, const char *value) {
            return ScriptStep{ScriptStep::Kind::Set, QLatin1String(name), QLatin1String(value)};
        };
        const auto click = [](const char *name) { return ScriptStep{ScriptStep::Kind::Click, QLatin1String(name), {}}; };
        QTest::newRow("list entry") << set("Combo4", "2005/3/15") << 1 << QStringList{"Combo4 activated 2005/3/15"}
                                    << "";
        QTest::newRow("no such entry") << set("Combo4", "2005/3/16") << 1 << QStringList{}
                                       << "\"Combo4\" has no entry \"2005/3/16\".";
        QTest::newRow("editable list: text, then Enter")
            << set("ComboLO", "abc") << 1 << QStringList{"ComboLO text abc", "ComboLO enter"} << "";
        QTest::newRow("text, then Enter") << set("TextMax", "126") << 1 << QStringList{"TextMax enter 126"} << "";
        QTest::newRow("date, year first") << set("DTPicker1", "2005/3/14") << 1 << QStringList{"DTPicker1 2005-03-14"}
                                          << "";
        QTest::newRow("date, day first, zeros") << set("DTPicker1", "14/03/2005") << 2
                                                << QStringList{"DTPicker1 2005-03-14"} << "";
        QTest::newRow("date in the other order") << set("DTPicker1", "2005/3/14") << 2 << QStringList{}
                                                 << "\"2005/3/14\" for \"DTPicker1\" is not a date (day/month/year).";
        QTest::newRow("scroll bar") << set("HScroll1", "150") << 1 << QStringList{"HScroll1 150"} << "";
        QTest::newRow("scroll bar, no number") << set("HScroll1", "x") << 1 << QStringList{}
                                               << "\"x\" for \"HScroll1\" is not a number.";
        QTest::newRow("option button") << set("UnitOption2", "1") << 1 << QStringList{"UnitOption2 clicked"} << "";
        QTest::newRow("button") << click("cmdOK") << 1 << QStringList{"cmdOK clicked"} << "";
        QTest::newRow("picture") << click("Picture1") << 1 << QStringList{"Picture1 clicked"} << "";
        QTest::newRow("menu item") << click("mnuReport4") << 1 << QStringList{"mnuReport4 triggered"} << "";
        QTest::newRow("disabled button") << click("CmdSave") << 1 << QStringList{} << "\"CmdSave\" is disabled.";
        QTest::newRow("a label cannot be set") << set("Label1", "x") << 1 << QStringList{}
                                               << "\"Label1\" (QLabel) cannot be set.";
        QTest::newRow("no such control") << click("cmdNone") << 1 << QStringList{}
                                         << "There is no control named \"cmdNone\".";
    }
    void apply()
    {
        QFETCH(ScriptStep, step);
        QFETCH(int, dateFormat);
        QFETCH(QStringList, log);
        QFETCH(QString, error);
        QStringList seen;
        auto window = makeWindow(&seen);
        window->show();
        QCOMPARE(ControlScript::apply(step, dateFormat), error);
        QCOMPARE(seen.join(u'|'), log.join(u'|'));
    }

    void dumpWholeWindow()
    {
        QStringList log;
        auto window = makeWindow(&log);
        window->show();
        window->findChild<QWidget *>(QStringLiteral("CmdSave"))->hide();
        const QJsonObject dump = StateDump::window(window.get());
        const QJsonObject controls = dump.value(u"controls").toObject();
        QCOMPARE(controls.keys(),
                 QStringList({"CmdSave", "Combo4", "ComboLO", "DTPicker1", "DataGrid1", "HScroll1", "Label1",
                              "MSChart1", "MSChart2", "Picture1", "TextMax", "Timer1", "UnitOption1", "UnitOption2",
                              "cmdOK", "mnuReport4"}));
        const auto expect = [&controls](const char *name, const char *json) {
            const QJsonObject wanted = QJsonDocument::fromJson(json).object();
            QVERIFY2(!wanted.isEmpty(), json);
            const QJsonObject got = controls.value(QLatin1String(name)).toObject();
            QVERIFY2(got == wanted, QJsonDocument(got).toJson(QJsonDocument::Compact).constData());
        };
        QCOMPARE(dump.value(u"title").toString(), QStringLiteral("Test"));
        expect("CmdSave", R"({"class":"QPushButton","text":"","visible":false,"enabled":false})");
        expect("Combo4", R"({"class":"QComboBox","text":"2005/3/14","visible":true,"enabled":true,
                            "items":["2005/3/14","2005/3/15"]})");
        expect("DTPicker1", R"({"class":"QDateEdit","text":"2005/1/1","visible":true,"enabled":true})");
        expect("DataGrid1", R"({"class":"QTableView","text":"","visible":true,"enabled":true,
                               "headers":["Glucose","Date"],"rows":[["0.0","0.1"],["1.0","1.1"]]})");
        expect("HScroll1", R"({"class":"QScrollBar","text":"","visible":true,"enabled":true,
                              "value":0,"minimum":0,"maximum":300})");
        expect("UnitOption1", R"({"class":"QRadioButton","text":"","visible":true,"enabled":true,"checked":true})");
        expect("Timer1", R"({"class":"QTimer","text":"","visible":false,"enabled":false})");
        expect("mnuReport4", R"j({"class":"QAction","text":"Histogram(&H)","visible":true,"enabled":true})j");
        expect("MSChart1", R"({"class":"QChartView","text":"","visible":true,"enabled":true,
            "series":[{"name":"Glucose","points":[[0,120],[1,95]]}],"categories":[],
            "axes":[{"title":"","min":0,"max":1},{"title":"mg/dL","min":0,"max":600}]})");
        expect("MSChart2", R"({"class":"QChartView","text":"","visible":true,"enabled":true,
            "series":[{"name":"Count","points":[[0,3],[1,0]]}],"categories":["<60","61-90"],
            "axes":[{"title":"","min":"<60","max":"61-90"},{"title":"","min":0,"max":4}]})");
    }
};

QTEST_MAIN(ControlScriptTest)
#include "tst_controlscript.moc"
