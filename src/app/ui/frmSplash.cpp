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
    , productPicture(new QLabel(this))
    , lblProductName(new QLabel(Product::kName, this))
    , progress(new QProgressBar(this))
    , progressTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    productPicture->setObjectName(QStringLiteral("Picture1"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    progress->setObjectName(QStringLiteral("ProgressBar1"));
    progressTimer->setObjectName(QStringLiteral("Timer1"));

    productPicture->setPixmap(Pictures::pixmap(QStringLiteral("product"), QSize(96, 96)));
    WindowParts::setTitleFont(lblProductName, 1.6);

    progress->setRange(0, kFull);
    progress->setValue(0);

    auto *top = new QHBoxLayout;
    top->addWidget(productPicture);
    top->addWidget(lblProductName, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addLayout(top);
    layout->addWidget(progress);
    setStyleSheet(QStringLiteral("frmSplash { background: white; border: 1px solid #1d4866; }"));
    setAttribute(Qt::WA_StyledBackground);

    progressTimer->setInterval(kTickMs);
    connect(progressTimer, &QTimer::timeout, this, &frmSplash::advance);
    progressTimer->start();
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
    if (progress->value() < kFull)
        progress->setValue(progress->value() + kStep);
}
