#include "help/ui/frmBrowser.h"

#include "help/ManualAddress.h"
#include "help/ui/ManualBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kPleaseWait = QStringLiteral("Please wait...");
constexpr int kTickMs = 5;

struct ToolButton
{
    const char *key;
    const char *toolTip;
    QStyle::StandardPixmap icon;
};

// In the toolbar's order.
constexpr ToolButton kToolButtons[] = {
    {"Back", "上一頁", QStyle::SP_ArrowBack}, {"Forward", "下一頁", QStyle::SP_ArrowForward},
    {"Stop", "停止", QStyle::SP_BrowserStop}, {"Refresh", "重新整理", QStyle::SP_BrowserReload},
    {"Home", "首頁", QStyle::SP_DirHomeIcon}, {"Search", "搜尋", QStyle::SP_FileDialogContentsView},
};

// Enter in the address box opens its text; every other key is typed as usual.
class EnterFilter : public QObject
{
public:
    EnterFilter(QObject *parent, std::function<void()> onEnter)
        : QObject(parent)
        , m_onEnter(std::move(onEnter))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_onEnter();
        return true;
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

frmBrowser::frmBrowser(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , tbToolBar(new QToolBar(this))
    , lblAddress(new QLabel(QStringLiteral("WebSide(&A):"), this))
    , cboAddress(new QComboBox(this))
    , brwWebBrowser(new ManualBrowser(this))
    , timTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmBrowser"));
    resize(800, 600);

    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    for (const ToolButton &button : kToolButtons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action = tbToolBar->addAction(style()->standardIcon(button.icon), key);
        action->setToolTip(QString::fromUtf8(button.toolTip));
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { toolbarClick(key); });
    }

    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setBuddy(cboAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    // The list holds the visited addresses; the program puts them there itself.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->lineEdit()->setAccessibleName(QStringLiteral("Address"));
    auto *enter = new EnterFilter(this, [this] { navigateToAddress(); });
    cboAddress->installEventFilter(enter);
    cboAddress->lineEdit()->installEventFilter(enter);
    connect(cboAddress, &QComboBox::activated, this, [this] {
        if (!m_updatingList)
            navigateToAddress();
    });

    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setAccessibleName(QStringLiteral("Manual page"));
    connect(brwWebBrowser, &QTextBrowser::sourceChanged, this, &frmBrowser::onNavigated);

    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(kTickMs);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::onTick);

    auto *address = new QWidget(this);
    address->setObjectName(QStringLiteral("picAddress"));
    auto *addressLayout = new QVBoxLayout(address);
    addressLayout->setContentsMargins(4, 2, 4, 2);
    addressLayout->addWidget(lblAddress);
    addressLayout->addWidget(cboAddress);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tbToolBar);
    layout->addWidget(address);
    layout->addWidget(brwWebBrowser, 1);
}

frmBrowser *frmBrowser::openManual()
{
    auto *browser = new frmBrowser;
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->StartingAddress = ManualAddress::home().toString();
    return browser;
}

void frmBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    if (StartingAddress.isEmpty())
        return;
    cboAddress->setEditText(StartingAddress);
    cboAddress->addItem(StartingAddress);
    navigate(QUrl::fromUserInput(StartingAddress));
}

void frmBrowser::toolbarClick(const QString &key)
{
    timTimer->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->backward();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->forward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->reload();
    } else if (key == QLatin1String("Home")) {
        navigate(ManualAddress::home());
    } else if (key == QLatin1String("Search")) {
        navigate(ManualAddress::search());
    } else if (key == QLatin1String("Stop")) {
        // A page comes from the program at once: there is no load to stop.
        timTimer->stop();
        showTitle();
    }
}

void frmBrowser::navigateToAddress()
{
    navigate(QUrl::fromUserInput(cboAddress->currentText()));
}

void frmBrowser::navigate(const QUrl &url)
{
    timTimer->start();
    if (!url.isEmpty() && url.isValid())
        brwWebBrowser->setSource(url);
}

bool frmBrowser::isBusy() const
{
    return brwWebBrowser->isLoading();
}

void frmBrowser::onTick()
{
    if (isBusy()) {
        setWindowTitle(kPleaseWait);
        return;
    }
    timTimer->stop();
    showTitle();
}

// The page is shown: its title in the caption, its address first in the list.
void frmBrowser::onNavigated(const QUrl &url)
{
    showTitle();
    const QString address = url.toString();
    if (address.isEmpty())
        return;
    m_updatingList = true;
    const int found = cboAddress->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0)
        cboAddress->removeItem(found);
    cboAddress->insertItem(0, address);
    cboAddress->setCurrentIndex(0);
    m_updatingList = false;
}

void frmBrowser::showTitle()
{
    setWindowTitle(brwWebBrowser->title());
}
