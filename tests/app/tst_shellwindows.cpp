#include "ShellTestSupport.h"

#include "app/AppState.h"
#include "app/ui/Pictures.h"
#include "app/ui/WaitSeconds.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmSplash.h"
#include "common/MessageRecorder.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

class ShellWindowsTest : public QObject
{
    Q_OBJECT

private:
    MessageRecorder m_messages;
    AppState m_state;
    std::unique_ptr<frmMain> m_frame;

private Q_SLOTS:
    void init()
    {
        m_state = AppState{};
        m_frame = std::make_unique<frmMain>(m_state);
    }
    void cleanup()
    {
        m_frame.reset();
        flushDeletes();
        const QStringList unexpected = unexpectedMessages(m_messages);
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("index caption") << "index" << "" << "Welcome!";
        QTest::newRow("index product") << "index" << "lblProductName" << "Dextrel  Management Software";
        QTest::newRow("index Label1") << "index" << "Label1"
                                      << "Welcome to the Dextrel Management Software,a software that offers a "
                                         "database of information to help better manage an individual's diabetes.";
        QTest::newRow("index Label2")
            << "index" << "Label2"
            << "The software is not intended to provide medical advice. Consult with your health care professional "
               "before making any life changing decisions (i.e. your diet, exercise program or medication.).";
        QTest::newRow("index Label3")
            << "index" << "Label3" << "The software was developed exclusively by DX for use with Glucose Monitoring System.";
        QTest::newRow("index Command1") << "index" << "Command1" << "Meter Readings";
        QTest::newRow("index Command2") << "index" << "Command2" << "Reports";
        QTest::newRow("menu caption") << "menu" << "" << "View Reports";
        QTest::newRow("menu title") << "menu" << "lblCompanyProduct" << "View Reports";
        QTest::newRow("menu Label1") << "menu" << "Label1" << "Data List";
        QTest::newRow("menu Label2") << "menu" << "Label2" << "Standard Day";
        QTest::newRow("menu Label3") << "menu" << "Label3" << "Line Graph";
        QTest::newRow("menu Label5") << "menu" << "Label5" << "Histogram";
        QTest::newRow("about caption") << "about" << "" << "About...";
        QTest::newRow("about title")
            << "about" << "lblTitle" << "Dextrel Management Software                         Vision  1.2";
        QTest::newRow("about OK") << "about" << "cmdOK" << "OK";
        QTest::newRow("splash product") << "splash" << "lblProductName" << "Dextrel Management Software";
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        frmAbout about;
        frmSplash splash;
        QWidget *w = window == QLatin1String("about")    ? &about
                     : window == QLatin1String("splash") ? &splash
                     : m_frame->showPage(window == QLatin1String("menu") ? Page::Menu : Page::Index);
        if (control.isEmpty()) {
            QCOMPARE(w->windowTitle(), text);
        } else if (auto *label = w->findChild<QLabel *>(control)) {
            QCOMPARE(label->text(), text);
        } else {
            auto *button = w->findChild<QAbstractButton *>(control);
            QVERIFY2(button, qPrintable(control));
            QCOMPARE(button->text(), text);
        }
    }

    void clicks_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<std::optional<Page>>("opens");
        const std::optional<Page> none;
        QTest::newRow("index meter picture") << Page::Index << "Picture1" << 1 << true << std::optional(Page::MeterRead);
        QTest::newRow("index Meter Readings") << Page::Index << "Command1" << 1 << true << std::optional(Page::MeterRead);
        QTest::newRow("index reports picture") << Page::Index << "Picture3" << 1 << true << std::optional(Page::Menu);
        QTest::newRow("index Reports") << Page::Index << "Command2" << 1 << true << std::optional(Page::Menu);
        QTest::newRow("index decoration") << Page::Index << "Picture2" << 1 << false << none;
        QTest::newRow("menu data list mmol/L") << Page::Menu << "Picture1" << 2 << true << std::optional(Page::R01unit);
        QTest::newRow("menu data list unit 7") << Page::Menu << "Picture1" << 7 << true << none;
        QTest::newRow("menu standard day") << Page::Menu << "Picture2" << 7 << true << std::optional(Page::R04);
        QTest::newRow("menu line graph mg/dL") << Page::Menu << "Picture3" << 1 << true << std::optional(Page::R02);
        QTest::newRow("menu histogram") << Page::Menu << "Picture4" << 2 << true << std::optional(Page::R05);
        QTest::newRow("caption Data List") << Page::Menu << "Label1" << 1 << false << none;
        QTest::newRow("caption Histogram") << Page::Menu << "Label5" << 1 << false << none;
    }
    void clicks()
    {
        QFETCH(Page, page);
        QFETCH(QString, control);
        QFETCH(int, unit);
        QFETCH(bool, leaves);
        QFETCH(std::optional<Page>, opens);
        m_state.user.unit = unit;
        QPointer<QWidget> start = m_frame->showPage(page);
        auto *target = start->findChild<QWidget *>(control);
        QVERIFY(target);
        // Other buttons than the left one do nothing.
        QTest::mouseClick(target, Qt::RightButton);
        QCOMPARE(loadedPages(*m_frame), QList<Page>{page});
        QTest::mouseClick(target, Qt::LeftButton);
        flushDeletes();
        QCOMPARE(!start, leaves);
        QVERIFY(leaves ? onlyLoaded(*m_frame, opens) : loadedPages(*m_frame) == QList<Page>{page});
        if (opens == Page::Menu)
            QVERIFY(m_frame->page(Page::Menu));
    }

    void pictures()
    {
        for (const char *name : {"product", "frame", "drop", "meterreadings", "reports", "report-datalist",
                                 "report-standardday", "report-linegraph", "report-histogram", "tb-index",
                                 "tb-setup", "tb-download", "tb-metercontrol", "tb-datalist", "tb-standardday",
                                 "tb-linegraph", "tb-histogram", "tb-print"}) {
            const QImage image = Pictures::pixmap(QLatin1String(name), QSize(32, 32)).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            // Drawn from the picture: the middle is not transparent.
            QVERIFY2(qAlpha(image.pixel(16, 16)) > 0, name);
        }
        QVERIFY(Pictures::pixmap(QStringLiteral("no-such-picture"), QSize(16, 16)).isNull());
    }

    void splashFillsInASecond()
    {
        frmSplash splash;
        QVERIFY(!splash.Picture1->pixmap().isNull());
        QCOMPARE(splash.windowType(), Qt::SplashScreen);
        QCOMPARE(splash.ProgressBar1->maximum(), 100);
        QCOMPARE(splash.ProgressBar1->value(), 0);
        QCOMPARE(splash.Timer1->interval(), 100);
        QList<int> values;
        connect(splash.ProgressBar1, &QProgressBar::valueChanged, this, [&values](int v) { values << v; });
        splash.show();
        QTest::qWait(1600);
        QCOMPARE(values, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        const QPoint centre = splash.screen()->availableGeometry().center();
        QVERIFY((splash.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void waitSeconds_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("atLeastMs");
        QTest::addColumn<int>("belowMs");
        QTest::newRow("one second") << 1 << 1000 << 1800;
        QTest::newRow("zero") << 0 << 0 << 100;
        QTest::newRow("negative") << -32768 << 0 << 100;
    }
    void waitSeconds()
    {
        QFETCH(int, seconds);
        QFETCH(int, atLeastMs);
        QFETCH(int, belowMs);
        bool fired = false;
        QTimer::singleShot(100, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        WaitSeconds(seconds);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= atLeastMs && waited < belowMs, QByteArray::number(waited));
        // Timers keep ticking during the wait.
        QCOMPARE(fired, seconds > 0);
        QTest::qWait(150);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
