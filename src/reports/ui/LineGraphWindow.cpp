#include "reports/ui/LineGraphWindow.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportTexts.h"
#include "reports/SummaryStatistics.h"
#include "store/ReadingStore.h"
#include "reports/ui/ChartValues.h"
#include "users/UserSettings.h"

#include <QTimer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QValueAxis>

namespace {

const QString kMarker = QStringLiteral(" Y");

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel *boxLabel(const char *name, const QString &text, const QString &style, QWidget *parent)
{
    QLabel *label = namedLabel(name, text, parent);
    label->setStyleSheet(style);
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
    Label3->setBuddy(DTPicker1);
    DTPicker1->setAccessibleName(ReportTexts::kFromDate);
    DTPicker2->setAccessibleName(ReportTexts::kToDate);
    HScroll1->setAccessibleName(ReportTexts::kReadingsPage);
    if (ComboLO) {
        Label16->setBuddy(ComboLO);
        // The typing box inside an editable list is what takes the focus.
        for (QComboBox *box : {ComboLO, ComboHI}) {
            box->setAccessibleName(box == ComboLO ? ReportTexts::kFromHour : ReportTexts::kToHour);
            box->lineEdit()->setAccessibleName(box->accessibleName());
        }
    }

    formLoad();

    connect(DTPicker1, &QDateEdit::dateChanged, this, &LineGraphWindow::rangeChanged);
    connect(DTPicker2, &QDateEdit::dateChanged, this, &LineGraphWindow::rangeChanged);
    if (ComboLO) {
        // An hour counts once it is committed (Enter, leaving the box, a choice
        // from the list), not at each keystroke: "12" passes through "1".
        for (QComboBox *box : {ComboLO, ComboHI}) {
            connect(box, &QComboBox::activated, this, &LineGraphWindow::hoursCommitted);
            connect(box->lineEdit(), &QLineEdit::editingFinished, this, &LineGraphWindow::hoursCommitted);
        }
        m_hours = {ComboLO->currentText(), ComboHI->currentText()};
    }
    // With tracking on, dragging the thumb changes the value too: the chart follows it.
    connect(HScroll1, &QScrollBar::valueChanged, this, &LineGraphWindow::scrollTo);
    // Queued: the view maps the new plot area into its own coordinates only
    // after the chart has told of it.
    connect(m_chart, &QChart::plotAreaChanged, this, &LineGraphWindow::placeOverlays, Qt::QueuedConnection);
    Text2->installEventFilter(this);
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
    Label1 = namedLabel("Label1", QStringLiteral("ID :"), this);
    Label5 = namedLabel("Label5", QStringLiteral("Name Not Yet Assigned"), this);
    Label3 = namedLabel("Label3", QStringLiteral("Report's date :"), this);
    DTPicker1 = picker("DTPicker1");
    Label15 = namedLabel("Label15", QStringLiteral(" ~"), this);
    DTPicker2 = picker("DTPicker2");
    Label4 = namedLabel("Label4", hourRange ? QStringLiteral("Datas covered :") : QStringLiteral("PC Datas covered :"),
                        this);
    Label2 = namedLabel("Label2", QStringLiteral("- -"), this);
    Label7 = namedLabel("Label7", QStringLiteral("Highest value :"), this);
    Label12 = namedLabel("Label12", QStringLiteral("- - -"), this);
    Label6 = namedLabel("Label6", unit, this);
    Label8 = namedLabel("Label8", QStringLiteral("Lowest value :"), this);
    Label13 = namedLabel("Label13", QStringLiteral("- - -"), this);
    Label10 = namedLabel("Label10", unit, this);
    Label9 = namedLabel("Label9", QStringLiteral("Average :"), this);
    Label14 = namedLabel("Label14", QStringLiteral("- - -"), this);
    Label11 = namedLabel("Label11", unit, this);

    auto *dates = new QHBoxLayout;
    dates->addWidget(DTPicker1);
    dates->addWidget(Label15);
    dates->addWidget(DTPicker2);
    dates->addStretch();

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label5, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addLayout(dates, 1, 1);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(Label2, 2, 1);

    if (hourRange) {
        Label16 = namedLabel("Label16", QStringLiteral("Hour :"), this);
        Label17 = namedLabel("Label17", QStringLiteral(" ~"), this);
        LabelError = boxLabel("LabelError", QString(), QStringLiteral("color: red;"), this);
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
        ComboLO = hours("ComboLO", 0);
        ComboHI = hours("ComboHI", 24);
        auto *hourRow = new QHBoxLayout;
        hourRow->addWidget(Label16);
        hourRow->addWidget(ComboLO);
        hourRow->addWidget(Label17);
        hourRow->addWidget(ComboHI);
        hourRow->addStretch();
        grid->addWidget(LabelError, 0, 2);
        grid->addLayout(hourRow, 1, 2);
    }

    const QList<QList<QLabel *>> statistics{
        {Label7, Label12, Label6}, {Label8, Label13, Label10}, {Label9, Label14, Label11}};
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
    m_chart = new QChart;
    m_chart->legend()->hide();
    // Room above the plot for the marker.
    m_chart->setMargins(QMargins(4, 22, 8, 4));

    auto *categories = new QValueAxis;
    categories->setLabelsVisible(false);
    categories->setGridLineVisible(false);
    categories->setTickCount(2);
    auto *values = new QValueAxis;
    values->setTitleText(QStringLiteral("Glucose"));
    values->setRange(0, mmol ? 35 : 600);
    values->setTickCount(mmol ? 8 : 7);
    values->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_chart->addAxis(values, Qt::AlignLeft);

    const auto line = [this, categories, values](const char *name, const QColor &colour, qreal width) {
        auto *series = new QLineSeries;
        series->setName(QLatin1String(name));
        QPen pen(colour);
        pen.setWidthF(width);
        series->setPen(pen);
        m_chart->addSeries(series);
        series->attachAxis(categories);
        series->attachAxis(values);
        return series;
    };
    m_readings = line("Readings", QColor(0, 0, 160), 1.5);
    m_readings->setPointsVisible(true);
    m_readings->setMarkerSize(5);
    m_high = line("Max", Qt::red, 2);
    m_low = line("Min", Qt::red, 2);

    MSChart1 = new QChartView(m_chart, this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    // A narrower range redraws the whole plot: partial updates left the old
    // points' markers behind.
    MSChart1->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    MSChart1->setMinimumSize(400, 220);
    MSChart1->viewport()->setMouseTracking(true);
    MSChart1->viewport()->installEventFilter(this);

    QWidget *over = MSChart1->viewport();
    Text4 = boxLabel("Text4", QStringLiteral("None Data"),
                     QStringLiteral("background: rgb(192, 255, 192); color: black; padding: 1px 3px;"), over);
    Text4->setFixedSize(Text4->fontMetrics().horizontalAdvance(QStringLiteral("8888/88/88 88:88  888.8mmol/L")) + 10,
                        Text4->sizeHint().height());
    Text3 = boxLabel("Text3", kMarker, QStringLiteral("color: magenta; font-weight: bold;"), over);
    Text3->setFixedSize(Text3->sizeHint());
    for (QLabel *box : {Text4, Text3}) {
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        WindowParts::setHoverOnly(box);
    }

    // The band under the chart: date labels on two staggered rows, so that
    // neighbouring labels never overlap, and the scroll bar under them.
    Text2 = new QWidget(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAutoFillBackground(true);
    Text2->setPalette(QPalette(Qt::white));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int k = 1; k <= LineGraphPage::kLabels; ++k) {
        QLabel *label = boxLabel(qPrintable(QStringLiteral("X%1").arg(k)), QStringLiteral("--/--"),
                                 QStringLiteral("color: rgb(0, 0, 128);"), Text2);
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        X << label;
    }
    HScroll1 = new QScrollBar(Qt::Horizontal, Text2);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setPageStep(LineGraphPage::kMaxPageSize);
    HScroll1->hide();
    const int labelHeight = X[0]->sizeHint().height();
    Text2->setFixedHeight(2 * labelHeight + HScroll1->sizeHint().height() + 2);

    Text1 = namedLabel("Text1", QStringLiteral("Date"), this);
    Text5 = namedLabel("Text5", QStringLiteral("month/day"), this);
    Text7 = namedLabel("Text7", ReadingTexts::unitText(m_unit), this);
    HIGH = boxLabel("HIGH", QStringLiteral("High"), QStringLiteral("color: red;"), this);
    LOW = boxLabel("LOW", mmol ? QStringLiteral("Low--") : QStringLiteral("Low"), QStringLiteral("color: red;"), this);

    auto *side = new QVBoxLayout;
    side->addWidget(Text7);
    side->addWidget(HIGH);
    side->addStretch();
    side->addWidget(LOW);
    auto *axisTexts = new QHBoxLayout;
    axisTexts->addStretch();
    axisTexts->addWidget(Text1);
    axisTexts->addStretch();
    axisTexts->addWidget(Text5);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->addLayout(side, 0, 0);
    grid->addWidget(MSChart1, 0, 1);
    grid->addWidget(Text2, 1, 1);
    grid->addLayout(axisTexts, 2, 1);
    chartValues = new ChartValues(MSChart1, this);
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
    Label5->setText(m_context.user.id);
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
        DTPicker1->setEnabled(false);
        DTPicker2->setEnabled(false);
        showPage(LineGraphPage::empty(settings()));
    }
    drawChart();
}

void LineGraphWindow::hoursCommitted()
{
    const std::pair<QString, QString> hours{ComboLO->currentText(), ComboHI->currentText()};
    if (hours == m_hours)
        return; // leaving a box unchanged keeps the chart's page
    m_hours = hours;
    rangeChanged();
}

LineGraphSelection::Change LineGraphWindow::selectFromControls()
{
    return m_selection.select(m_context.store.tables(), DTPicker1->date(), DTPicker2->date(),
                              ComboLO ? ComboLO->currentText() : QString(),
                              ComboHI ? ComboHI->currentText() : QString());
}

void LineGraphWindow::rangeChanged()
{
    LineGraphSelection::Change change = selectFromControls();
    if (change.outcome == LineGraphSelection::Outcome::HourRangeError) {
        LabelError->setText(change.error);
        {
            const QSignalBlocker quiet(ComboLO);
            ComboLO->setEditText(QStringLiteral("0"));
        }
        m_hours.first = ComboLO->currentText();
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
    Label2->setText(QString::number(s.count));
    Label12->setText(ReadingTexts::glucoseText(s.highest, m_unit));
    Label13->setText(ReadingTexts::glucoseText(s.lowest, m_unit));
    Label14->setText(ReadingTexts::glucoseText(s.average(), m_unit));
}

void LineGraphWindow::drawChart()
{
    if (m_selection.count() <= LineGraphPage::kMaxPageSize)
        HScroll1->hide();
    const std::optional<LineGraphPage::Page> page = LineGraphPage::draw(m_selection, settings());
    if (!page)
        return; // the empty page stays
    if (page->paging) {
        // Start on the last page; the page is drawn below, not by the change.
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setRange(0, int(page->lastOffset));
        HScroll1->setValue(int(page->lastOffset));
        HScroll1->show();
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
    m_chart->axes(Qt::Horizontal).constFirst()->setRange(0.5, n + 0.5);
    QList<QPointF> points;
    for (int r = 1; r <= n; ++r) {
        if (!page.readings[r - 1].isEmpty())
            points << QPointF(r, page.readings[r - 1].value);
    }
    m_readings->replace(points);
    m_high->replace({QPointF(0.5, page.high), QPointF(n + 0.5, page.high)});
    m_low->replace({QPointF(0.5, page.low), QPointF(n + 0.5, page.low)});
    // Date format Other: the labels keep their texts.
    for (int k = 0; k < page.labels.size() && k < X.size(); ++k)
        X[k]->setText(page.labels[k]);
    chartValues->show(ChartTexts::lineGraph(m_selection.rule() == LineGraphSelection::Rule::MealMarked, m_selection,
                                            page, m_unit, settings().format));
    placeOverlays();
}

void LineGraphWindow::placeOverlays()
{
    const QRectF plot = m_chart->plotArea();
    if (plot.isEmpty() || m_page.size == 0)
        return;
    const auto inViewport = [this](QPointF p) { return MSChart1->mapFromScene(m_chart->mapToScene(p)); };
    const auto inBand = [this](QPoint viewportPoint) {
        return Text2->mapFrom(this, MSChart1->viewport()->mapTo(this, viewportPoint));
    };

    const double w = plot.width() / m_page.size;
    for (int k = 1; k <= X.size(); ++k) {
        QLabel *label = X[k - 1];
        const int position = LineGraphPage::labelPosition(m_page.size, k);
        label->setVisible(position > 0);
        if (position == 0)
            continue;
        label->adjustSize();
        const QPoint centre = inBand(inViewport(QPointF(plot.left() + (position - 0.5) * w, plot.bottom())));
        label->move(centre.x() - label->width() / 2, (k % 2 == 1 ? 0 : 1) * label->height());
    }
    const QPoint left = inBand(inViewport(plot.bottomLeft()));
    const QPoint right = inBand(inViewport(plot.bottomRight()));
    HScroll1->setGeometry(left.x(), Text2->height() - HScroll1->sizeHint().height(), right.x() - left.x(),
                          HScroll1->sizeHint().height());

    // The marker sits just above the plot; the details box keeps its design
    // place, at the top left of the plot, until the pointer first moves.
    Text3->move(Text3->x(), inViewport(plot.topLeft()).y() - Text3->height());
    if (!m_pointerSeen) {
        Text4->move(inViewport(QPointF(plot.left(), 0)));
        Text3->move(inViewport(QPointF(plot.left() - Text3->width() / 2.0, 0)).x(), Text3->y());
    }
}

bool LineGraphWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MSChart1->viewport() && event->type() == QEvent::MouseMove)
        pointerMoved(static_cast<QMouseEvent *>(event)->position());
    else if (watched == Text2 && event->type() == QEvent::Resize)
        placeOverlays();
    return QWidget::eventFilter(watched, event);
}

void LineGraphWindow::pointerMoved(QPointF inView)
{
    if (m_page.size == 0)
        return;
    const QRectF plot = m_chart->plotArea();
    const QPointF p = m_chart->mapFromScene(MSChart1->mapToScene(inView.toPoint()));
    // The rules of the design, with the geometry of the chart as drawn: the
    // details box drops below the pointer, and in the right half of the page
    // it ends at the category's centre.
    const LineGraphPointer::Layout layout{plot.left(),           plot.width(),          plot.top(),
                                          plot.bottom(),         2.0 * Text4->height(), Text3->width() / 2.0,
                                          double(Text4->width())};
    const LineGraphPointer::Update u = LineGraphPointer::pointAt(layout, m_page, m_selection, m_unit, settings().format,
                                                                 p.x(), p.y());
    m_pointerSeen = true;
    const auto inViewport = [this](QPointF c) { return MSChart1->mapFromScene(m_chart->mapToScene(c)); };
    if (u.detailsVisible)
        Text4->setVisible(*u.detailsVisible);
    if (u.marker)
        Text3->setText(*u.marker);
    if (u.details)
        Text4->setText(*u.details);
    Text4->move(Text4->x(), inViewport(QPointF(0, u.detailsTop)).y());
    if (u.detailsLeft)
        Text4->move(inViewport(QPointF(*u.detailsLeft, 0)).x(), Text4->y());
    if (u.markerLeft)
        Text3->move(inViewport(QPointF(*u.markerLeft, 0)).x(), Text3->y());
}

void LineGraphWindow::setPickers(QDate from, QDate to)
{
    // The form's own setting of the range selects nothing anew.
    const QSignalBlocker quiet1(DTPicker1);
    const QSignalBlocker quiet2(DTPicker2);
    if (from.isValid())
        DTPicker1->setDate(from);
    if (to.isValid())
        DTPicker2->setDate(to);
}
