#include "platform/Product.h"
#include "app/ui/frmSplash.h"

#include "app/ui/Pictures.h"
#include "platform/ui/WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kStep = 10;
constexpr int kFull = 100;
constexpr int kTickMs = 100;
} // namespace

frmSplash::frmSplash(QWidget *parent)
    // A splash window has no title bar and no taskbar entry.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Picture1(new QLabel(this))
    , lblProductName(new QLabel(Product::kName, this))
    , ProgressBar1(new QProgressBar(this))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    Picture1->setPixmap(Pictures::pixmap(QStringLiteral("product"), QSize(96, 96)));
    WindowParts::setTitleFont(lblProductName, 1.6);

    ProgressBar1->setRange(0, kFull);
    ProgressBar1->setValue(0);

    auto *top = new QHBoxLayout;
    top->addWidget(Picture1);
    top->addWidget(lblProductName, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addLayout(top);
    layout->addWidget(ProgressBar1);
    setStyleSheet(QStringLiteral("frmSplash { background: white; border: 1px solid #1d4866; }"));
    setAttribute(Qt::WA_StyledBackground);

    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::advance);
    Timer1->start();
}

void frmSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (const QScreen *s = screen()) {
        QRect box = frameGeometry();
        box.moveCenter(s->availableGeometry().center());
        move(box.topLeft());
    }
}

void frmSplash::advance()
{
    if (ProgressBar1->value() < kFull)
        ProgressBar1->setValue(ProgressBar1->value() + kStep);
}
