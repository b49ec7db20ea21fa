#include "platform/Product.h"
#include "app/ui/frmAbout.h"

#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// The spaces push the version onto the label's second line.
const QString kTitle = Product::kName + QString(25, QLatin1Char(' ')) + QStringLiteral("Vision  ") + Product::kVersion;
} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(kTitle, this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

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
