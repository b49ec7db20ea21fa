#include "app/AppState.h"
#include "app/ui/PageFactory.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "help/BrowserEngine.h"
#include "help/ManualAddress.h"
#include "help/ui/frmBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineView>

#include <memory>
#include <optional>

namespace {

const QString kHomeTitle = QStringLiteral("Dextrel Management Software manual");

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Runs an action and waits until the page it leads to has loaded.
bool loads(frmBrowser &browser, const std::function<void()> &action)
{
    QSignalSpy settled(&browser, &frmBrowser::settled);
    action();
    return settled.wait(20000);
}

// The page's answer to a script, once it has come.
QVariant evaluate(frmBrowser &browser, const QString &script)
{
    std::optional<QVariant> answer;
    browser.brwWebBrowser->page()->runJavaScript(script, [&answer](const QVariant &v) { answer = v; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 20000))
        return {};
    return *answer;
}

} // namespace

class BrowserTest : public QObject
{
    Q_OBJECT

    // One window for the whole run: each new one costs the engine a process.
    std::unique_ptr<frmBrowser> m_browser;
    QStringList m_firstCaptions;

private Q_SLOTS:
    void initTestCase()
    {
        m_browser.reset(frmBrowser::openManual());
        m_browser->setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy captions(m_browser.get(), &QWidget::windowTitleChanged);
        QVERIFY(loads(*m_browser, [this] { m_browser->show(); }));
        QTRY_VERIFY(!m_browser->timTimer->isActive());
        for (const QList<QVariant> &signal : captions)
            m_firstCaptions << signal.first().toString();
    }
    void cleanupTestCase() { m_browser.reset(); }

    // The caption says the page is coming, then gives its title, nothing else
    // between; then the address label and the toolbar's keys with their tooltips.
    void captionAndToolbar()
    {
        QStringList seen = m_firstCaptions << m_browser->lblAddress->text();
        for (QAction *action : m_browser->tbToolBar->actions())
            seen << action->data().toString() + ' ' + action->toolTip();
        QCOMPARE(seen, (QStringList{"Please wait...", kHomeTitle, "WebSide(&A):", "Back 上一頁", "Forward 下一頁",
                                    "Stop 停止", "Refresh 重新整理", "Home 首頁", "Search 搜尋"}));
    }

    // What the user does after the home page, each step waiting for its page,
    // and the caption and address list after it: "type:" an address and
    // Enter, "list:" an entry of the address list, anything else a toolbar key.
    void browse()
    {
        const QString home = "manual:/index.html", connect = "manual:/connect.html", search = "manual:/search.html";
        const QString connectTitle = "Connecting the meter";
        const struct
        {
            QString step;
            QString caption;
            QStringList addresses;
        } steps[] = {
            {"type:" + connect, connectTitle, {connect, home}},
            {"Home", kHomeTitle, {home, connect}},
            {"list:" + connect, connectTitle, {connect, home}},
            {"Back", kHomeTitle, {home, connect}},
            {"Forward", connectTitle, {connect, home}},
            {"Refresh", connectTitle, {connect, home}},
            {"Search", "Search the manual", {search, connect, home}},
            {"type:" + home, kHomeTitle, {home, search, connect}},
        };
        frmBrowser &browser = *m_browser;
        for (const auto &[step, caption, addresses] : steps) {
            const auto action = [&] {
                if (step.startsWith("type:")) {
                    browser.cboAddress->lineEdit()->setText(step.mid(5));
                    QTest::keyClick(browser.cboAddress->lineEdit(), Qt::Key_Return);
                } else if (step.startsWith("list:")) {
                    const int index = browser.cboAddress->findText(step.mid(5));
                    browser.cboAddress->setCurrentIndex(index);
                    emit browser.cboAddress->activated(index);
                } else {
                    for (QAction *key : browser.tbToolBar->actions())
                        if (key->data().toString() == step)
                            key->trigger();
                }
            };
            QVERIFY2(loads(browser, action), qPrintable(step));
            // The step leads each side, so a failure names it.
            const QStringList seen{step, browser.windowTitle(), browser.cboAddress->currentText()};
            QCOMPARE(seen + items(browser.cboAddress), (QStringList{step, caption, addresses.first()} + addresses));
        }
    }

    // Only the manual loads: any other address typed is refused with a message
    // naming it, and the page, the caption and the address list stay as they were.
    void refusedAddresses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // in the message
        QTest::newRow("a file") << "file:///etc/passwd"
                                << "file:///etc/passwd";
        QTest::newRow("a folder") << "/etc"
                                  << "file:///etc";
        QTest::newRow("page source") << "view-source:manual:/index.html"
                                     << "view-source:manual:/index.html";
        QTest::newRow("engine page") << "chrome://version"
                                     << "chrome://version";
        QTest::newRow("other about: page") << "about:version"
                                           << "about:version";
        QTest::newRow("data page") << "data:text/html,<script>document.title='x'</script>"
                                   << "data:text/html,%3Cscript%3Edocument.title='x'%3C/script%3E";
        QTest::newRow("script") << "javascript:document.title='x'"
                                << "javascript:document.title='x'";
    }
    void refusedAddresses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        frmBrowser &browser = *m_browser;
        const auto state = [&browser] {
            return QStringList{browser.brwWebBrowser->url().toString(), browser.windowTitle(),
                               QString::number(browser.isBusy())}
                   + items(browser.cboAddress);
        };
        const QStringList before = state();
        MessageRecorder messages;
        browser.cboAddress->lineEdit()->setText(typed);
        QTest::keyClick(browser.cboAddress->lineEdit(), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"The help browser shows the manual only; it does not open " + shown});
        QCOMPARE(state(), before);
        QCOMPARE(evaluate(browser, "document.title").toString(), browser.windowTitle());
    }

    // The manual's search finds the pages holding every word, in any case, titles included.
    void search()
    {
        QStringList found;
        for (const char *words : {"GMI Estimate", "dialout GMI", "histogram"}) {
            QUrl url = ManualAddress::search();
            url.setQuery("q=" + QUrl::toPercentEncoding(words));
            QVERIFY(loads(*m_browser, [&] { m_browser->brwWebBrowser->load(url); }));
            found << evaluate(*m_browser, "Array.from(document.querySelectorAll('#results a'), a => a.textContent)")
                         .toStringList()
                         .join(u'|');
        }
        QCOMPARE(found, (QStringList{"Summary", "", kHomeTitle + "|Command-line options|Histogram"}));
    }

    // Only names of the manual's own files are served: a page and a picture, but
    // not another scheme, a way up (plain or encoded), a picture in a folder or a
    // page among the pictures.
    void servedFiles()
    {
        QStringList served;
        for (const char *address :
             {"manual:/connect.html", "manual:/pictures/index.png", "file:/connect.html", "manual:/../connect.html",
              "manual:/pictures/%2e%2e%2fx.png", "manual:/pictures/a/index.png", "manual:/pictures/index.html"})
            served << ManualAddress::fileFor(QUrl(address), "/pics");
        QCOMPARE(served, (QStringList{":/manual/connect.html", "/pics/index.png", "", "", "", "", ""}));
    }

    // Each "Our Web(&W)" opens a window of its own, belonging to the frame.
    void windowPerCommand()
    {
        MessageRecorder messages;
        AppState state;
        frmMain frame(state);
        PageFactory::setHelpBrowserMaker([]() -> QWidget * { return frmBrowser::openManual(); });
        frame.mnuWeb->trigger();
        frame.mnuWeb->trigger();
        const QList<frmBrowser *> windows = frame.findChildren<frmBrowser *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(windows.size(), 2);
        for (frmBrowser *browser : windows)
            QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kHomeTitle, 20000);
        QVERIFY(messages.texts().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    BrowserEngine::prepare();
    QApplication app(argc, argv);
    BrowserTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
