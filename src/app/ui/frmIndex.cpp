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
    , Frame1(new QFrame(this))
    , lblProductName(
          WindowParts::wrappedLabel(Frame1, "lblProductName", QStringLiteral("Dextrel  Management Software")))
    , Label1(WindowParts::wrappedLabel(
          Frame1, "Label1",
          QStringLiteral("Welcome to the Dextrel Management Software,a software that offers a "
                         "database of information to help better manage an individual's diabetes.")))
    , Label2(WindowParts::wrappedLabel(
          Frame1, "Label2",
          QStringLiteral("The software is not intended to provide medical advice. Consult with your "
                         "health care professional before making any life changing decisions "
                         "(i.e. your diet, exercise program or medication.).")))
    , Label3(
          WindowParts::wrappedLabel(Frame1, "Label3",
                                    QStringLiteral("The software was developed exclusively by DX for use with Glucose "
                                                   "Monitoring System.")))
    , Picture1(new ClickablePicture(QStringLiteral("meterreadings"), kPictureSize, this))
    , Command1(new QPushButton(QStringLiteral("Meter Readings"), this))
    , Picture3(new ClickablePicture(QStringLiteral("reports"), kPictureSize, this))
    , Command2(new QPushButton(QStringLiteral("Reports"), this))
    , Picture2(new QLabel(this))
    , m_host(host)
{
    setObjectName(QStringLiteral("frmIndex"));
    setWindowTitle(QStringLiteral("Welcome!"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPixmap(Pictures::pixmap(QStringLiteral("drop"), kPictureSize));
    // The pictures say in words what their buttons say.
    Picture1->setAccessibleName(Command1->text());
    Picture3->setAccessibleName(Command2->text());
    Picture2->setAccessibleName(QStringLiteral("Blood drop"));

    WindowParts::setTitleFont(lblProductName, 1.8);

    Frame1->setFrameShape(QFrame::Box);
    auto *texts = new QVBoxLayout(Frame1);
    for (QLabel *label : {lblProductName, Label1, Label2, Label3})
        texts->addWidget(label);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0, 1, 3);
    layout->addWidget(Picture1, 1, 0, Qt::AlignCenter);
    layout->addWidget(Picture3, 1, 1, Qt::AlignCenter);
    layout->addWidget(Picture2, 1, 2, 2, 1, Qt::AlignCenter);
    layout->addWidget(Command1, 2, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(Command2, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    layout->setRowStretch(3, 1);

    connect(Picture1, &ClickablePicture::clicked, this, &frmIndex::showMeterReadings);
    connect(Command1, &QPushButton::clicked, this, &frmIndex::showMeterReadings);
    connect(Picture3, &ClickablePicture::clicked, this, &frmIndex::showReports);
    connect(Command2, &QPushButton::clicked, this, &frmIndex::showReports);
}

void frmIndex::showMeterReadings()
{
    m_host.open(PageCommand::Download);
}

void frmIndex::showReports()
{
    m_host.open(PageCommand::Menu);
}
