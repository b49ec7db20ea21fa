#include "reports/ui/HourRuler.h"

#include <QFrame>
#include <QPainter>

#include <array>

namespace {

struct Band
{
    int fromHour; // the band covers this hour's label and the next one's
    QColor colour;
    const char *name;
    const char *text;
};

const std::array<Band, 3> kBands{{
    {6, QColor(0xff, 0x8c, 0x00), "Text4", "  6     7"},
    {12, QColor(0xd0, 0x10, 0x10), "Text5", "12P     1"},
    {18, QColor(0x80, 0x20, 0xa0), "Text6", "  6     7"},
}};
const QColor kHourColour(0x00, 0x00, 0x80); // dark blue

// 12A, 1 ... 11, 12P, 1 ... 11, 12A
QString hourLabel(int hour)
{
    if (hour % 12 != 0)
        return QString::number(hour % 12);
    return hour == 12 ? QStringLiteral("12P") : QStringLiteral("12A");
}

QColor hourColour(int hour)
{
    for (const Band &band : kBands)
        if (hour == band.fromHour || hour == band.fromHour + 1)
            return band.colour;
    return kHourColour;
}

QLabel *namedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

HourLabels::HourLabels(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Text3"));
    QStringList labels;
    for (int h = 0; h <= HourRuler::kHours; ++h)
        labels << hourLabel(h);
    setText(labels.join(u' '));
}

void HourLabels::setPositions(const QList<int> &hourX)
{
    m_x = hourX;
    update();
}

void HourLabels::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    for (int h = 0; h < m_x.size(); ++h) {
        const QString label = hourLabel(h);
        const int width = metrics.horizontalAdvance(label);
        painter.setPen(hourColour(h));
        painter.drawText(QRect(m_x[h] - width, 0, 2 * width, height()), Qt::AlignCenter, label);
    }
}

HourRuler::HourRuler(QWidget *parent)
    : QWidget(parent)
    , Text2(new QFrame(this))
    , Text3(new HourLabels(this))
    , Text4(namedLabel(this, kBands[0].name, QLatin1String(kBands[0].text)))
    , Text5(namedLabel(this, kBands[1].name, QLatin1String(kBands[1].text)))
    , Text6(namedLabel(this, kBands[2].name, QLatin1String(kBands[2].text)))
    , Text1(namedLabel(this, "Text1", QStringLiteral("Time of Day")))
    , Text8(namedLabel(this, "Text8", QStringLiteral("hr")))
{
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFrameShape(QFrame::HLine);
    Text2->setStyleSheet(QStringLiteral("color: #000080;"));
    const std::array<QLabel *, 3> bands{Text4, Text5, Text6};
    for (size_t b = 0; b < bands.size(); ++b) {
        // The band is the colour; Text3 writes the hours over it.
        const QColor c = kBands[b].colour;
        bands[b]->setStyleSheet(QStringLiteral("background: rgba(%1, %2, %3, 60); color: transparent;"
                                               " border-radius: 3px;")
                                    .arg(c.red())
                                    .arg(c.green())
                                    .arg(c.blue()));
    }
    Text3->raise();
    const int line = fontMetrics().height();
    setFixedHeight(2 * line + 14);
}

void HourRuler::place(const QList<int> &hourX)
{
    if (hourX.size() != kHours + 1)
        return;
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int labelsTop = 5;
    Text2->setGeometry(hourX.first(), 0, hourX.last() - hourX.first() + 1, 4);
    // Wide enough for the outer labels, which stand half outside the line.
    const int overhang = metrics.horizontalAdvance(QStringLiteral("12A"));
    Text3->setGeometry(0, labelsTop, width(), line + 2);
    Text3->setPositions(hourX);
    const std::array<QLabel *, 3> bands{Text4, Text5, Text6};
    for (size_t b = 0; b < bands.size(); ++b) {
        const int from = hourX[kBands[b].fromHour] - overhang / 2 - 2;
        const int to = hourX[kBands[b].fromHour + 1] + overhang / 2 + 2;
        bands[b]->setGeometry(from, labelsTop, to - from, line + 2);
    }
    const int titleTop = labelsTop + line + 4;
    Text1->adjustSize();
    Text1->move((hourX.first() + hourX.last() - Text1->width()) / 2, titleTop);
    Text8->adjustSize();
    Text8->move(hourX.last() - Text8->width() / 2, titleTop);
}
