#include "app/ui/frmMenu.h"

#include "app/ui/PageHost.h"
#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"
#include "platform/ui/WindowParts.h"

#include <QGridLayout>
#include <QLabel>

namespace {
const QSize kPictureSize(96, 96);

// A report's picture and the caption under it, in reading order.
struct ReportCell
{
    const char *pictureName;
    const char *captionName;
    const char *image;
    const QString &caption;
    PageCommand command;
};

const ReportCell kCells[] = {
    {"Picture1", "Label1", "report-datalist", ShellTexts::kDataList, PageCommands::kDataList},
    {"Picture2", "Label2", "report-standardday", ShellTexts::kStandardDay, PageCommands::kStandardDay},
    {"Picture3", "Label3", "report-linegraph", ShellTexts::kLineGraph, PageCommands::kLineGraph},
    {"Picture4", "Label5", "report-histogram", ShellTexts::kHistogram, PageCommands::kHistogram},
};
} // namespace

frmMenu::frmMenu(PageHost &host, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(ShellTexts::kViewReports);

    QLabel *heading = WindowParts::label(this, "lblCompanyProduct", ShellTexts::kViewReports);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    WindowParts::setTitleFont(heading, 1.8);

    auto *layout = new QGridLayout(this);
    layout->addWidget(heading, 0, 0, 1, 2);
    for (int i = 0; i < int(std::size(kCells)); ++i) {
        const ReportCell &cell = kCells[i];
        auto *picture = new ClickablePicture(QLatin1String(cell.image), kPictureSize, this);
        picture->setObjectName(QLatin1String(cell.pictureName));
        QLabel *caption = WindowParts::label(this, cell.captionName, cell.caption);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const int row = 1 + 2 * (i / 2);
        layout->addWidget(picture, row, i % 2, Qt::AlignHCenter | Qt::AlignBottom);
        layout->addWidget(caption, row + 1, i % 2);
        // The picture is read with its caption.
        picture->setAccessibleName(cell.caption);
        caption->setBuddy(picture);
        // Closes every page, then shows the report for the user's unit.
        connect(picture, &ClickablePicture::clicked, this, [&host, command = cell.command] { host.open(command); });
    }
    layout->setRowStretch(5, 1);
}
