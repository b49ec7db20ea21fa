#include "platform/Product.h"
#include "platform/ui/WindowParts.h"
#include "users/UserTexts.h"
#include "app/ui/frmAbout.h"

#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(this))
    , cmdOK(WindowParts::button(this, "cmdOK", UserTexts::kOkButton))
{
    setObjectName(QStringLiteral("frmAbout"));
    WindowParts::setTitle(this, {"frmAbout", QT_TRANSLATE_NOOP("frmAbout", "About...")});
    showTitle();
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));

    picIcon->setPixmap(Pictures::pixmap(QStringLiteral("product"), QSize(64, 64)));
    picIcon->setAccessibleName(Product::kName);
    lblTitle->setWordWrap(true);
    lblTitle->setFixedWidth(220);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(cmdOK, 1, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::showTitle()
{
    // The spaces push the version onto the label's second line.
    lblTitle->setText(Product::kName + QString(25, QLatin1Char(' ')) + tr("Vision  %1").arg(Product::kVersion));
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showTitle();
    QDialog::changeEvent(event);
}
