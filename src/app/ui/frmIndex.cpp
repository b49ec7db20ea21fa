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
    , welcomeText(
          WindowParts::wrappedLabel(textFrame, "Label1",
                                    UI_TR("Welcome to the Dextrel Management Software,a software that offers a "
                                          "database of information to help better manage an individual's diabetes.")))
    , disclaimerText(
          WindowParts::wrappedLabel(textFrame, "Label2",
                                    UI_TR("The software is not intended to provide medical advice. Consult with your "
                                          "health care professional before making any life changing decisions "
                                          "(i.e. your diet, exercise program or medication.).")))
    , originText(WindowParts::wrappedLabel(textFrame, "Label3",
                                           UI_TR("The software was developed exclusively by DX for use with Glucose "
                                                 "Monitoring System.")))
    , meterPicture(new ClickablePicture(QStringLiteral("meterreadings"), kPictureSize, this))
    , meterButton(WindowParts::button(this, "Command1", UI_TR("Meter Readings")))
    , reportsPicture(new ClickablePicture(QStringLiteral("reports"), kPictureSize, this))
    , reportsButton(WindowParts::button(this, "Command2", UI_TR("Reports")))
    , dropPicture(new QLabel(this))
    , m_host(host)
{
    setObjectName(QStringLiteral("frmIndex"));
    WindowParts::setTitle(this, UI_TR("Welcome!"));
    textFrame->setObjectName(QStringLiteral("Frame1"));
    meterPicture->setObjectName(QStringLiteral("Picture1"));
    reportsPicture->setObjectName(QStringLiteral("Picture3"));
    dropPicture->setObjectName(QStringLiteral("Picture2"));
    dropPicture->setPixmap(Pictures::pixmap(QStringLiteral("drop"), kPictureSize));
    // The pictures say in words what their buttons say.
    UiTexts::show(meterPicture, "accessibleName", UI_TR("Meter Readings"));
    UiTexts::show(reportsPicture, "accessibleName", UI_TR("Reports"));
    UiTexts::show(dropPicture, "accessibleName", UI_TR("Blood drop"));

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
