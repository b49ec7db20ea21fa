#include "reports/ui/DoctorReportPdf.h"

#include "platform/Product.h"
#include "reports/ui/BandParts.h"
#include "reports/ui/HistogramChart.h"
#include "reports/ui/OverlayChart.h"
#include "reports/ui/SummaryFigures.h"
#include "reports/ui/chart/ChartDrawing.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

using namespace PeriodSummary;

namespace DoctorReportPdf {

namespace {

// Painter units: pixels at 96 per inch, as the charts are laid out on screen;
// A4 is 794 × 1123 of them.
constexpr int kDpi = 96;
constexpr qreal kMargin = 40;
constexpr qreal kRow = 17;
const QColor kCaptionColour(0x20, 0x20, 0x20);
const QColor kValueColour(0x0a, 0x2a, 0x8a);
const QColor kNoteColour(0x60, 0x60, 0x60);

QFont font(qreal points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A chart drawn into rect by the same code as on the screen, in small print
// on white paper.
void drawChart(QPainter &painter, const QRectF &rect, const Chart::Model &model)
{
    Chart::Style style;
    style.font = font(6.5);
    style.titleFont = font(7.5, true);
    style.chartTitleFont = font(9, true);
    style.text = kCaptionColour;
    style.grid = QColor(0xd0, 0xd0, 0xd0);
    Chart::PainterCanvas canvas(painter);
    Chart::paint(canvas, model, style, rect);
}

// "Caption :  value unit" rows, captions right-aligned to a column.
class Rows
{
public:
    Rows(QPainter &painter, qreal left, qreal captionWidth, qreal top)
        : m_painter(painter)
        , m_left(left)
        , m_captionWidth(captionWidth)
        , m_y(top)
    {
    }

    // A caption too wide for its column takes two lines.
    void add(const QString &caption, const QString &value, const QString &after = {},
             const QColor &valueColour = kValueColour, bool boldValue = false)
    {
        m_painter.setFont(kCaptionFont);
        const qreal height = QFontMetricsF(kCaptionFont).horizontalAdvance(caption) > m_captionWidth ? 2 * kRow : kRow;
        m_painter.setPen(kCaptionColour);
        m_painter.drawText(QRectF(m_left, m_y, m_captionWidth, height),
                           Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, caption);
        const qreal x = m_left + m_captionWidth + 6;
        m_painter.setFont(font(8.5, boldValue));
        m_painter.setPen(valueColour);
        m_painter.drawText(QRectF(x, m_y, kValueWidth, height), Qt::AlignLeft | Qt::AlignVCenter, value);
        if (!after.isEmpty()) {
            m_painter.setFont(font(8));
            m_painter.setPen(kNoteColour);
            m_painter.drawText(QRectF(x + kValueWidth, m_y, kAfterWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                               after);
        }
        m_y += height;
    }

    static constexpr qreal kValueWidth = 52;
    static constexpr qreal kAfterWidth = 180;
    static inline const QFont kCaptionFont = font(8, true);
    void skip(qreal height) { m_y += height; }
    qreal bottom() const { return m_y; }

private:
    QPainter &m_painter;
    qreal m_left, m_captionWidth, m_y;
};

qreal drawHeading(QPainter &painter, const DoctorReport::Page &page, qreal width)
{
    qreal y = kMargin;
    painter.setPen(kCaptionColour);
    painter.setFont(font(15, true));
    painter.drawText(QRectF(kMargin, y, width, 26), Qt::AlignLeft | Qt::AlignVCenter, Product::kName);
    painter.setFont(font(11));
    painter.drawText(QRectF(kMargin, y, width, 26), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Report for My Doctor"));
    y += 30;
    const QStringList fields{QStringLiteral("ID : ") + page.userId, QStringLiteral("Period : ") + page.period,
                             QStringLiteral("Made : ") + page.made,
                             QStringLiteral("Unit : ") + ReadingTexts::unitText(page.unit)};
    painter.setFont(font(9));
    painter.drawText(QRectF(kMargin, y, width, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     fields.join(QStringLiteral("     ")));
    y += 22;
    painter.setPen(QPen(kNoteColour, 0.8));
    painter.drawLine(QPointF(kMargin, y), QPointF(kMargin + width, y));
    return y + 8;
}

qreal drawSummary(QPainter &painter, const DoctorReport::Page &page, qreal top, qreal width)
{
    const Report &r = page.summary;
    const QString unitText = ReadingTexts::unitText(page.unit);
    const qreal textWidth = width - 250;
    Rows rows(painter, kMargin, textWidth - 6 - Rows::kValueWidth - Rows::kAfterWidth, top);
    for (const SummaryFigures::Figure &figure : SummaryFigures::figures())
        rows.add(figure.caption, r.*figure.value, figure.withUnit ? unitText : QString());
    if (!r.gmiReason.isEmpty()) {
        painter.setFont(font(7));
        painter.setPen(kNoteColour);
        const QRectF note(kMargin + 20, rows.bottom(), textWidth - 20, 24);
        painter.drawText(note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, r.gmiReason);
        rows.skip(20);
    }
    rows.skip(6);
    for (int t = 0; t < kTargets; ++t) {
        rows.add(BandParts::shareCaption(Target(t), page.unit), r.shares[t],
                 BandParts::targetText(Target(t)) + u' ' + metText(r.met[t]), BandParts::targetColour(r.met[t]), true);
    }
    rows.add(BandParts::limitsCaption(page.max, page.min, page.unit), r.inLimits);

    const QRectF bar(kMargin + textWidth, top, width - textWidth, rows.bottom() - top);
    drawChart(painter, bar, BandParts::bands(r.bandReadings, page.unit));
    return rows.bottom() + 8;
}

qreal drawMeals(QPainter &painter, const DoctorReport::Page &page, qreal top, qreal width)
{
    const QStringList headers = SummaryFigures::mealHeaders(page.unit);
    const qreal first = 90;
    const qreal column = (width - first) / headers.size();
    painter.setPen(kCaptionColour);
    painter.setFont(font(7.5, true));
    for (int c = 0; c < headers.size(); ++c) {
        painter.drawText(QRectF(kMargin + first + c * column, top, column, kRow), Qt::AlignCenter, headers[c]);
    }
    qreal y = top + kRow;
    const QStringList &parts = SummaryFigures::dayParts();
    for (int p = 0; p < parts.size(); ++p) {
        painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 0.5));
        painter.drawLine(QPointF(kMargin, y), QPointF(kMargin + width, y));
        painter.setPen(kCaptionColour);
        painter.setFont(font(8, true));
        painter.drawText(QRectF(kMargin, y, first, kRow - 1), Qt::AlignLeft | Qt::AlignVCenter, parts[p]);
        painter.setFont(font(8.5));
        painter.setPen(kValueColour);
        const QStringList cells = SummaryFigures::mealRow(page.summary, p);
        for (int c = 0; c < cells.size(); ++c) {
            painter.drawText(QRectF(kMargin + first + c * column, y, column, kRow - 1), Qt::AlignCenter, cells[c]);
        }
        y += kRow - 1;
    }
    return y + 8;
}

void drawFooter(QPainter &painter, qreal bottom, qreal width)
{
    painter.setPen(QPen(kNoteColour, 0.8));
    painter.drawLine(QPointF(kMargin, bottom - 30), QPointF(kMargin + width, bottom - 30));
    painter.setFont(font(8, true));
    painter.drawText(QRectF(kMargin, bottom - 28, width, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Not medical advice"));
    painter.setFont(font(7));
    painter.drawText(QRectF(kMargin, bottom - 14, width, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Shares are of meter readings, not of time; the GMI is an estimate from meter "
                                    "readings, not a laboratory A1C."));
}

} // namespace

QByteArray pdf(const DoctorReport::Page &page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(Product::kName);
    writer.setTitle(QStringLiteral("Report for My Doctor"));
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect paper = writer.pageLayout().fullRectPixels(kDpi);
    const qreal width = paper.width() - 2 * kMargin;
    const qreal bottom = paper.height() - kMargin;

    qreal y = drawHeading(painter, page, width);
    y = drawSummary(painter, page, y, width);
    y = drawMeals(painter, page, y, width);
    // The two charts share what is left above the footer, the overlay day more.
    const qreal left = bottom - 36 - y;
    const qreal overlayHeight = left * 0.56;
    Chart::Model overlay = OverlayChart::model(page.overlay, page.unit, page.max, page.min);
    overlay.title = QStringLiteral("Overlay Day");
    overlay.legend = Chart::Model::Legend::Right;
    drawChart(painter, QRectF(kMargin, y, width, overlayHeight - 6), overlay);
    y += overlayHeight;
    Chart::Model histogram = HistogramChart::model(page.histogram, page.histogramLabels,
                                                   QStringLiteral("Glucose ") + ReadingTexts::unitText(page.unit));
    histogram.title = QStringLiteral("Histogram");
    drawChart(painter, QRectF(kMargin, y, width, left - overlayHeight - 4), histogram);
    drawFooter(painter, bottom, width);
    painter.end();
    return bytes;
}

} // namespace DoctorReportPdf
