#include "reports/ui/LineGraphWindow.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportTexts.h"
#include "reports/SummaryStatistics.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/ReportParts.h"
#include "reports/ui/chart/ChartView.h"
#include "reports/ui/chart/Contrast.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString kMarker = QStringLiteral(" Y");

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A label in a colour of the design, made readable over what it stands on.
QLabel *colouredLabel(const char *name, const QString &text, const QColor &colour, QWidget *parent)
{
    QLabel *label = namedLabel(name, text, parent);
    Contrast::setTextColour(label, colour);
    return label;
}

bool isMmol(LineGraphWindow::Form form)
{
    return form == LineGraphWindow::Form::R02unit || form == LineGraphWindow::Form::R02unitp;
}

bool isMealMarked(LineGraphWindow::Form form)
{
    return form == LineGraphWindow::Form::R02p || form == LineGraphWindow::Form::R02unitp;
}

const char *objectNameOf(LineGraphWindow::Form form)
{
    switch (form) {
    case LineGraphWindow::Form::R02: return "frmR02";
    case LineGraphWindow::Form::R02unit: return "frmR02unit";
    case LineGraphWindow::Form::R02p: return "frmR02p";
    case LineGraphWindow::Form::R02unitp: return "frmR02unitp";
    }
    return "";
}

} // namespace

LineGraphWindow::LineGraphWindow(const PageContext &context, Form form, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_unit(isMmol(form) ? GlucoseUnit::MmolPerL : GlucoseUnit::MgPerDl)
    , m_selection(isMealMarked(form) ? LineGraphSelection::Rule::MealMarked : LineGraphSelection::Rule::AllReadings)
{
    setObjectName(QLatin1String(objectNameOf(form)));
    setWindowTitle(QStringLiteral("Line Graph"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeader(!isMealMarked(form)));
    layout->addLayout(buildChartArea(), 1);

    // What a screen reader says of the controls whose captions do not name them.
    dateCaption->setBuddy(fromDate);
    fromDate->setAccessibleName(ReportTexts::kFromDate);
    toDate->setAccessibleName(ReportTexts::kToDate);
    pageScroll->setAccessibleName(ReportTexts::kReadingsPage);
    if (fromHour) {
        hourCaption->setBuddy(fromHour);
        // The typing box inside an editable list is what takes the focus.
        for (QComboBox *box : {fromHour, toHour}) {
            box->setAccessibleName(box == fromHour ? ReportTexts::kFromHour : ReportTexts::kToHour);
            box->lineEdit()->setAccessibleName(box->accessibleName());
        }
    }

    formLoad();

    connect(fromDate, &QDateEdit::dateChanged, this, &LineGraphWindow::rangeChanged);
    connect(toDate, &QDateEdit::dateChanged, this, &LineGraphWindow::rangeChanged);
    if (fromHour) {
        // An hour counts once it is committed (Enter, leaving the box, a choice
        // from the list), not at each keystroke: "12" passes through "1".
        for (QComboBox *box : {fromHour, toHour}) {
            connect(box, &QComboBox::activated, this, &LineGraphWindow::hoursCommitted);
            connect(box->lineEdit(), &QLineEdit::editingFinished, this, &LineGraphWindow::hoursCommitted);
        }
        m_hours = {fromHour->currentText(), toHour->currentText()};
    }
    // With tracking on, dragging the thumb changes the value too: the chart follows it.
    connect(pageScroll, &QScrollBar::valueChanged, this, &LineGraphWindow::scrollTo);
    connect(chart, &ChartView::laidOut, this, &LineGraphWindow::placeOverlays);
    dateBand->installEventFilter(this);
}

QLayout *LineGraphWindow::buildHeader(bool hourRange)
{
    const QString unit = ReadingTexts::unitText(m_unit);
    const int format = m_context.user.dateFormat;
    const QString pickerFormat = dateFormat(format) == DateFormat::DayMonthYear ? QStringLiteral("d/M/yyyy")
                                                                                : QStringLiteral("yyyy/M/d");
    const auto picker = [this, &pickerFormat](const char *name) {
        auto *edit = new QDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(pickerFormat);
        return edit;
    };

    auto *grid = new QGridLayout;
    idCaption = namedLabel("Label1", QStringLiteral("ID :"), this);
    userId = namedLabel("Label5", QStringLiteral("Name Not Yet Assigned"), this);
    dateCaption = namedLabel("Label3", QStringLiteral("Report's date :"), this);
    fromDate = picker("DTPicker1");
    dateTilde = namedLabel("Label15", QStringLiteral(" ~"), this);
    toDate = picker("DTPicker2");
    readingsCaption = namedLabel(
        "Label4", hourRange ? QStringLiteral("Datas covered :") : QStringLiteral("PC Datas covered :"), this);
    readingsCovered = namedLabel("Label2", QStringLiteral("- -"), this);
    highestCaption = namedLabel("Label7", QStringLiteral("Highest value :"), this);
    highestValue = namedLabel("Label12", QStringLiteral("- - -"), this);
    highestUnit = namedLabel("Label6", unit, this);
    lowestCaption = namedLabel("Label8", QStringLiteral("Lowest value :"), this);
    lowestValue = namedLabel("Label13", QStringLiteral("- - -"), this);
    lowestUnit = namedLabel("Label10", unit, this);
    averageCaption = namedLabel("Label9", QStringLiteral("Average :"), this);
    averageValue = namedLabel("Label14", QStringLiteral("- - -"), this);
    averageUnit = namedLabel("Label11", unit, this);

    auto *dates = new QHBoxLayout;
    dates->addWidget(fromDate);
    dates->addWidget(dateTilde);
    dates->addWidget(toDate);
    dates->addStretch();

    grid->addWidget(idCaption, 0, 0);
    grid->addWidget(userId, 0, 1);
    grid->addWidget(dateCaption, 1, 0);
    grid->addLayout(dates, 1, 1);
    grid->addWidget(readingsCaption, 2, 0);
    grid->addWidget(readingsCovered, 2, 1);

    if (hourRange) {
        hourCaption = namedLabel("Label16", QStringLiteral("Hour :"), this);
        hourTilde = namedLabel("Label17", QStringLiteral(" ~"), this);
        LabelError = colouredLabel("LabelError", QString(), Qt::red, this);
        const auto hours = [this](const char *name, int current) {
            auto *box = new QComboBox(this);
            box->setObjectName(QLatin1String(name));
            box->setEditable(true);
            // Enter keeps what was typed; it never adds it to the list.
            box->setInsertPolicy(QComboBox::NoInsert);
            for (int h = 0; h <= 24; ++h)
                box->addItem(QString::number(h));
            box->setCurrentIndex(current);
            return box;
        };
        fromHour = hours("ComboLO", 0);
        toHour = hours("ComboHI", 24);
        auto *hourRow = new QHBoxLayout;
        hourRow->addWidget(hourCaption);
        hourRow->addWidget(fromHour);
        hourRow->addWidget(hourTilde);
        hourRow->addWidget(toHour);
        hourRow->addStretch();
        grid->addWidget(LabelError, 0, 2);
        grid->addLayout(hourRow, 1, 2);
    }

    const QList<QList<QLabel *>> statistics{{highestCaption, highestValue, highestUnit},
                                            {lowestCaption, lowestValue, lowestUnit},
                                            {averageCaption, averageValue, averageUnit}};
    for (int row = 0; row < 3; ++row) {
        for (int c = 0; c < 3; ++c)
            grid->addWidget(statistics[row][c], row, 3 + c);
        statistics[row][1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

QLayout *LineGraphWindow::buildChartArea()
{
    const bool mmol = m_unit == GlucoseUnit::MmolPerL;
    chart = ReportParts::chart(this);
    chart->setMouseTracking(true);
    chart->installEventFilter(this);

    // The details box: black on light green, as designed.
    details = namedLabel("Text4", QStringLiteral("None Data"), chart);
    details->setAutoFillBackground(true);
    QPalette box = details->palette();
    box.setColor(QPalette::Window, QColor(192, 255, 192));
    box.setColor(QPalette::WindowText, Qt::black);
    details->setPalette(box);
    details->setContentsMargins(3, 1, 3, 1);
    details->setFixedSize(details->fontMetrics().horizontalAdvance(QStringLiteral("8888/88/88 88:88  888.8mmol/L"))
                              + 10,
                          details->sizeHint().height());
    marker = colouredLabel("Text3", kMarker, Qt::magenta, chart);
    QFont bold = marker->font();
    bold.setBold(true);
    marker->setFont(bold);
    marker->setFixedSize(marker->sizeHint());
    for (QLabel *label : {details, marker}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        WindowParts::setHoverOnly(label);
    }

    // Readings in navy joined by a line, the limits in red; the x axis counts
    // the page's positions, its labels are the date labels below.
    m_model.room.setTop(qMax(marker->height(), details->height()));
    m_model.x.labelsShown = false;
    m_model.x.gridShown = false;
    m_model.x.ticks = 2;
    m_model.y.title = QStringLiteral("Glucose");
    m_model.y.max = mmol ? 35 : 600;
    m_model.y.ticks = mmol ? 8 : 7;
    Chart::Series readings{Chart::Series::Kind::Line, QStringLiteral("Readings")};
    readings.colour = QColor(0, 0, 160);
    readings.dotSize = 7;
    Chart::Series high{Chart::Series::Kind::Line, QStringLiteral("Max")};
    high.colour = Qt::red;
    high.width = 2;
    Chart::Series low = high;
    low.name = QStringLiteral("Min");
    m_model.series = {readings, high, low};

    // The band under the chart: date labels on two staggered rows, so that
    // neighbouring labels never overlap, and the scroll bar under them.
    dateBand = new QWidget(this);
    dateBand->setObjectName(QStringLiteral("Text2"));
    dateBand->setAutoFillBackground(true);
    dateBand->setPalette(QPalette(Qt::white));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int k = 1; k <= LineGraphPage::kLabels; ++k) {
        QLabel *label = colouredLabel(qPrintable(QStringLiteral("X%1").arg(k)), QStringLiteral("--/--"),
                                      QColor(0, 0, 128), dateBand);
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        dateLabels << label;
    }
    pageScroll = new QScrollBar(Qt::Horizontal, dateBand);
    pageScroll->setObjectName(QStringLiteral("HScroll1"));
    pageScroll->setPageStep(LineGraphPage::kMaxPageSize);
    pageScroll->hide();
    const int labelHeight = dateLabels[0]->sizeHint().height();
    dateBand->setFixedHeight(2 * labelHeight + pageScroll->sizeHint().height() + 2);

    dateTitle = namedLabel("Text1", QStringLiteral("Date"), this);
    dateUnit = namedLabel("Text5", QStringLiteral("month/day"), this);
    valueUnit = namedLabel("Text7", ReadingTexts::unitText(m_unit), this);
    highLabel = colouredLabel("HIGH", QStringLiteral("High"), Qt::red, this);
    lowLabel = colouredLabel("LOW", mmol ? QStringLiteral("Low--") : QStringLiteral("Low"), Qt::red, this);

    auto *side = new QVBoxLayout;
    side->addWidget(valueUnit);
    side->addWidget(highLabel);
    side->addStretch();
    side->addWidget(lowLabel);
    auto *axisTexts = new QHBoxLayout;
    axisTexts->addStretch();
    axisTexts->addWidget(dateTitle);
    axisTexts->addStretch();
    axisTexts->addWidget(dateUnit);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->addLayout(side, 0, 0);
    grid->addWidget(chart, 0, 1);
    grid->addWidget(dateBand, 1, 1);
    grid->addLayout(axisTexts, 2, 1);
    chartValues = new ChartValues(chart, this);
    grid->addWidget(chartValues, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    return grid;
}

LineGraphPage::Settings LineGraphWindow::settings() const
{
    // Read anew each time: a change of the limits shows at the next drawing.
    return {m_unit, dateFormat(m_context.user.dateFormat), m_context.user.max, m_context.user.min};
}

void LineGraphWindow::formLoad()
{
    userId->setText(m_context.user.id);
    m_selection.selectAtLoad(m_context.store.tables());
    if (m_selection.holdsReadings()) {
        showStatistics();
        if (settings().format != DateFormat::Other)
            setPickers(m_selection.firstDate(), m_selection.lastDate());
    } else {
        if (LabelError)
            LabelError->setText(ReportTexts::kNoData);
        else
            Messages::show(this, ReportTexts::kNoGlucoseData);
        // Nothing enables them again while the page is open.
        fromDate->setEnabled(false);
        toDate->setEnabled(false);
        showPage(LineGraphPage::empty(settings()));
    }
    drawChart();
}

void LineGraphWindow::hoursCommitted()
{
    const std::pair<QString, QString> hours{fromHour->currentText(), toHour->currentText()};
    if (hours == m_hours)
        return; // leaving a box unchanged keeps the chart's page
    m_hours = hours;
    rangeChanged();
}

LineGraphSelection::Change LineGraphWindow::selectFromControls()
{
    return m_selection.select(m_context.store.tables(), fromDate->date(), toDate->date(),
                              fromHour ? fromHour->currentText() : QString(),
                              toHour ? toHour->currentText() : QString());
}

void LineGraphWindow::rangeChanged()
{
    LineGraphSelection::Change change = selectFromControls();
    if (change.outcome == LineGraphSelection::Outcome::HourRangeError) {
        LabelError->setText(change.error);
        {
            const QSignalBlocker quiet(fromHour);
            fromHour->setEditText(QStringLiteral("0"));
        }
        m_hours.first = fromHour->currentText();
        // The chart follows the hours the boxes now show.
        change = selectFromControls();
    }
    switch (change.outcome) {
    case LineGraphSelection::Outcome::HourNotNumber: return; // until the text is a number again
    case LineGraphSelection::Outcome::DateRangeError:
        if (LabelError)
            LabelError->setText(change.error);
        else
            Messages::show(this, change.error);
        setPickers(change.restoredFrom, change.restoredTo);
        break;
    case LineGraphSelection::Outcome::HourRangeError: break; // not after the lower hour's reset to 0
    case LineGraphSelection::Outcome::Selected:
        if (m_selection.count() == 0)
            showPage(LineGraphPage::empty(settings()));
        break;
    }
    showStatistics();
    drawChart();
    // A range error shows for a second; "No data !" stays. The timer belongs to
    // the label, so a page closed meanwhile takes it along.
    if (LabelError && LabelError->text() == ReportTexts::kRangeOfDateError)
        QTimer::singleShot(1000, LabelError, &QLabel::clear);
}

void LineGraphWindow::showStatistics()
{
    const SummaryStatistics s = selectionStatistics(m_selection.entries());
    readingsCovered->setText(QString::number(s.count));
    highestValue->setText(ReadingTexts::glucoseText(s.highest, m_unit));
    lowestValue->setText(ReadingTexts::glucoseText(s.lowest, m_unit));
    averageValue->setText(ReadingTexts::glucoseText(s.average(), m_unit));
}

void LineGraphWindow::drawChart()
{
    if (m_selection.count() <= LineGraphPage::kMaxPageSize)
        pageScroll->hide();
    const std::optional<LineGraphPage::Page> page = LineGraphPage::draw(m_selection, settings());
    if (!page)
        return; // the empty page stays
    if (page->paging) {
        // Start on the last page; the page is drawn below, not by the change.
        const QSignalBlocker quiet(pageScroll);
        pageScroll->setRange(0, int(page->lastOffset));
        pageScroll->setValue(int(page->lastOffset));
        pageScroll->show();
    }
    showPage(*page);
}

void LineGraphWindow::scrollTo(int offset)
{
    if (m_selection.count() > LineGraphPage::kMaxPageSize)
        showPage(LineGraphPage::scrolled(m_selection, offset, settings()));
}

void LineGraphWindow::showPage(const LineGraphPage::Page &page)
{
    m_page = page;
    const int n = page.size;
    m_model.x.min = 0.5;
    m_model.x.max = n + 0.5;
    QList<QPointF> points;
    for (int r = 1; r <= n; ++r) {
        if (!page.readings[r - 1].isEmpty())
            points << QPointF(r, page.readings[r - 1].value);
    }
    m_model.series[0].points = points;
    m_model.series[1].points = {QPointF(0.5, page.high), QPointF(n + 0.5, page.high)};
    m_model.series[2].points = {QPointF(0.5, page.low), QPointF(n + 0.5, page.low)};
    // Date format Other: the labels keep their texts.
    for (int k = 0; k < page.labels.size() && k < dateLabels.size(); ++k)
        dateLabels[k]->setText(page.labels[k]);
    chartValues->show(ChartTexts::lineGraph(m_selection.rule() == LineGraphSelection::Rule::MealMarked, m_selection,
                                            page, m_unit, settings().format));
    chart->setModel(m_model);
    placeOverlays();
}

void LineGraphWindow::placeOverlays()
{
    if (m_page.size == 0)
        return;
    for (int k = 1; k <= dateLabels.size(); ++k)
        dateLabels[k - 1]->setVisible(LineGraphPage::labelPosition(m_page.size, k) > 0);
    const QRectF plot = chart->plotArea();
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const auto inBand = [this](QPointF onChart) {
        return dateBand->mapFrom(this, chart->mapTo(this, onChart.toPoint()));
    };
    for (int k = 1; k <= dateLabels.size(); ++k) {
        QLabel *label = dateLabels[k - 1];
        const int position = LineGraphPage::labelPosition(m_page.size, k);
        if (position == 0)
            continue;
        label->adjustSize();
        const QPoint centre = inBand(chart->position(QPointF(position, 0)));
        label->move(centre.x() - label->width() / 2, (k % 2 == 1 ? 0 : 1) * label->height());
    }
    const QPoint left = inBand(plot.bottomLeft());
    const QPoint right = inBand(plot.bottomRight());
    pageScroll->setGeometry(left.x(), dateBand->height() - pageScroll->sizeHint().height(), right.x() - left.x(),
                            pageScroll->sizeHint().height());

    // The marker sits just above the plot; the details box keeps its design
    // place, at the top left of the plot, until the pointer first moves.
    marker->move(marker->x(), qRound(plot.top()) - marker->height());
    if (!m_pointerSeen) {
        details->move(qRound(plot.left()), 0);
        marker->move(qRound(plot.left() - marker->width() / 2.0), marker->y());
    }
}

bool LineGraphWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == chart && event->type() == QEvent::MouseMove)
        pointerMoved(static_cast<QMouseEvent *>(event)->position());
    else if (watched == dateBand && event->type() == QEvent::Resize)
        placeOverlays();
    return QWidget::eventFilter(watched, event);
}

void LineGraphWindow::pointerMoved(QPointF at)
{
    if (m_page.size == 0)
        return;
    const QRectF plot = chart->plotArea();
    // The rules of the design, with the geometry of the chart as drawn: the
    // details box drops below the pointer, and in the right half of the page
    // it ends at the category's centre.
    const LineGraphPointer::Layout layout{plot.left(),
                                          plot.width(),
                                          plot.top(),
                                          plot.bottom(),
                                          2.0 * details->height(),
                                          marker->width() / 2.0,
                                          double(details->width())};
    const LineGraphPointer::Update u = LineGraphPointer::pointAt(layout, m_page, m_selection, m_unit, settings().format,
                                                                 at.x(), at.y());
    m_pointerSeen = true;
    if (u.detailsVisible)
        details->setVisible(*u.detailsVisible);
    if (u.marker)
        marker->setText(*u.marker);
    if (u.details)
        details->setText(*u.details);
    // Where the box would leave the chart below, it opens as far above the pointer.
    int top = qRound(u.detailsTop);
    if (top + details->height() > chart->height())
        top = qMax(0, qRound(at.y() - layout.boxDrop));
    details->move(details->x(), top);
    if (u.detailsLeft)
        details->move(qBound(0, qRound(*u.detailsLeft), qMax(0, chart->width() - details->width())), details->y());
    if (u.markerLeft)
        marker->move(qRound(*u.markerLeft), marker->y());
}

void LineGraphWindow::setPickers(QDate from, QDate to)
{
    // The form's own setting of the range selects nothing anew.
    const QSignalBlocker quiet1(fromDate);
    const QSignalBlocker quiet2(toDate);
    if (from.isValid())
        fromDate->setDate(from);
    if (to.isValid())
        toDate->setDate(to);
}
