#include "app/ui/frmIndex.h"

#include "app/ui/PageHost.h"
#include "app/ui/Pictures.h"
#include "platform/ui/WindowParts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize kPictureSize(96, 96);
}

frmIndex::frmIndex(PageHost &host, QWidget *parent)
    : QWidget(parent)
    , textFrame(new QFrame(this))
    , lblProductName(
          WindowParts::wrappedLabel(textFrame, "lblProductName", QStringLiteral("Dextrel  Management Software")))
    , welcomeText(WindowParts::wrappedLabel(
          textFrame, "Label1",
          QStringLiteral("Welcome to the Dextrel Management Software,a software that offers a "
                         "database of information to help better manage an individual's diabetes.")))
    , disclaimerText(WindowParts::wrappedLabel(
          textFrame, "Label2",
          QStringLiteral("The software is not intended to provide medical advice. Consult with your "
                         "health care professional before making any life changing decisions "
                         "(i.e. your diet, exercise program or medication.).")))
    , originText(
          WindowParts::wrappedLabel(textFrame, "Label3",
                                    QStringLiteral("The software was developed exclusively by DX for use with Glucose "
                                                   "Monitoring System.")))
    , meterPicture(new ClickablePicture(QStringLiteral("meterreadings"), kPictureSize, this))
    , meterButton(new QPushButton(QStringLiteral("Meter Readings"), this))
    , reportsPicture(new ClickablePicture(QStringLiteral("reports"), kPictureSize, this))
    , reportsButton(new QPushButton(QStringLiteral("Reports"), this))
    , dropPicture(new QLabel(this))
    , m_host(host)
{
    setObjectName(QStringLiteral("frmIndex"));
    setWindowTitle(QStringLiteral("Welcome!"));
    textFrame->setObjectName(QStringLiteral("Frame1"));
    meterPicture->setObjectName(QStringLiteral("Picture1"));
    meterButton->setObjectName(QStringLiteral("Command1"));
    reportsPicture->setObjectName(QStringLiteral("Picture3"));
    reportsButton->setObjectName(QStringLiteral("Command2"));
    dropPicture->setObjectName(QStringLiteral("Picture2"));
    dropPicture->setPixmap(Pictures::pixmap(QStringLiteral("drop"), kPictureSize));
    // The pictures say in words what their buttons say.
    meterPicture->setAccessibleName(meterButton->text());
    reportsPicture->setAccessibleName(reportsButton->text());
    dropPicture->setAccessibleName(QStringLiteral("Blood drop"));

    WindowParts::setTitleFont(lblProductName, 1.8);

    textFrame->setFrameShape(QFrame::Box);
    auto *texts = new QVBoxLayout(textFrame);
    for (QLabel *label : {lblProductName, welcomeText, disclaimerText, originText})
        texts->addWidget(label);

    auto *layout = new QGridLayout(this);
    layout->addWidget(textFrame, 0, 0, 1, 3);
    layout->addWidget(meterPicture, 1, 0, Qt::AlignCenter);
    layout->addWidget(reportsPicture, 1, 1, Qt::AlignCenter);
    layout->addWidget(dropPicture, 1, 2, 2, 1, Qt::AlignCenter);
    layout->addWidget(meterButton, 2, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(reportsButton, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    layout->setRowStretch(3, 1);

    connect(meterPicture, &ClickablePicture::clicked, this, &frmIndex::showMeterReadings);
    connect(meterButton, &QPushButton::clicked, this, &frmIndex::showMeterReadings);
    connect(reportsPicture, &ClickablePicture::clicked, this, &frmIndex::showReports);
    connect(reportsButton, &QPushButton::clicked, this, &frmIndex::showReports);
}

void frmIndex::showMeterReadings()
{
    m_host.open(PageCommands::kDownload);
}

void frmIndex::showReports()
{
    m_host.open(PageCommands::kMenu);
}
