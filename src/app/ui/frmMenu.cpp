#include "app/ui/frmMenu.h"

#include "app/ui/PageHost.h"
#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"
#include "platform/ui/WindowParts.h"

#include <QGridLayout>
#include <QLabel>

#include <array>
#include <utility>

namespace {
const QSize kPictureSize(96, 96);

QLabel *caption(const char *name, const QString &text, QWidget *parent)
{
    QLabel *label = WindowParts::label(parent, name, text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

ClickablePicture *picture(const char *name, const char *image, QWidget *parent)
{
    auto *p = new ClickablePicture(QLatin1String(image), kPictureSize, parent);
    p->setObjectName(QLatin1String(name));
    return p;
}
} // namespace

frmMenu::frmMenu(PageHost &host, QWidget *parent)
    : QWidget(parent)
    , lblCompanyProduct(caption("lblCompanyProduct", ShellTexts::kViewReports, this))
    , Picture1(picture("Picture1", "report-datalist", this))
    , Label1(caption("Label1", ShellTexts::kDataList, this))
    , Picture2(picture("Picture2", "report-standardday", this))
    , Label2(caption("Label2", ShellTexts::kStandardDay, this))
    , Picture3(picture("Picture3", "report-linegraph", this))
    , Label3(caption("Label3", ShellTexts::kLineGraph, this))
    , Picture4(picture("Picture4", "report-histogram", this))
    , Label5(caption("Label5", ShellTexts::kHistogram, this))
    , m_host(host)
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(ShellTexts::kViewReports);

    WindowParts::setTitleFont(lblCompanyProduct, 1.8);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblCompanyProduct, 0, 0, 1, 2);
    const std::array<std::pair<ClickablePicture *, QLabel *>, 4> cells{
        {{Picture1, Label1}, {Picture2, Label2}, {Picture3, Label3}, {Picture4, Label5}}};
    for (int i = 0; i < int(cells.size()); ++i) {
        const int row = 1 + 2 * (i / 2);
        layout->addWidget(cells[i].first, row, i % 2, Qt::AlignHCenter | Qt::AlignBottom);
        layout->addWidget(cells[i].second, row + 1, i % 2);
        // The picture is read with its caption.
        cells[i].first->setAccessibleName(cells[i].second->text());
        cells[i].second->setBuddy(cells[i].first);
    }
    layout->setRowStretch(5, 1);

    connect(Picture1, &ClickablePicture::clicked, this, [this] { showReport(PageCommand::DataList); });
    connect(Picture2, &ClickablePicture::clicked, this, [this] { showReport(PageCommand::StandardDay); });
    connect(Picture3, &ClickablePicture::clicked, this, [this] { showReport(PageCommand::LineGraph); });
    connect(Picture4, &ClickablePicture::clicked, this, [this] { showReport(PageCommand::Histogram); });
}

void frmMenu::showReport(PageCommand command)
{
    // Closes every page, then shows the report for the user's unit.
    m_host.open(command);
}
