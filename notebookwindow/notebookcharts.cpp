#include "notebookcharts.h"

#include "notebook/resultstext.h"
#include "notebook/notebooktext.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

// One colour a condition, the same in every graph.
QColor conditionColour(int index)
{
    static const QColor palette[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                     QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                     QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
                                     QColor(0x17, 0xbe, 0xcf)};
    return palette[index % std::size(palette)];
}

QString colourName(const Condition& condition, const QLocale& locale)
{
    if (condition.frequency)
        return QStringLiteral("%1 × 10¹⁴ Hz").arg(locale.toString(*condition.frequency, 'f', 2));
    return QStringLiteral("%1 nm").arg(*condition.wavelength);
}

QString conditionName(const Condition& condition, const QLocale& locale)
{
    return QStringLiteral("%1, %2").arg(metalName(condition.metal, locale), colourName(condition, locale));
}

QValueAxis* axis(QChart* chart, const QString& title, Qt::Alignment alignment)
{
    auto* axis = new QValueAxis(chart);
    axis->setTitleText(title);
    chart->addAxis(axis, alignment);
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QScatterSeries* scatter(const QString& name, const QColor& colour, const std::vector<GraphPoint>& points)
{
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(9);
    for (const GraphPoint& point : points)
        series->append(point.x, point.y);
    return series;
}

// The axis's range around the values, with a little room.
void fit(QValueAxis* axis, double lowest, double highest)
{
    const double room = std::max((highest - lowest) * 0.08, 0.05);
    axis->setRange(lowest - room, highest + room);
    axis->applyNiceNumbers();
}

QChart* emptyChart(const QString& title, const QString& hint)
{
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("%1<br><small>%2</small>").arg(title.toHtmlEscaped(), hint.toHtmlEscaped()));
    return chart;
}

// Each point's error bar, with caps `cap` wide either side.
void addErrorBars(QChart* chart, const std::vector<GraphPoint>& points, const std::vector<double>& errors,
                  const QColor& colour, double cap, QAbstractAxis* x, QAbstractAxis* y)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double f = points[i].x;
        const double low = points[i].y - errors[i];
        const double high = points[i].y + errors[i];
        auto* bar = new QLineSeries;
        bar->setColor(colour);
        for (const QPointF& point : {QPointF(f - cap, low), QPointF(f + cap, low), QPointF(f, low), QPointF(f, high),
                                     QPointF(f - cap, high), QPointF(f + cap, high)})
            bar->append(point);
        attach(chart, bar, x, y);
        chart->legend()->markers(bar).constFirst()->setVisible(false);
    }
}

QLineSeries* lineSeries(const Line& line, double from, double to, Qt::PenStyle style, const QColor& colour)
{
    auto* series = new QLineSeries;
    QPen pen(colour, 1.5, style);
    series->setPen(pen);
    for (const double f : {from, to})
        series->append(f, line.slope * f - line.workFunction);
    return series;
}

QChart* stoppingChart(const Graphs& graphs, bool fromZero, const QLocale& locale, QString& description)
{
    const QString title = notebookText("Stopping voltage against frequency");
    QStringList parts;
    if (graphs.stopping.empty()) {
        description = title + QStringLiteral(": ")
            + notebookText("no stopping voltage yet; record readings with and without a current for each colour");
        return emptyChart(title, notebookText("Record readings with and without a current for each colour."));
    }
    auto* chart = new QChart;
    chart->setTitle(title);
    QValueAxis* frequency = axis(chart, notebookText("Frequency (10¹⁴ Hz)"), Qt::AlignBottom);
    QValueAxis* voltage = axis(chart, notebookText("Stopping voltage (V)"), Qt::AlignLeft);
    QValueAxis* wavelength = nullptr;
    double lowF = 1e9, highF = -1e9, lowV = 0, highV = 0.5, lowW = 1e9, highW = -1e9;
    for (const StoppingSeries& metal : graphs.stopping) {
        for (std::size_t i = 0; i < metal.byFrequency.size(); ++i) {
            lowF = std::min(lowF, metal.byFrequency[i].x);
            highF = std::max(highF, metal.byFrequency[i].x);
            highV = std::max(highV, metal.byFrequency[i].y + metal.byFrequencyErrors[i]);
        }
        for (std::size_t i = 0; i < metal.byWavelength.size(); ++i) {
            lowW = std::min(lowW, metal.byWavelength[i].x);
            highW = std::max(highW, metal.byWavelength[i].x);
            highV = std::max(highV, metal.byWavelength[i].y + metal.byWavelengthErrors[i]);
        }
    }
    for (const StoppingSeries& metal : graphs.stopping) {
        QString part = metalName(metal.metal, locale);
        // Each colour's point in its condition's colour.
        for (std::size_t i = 0; i < graphs.conditions.size(); ++i) {
            const Condition& condition = graphs.conditions[i];
            if (!(condition.metal == metal.metal))
                continue;
            std::vector<GraphPoint> points;
            std::vector<double> errors;
            const std::vector<GraphPoint>& candidates = condition.frequency ? metal.byFrequency : metal.byWavelength;
            const std::vector<double>& candidateErrors =
                condition.frequency ? metal.byFrequencyErrors : metal.byWavelengthErrors;
            const double x = condition.frequency ? *condition.frequency : *condition.wavelength;
            for (std::size_t j = 0; j < candidates.size(); ++j)
                if (candidates[j].x == x) {
                    points.push_back(candidates[j]);
                    errors.push_back(candidateErrors[j]);
                }
            if (points.empty())
                continue;
            const QColor colour = conditionColour(static_cast<int>(i));
            QScatterSeries* series = scatter(conditionName(condition, locale), colour, points);
            if (condition.frequency) {
                attach(chart, series, frequency, voltage);
                addErrorBars(chart, points, errors, colour, 0.04, frequency, voltage);
            } else {
                if (!wavelength)
                    wavelength = axis(chart, notebookText("Wavelength (nm), colours whose frequency was hidden"),
                                      Qt::AlignTop);
                attach(chart, series, wavelength, voltage);
                addErrorBars(chart, points, errors, colour, 3, wavelength, voltage);
            }
            chart->legend()->markers(series).constFirst()->setVisible(false);
        }
        if (!metal.byFrequency.empty())
            part += notebookText(", %n points", static_cast<int>(metal.byFrequency.size()));
        if (!metal.byWavelength.empty())
            part += notebookText(", %n points against the wavelength", static_cast<int>(metal.byWavelength.size()));
        part += notebookText(", each with its error bar");
        if (metal.fit) {
            const QString planck = planckText(*metal.fit, locale);
            const QString work = workFunctionText(*metal.fit, locale);
            part += QStringLiteral(", ") + notebookText("line h = %1 J s, W = %2 eV").arg(planck, work);
            // The line solid through the data, dashed on to the frequency
            // axis (or to zero) where the threshold can be read off.
            const auto [first, last] = std::minmax_element(metal.byFrequency.begin(), metal.byFrequency.end(),
                                                           [](const GraphPoint& a, const GraphPoint& b) { return a.x < b.x; });
            const Line best{metal.fit->slope, metal.fit->workFunction};
            const QColor grey(0x33, 0x33, 0x33);
            QLineSeries* solid = lineSeries(best, first->x, last->x, Qt::SolidLine, grey);
            solid->setName(notebookText("Metal %1: h = %2 J s, W = %3 eV").arg(metal.metal.metal).arg(planck, work));
            attach(chart, solid, frequency, voltage);
            const std::optional<double> threshold = metal.fit->thresholdFrequency();
            const double start = fromZero ? 0 : threshold.value_or(first->x);
            if (start < first->x) {
                QLineSeries* dashed = lineSeries(best, start, first->x, Qt::DashLine, grey);
                attach(chart, dashed, frequency, voltage);
                chart->legend()->markers(dashed).constFirst()->setVisible(false);
                lowF = std::min(lowF, start + 0.3);
                lowV = std::min(lowV, best.slope * start - best.workFunction);
            }
            if (threshold && !fromZero)
                part += notebookText(", dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz")
                            .arg(locale.toString(*threshold, 'f', 2));
            if (metal.lines && metal.lines->consistent) {
                const double from = fromZero ? 0 : first->x - 0.3;
                const QColor light(0x88, 0x88, 0x88);
                QLineSeries* steepest = lineSeries(metal.lines->steepest, from, last->x + 0.3, Qt::DashLine, light);
                QLineSeries* shallowest = lineSeries(metal.lines->shallowest, from, last->x + 0.3, Qt::DashLine, light);
                steepest->setName(notebookText("Metal %1: steepest and shallowest lines through every error bar")
                                      .arg(metal.metal.metal));
                attach(chart, steepest, frequency, voltage);
                attach(chart, shallowest, frequency, voltage);
                chart->legend()->markers(shallowest).constFirst()->setVisible(false);
                for (const Line& line : {metal.lines->steepest, metal.lines->shallowest})
                    lowV = std::min(lowV, line.slope * from - line.workFunction);
                part += QStringLiteral(", ")
                    + notebookText("dashed lines through every error bar from h = %1 J s, W = %2 eV")
                          .arg(planckRange(*metal.lines, locale), workFunctionRange(*metal.lines, locale));
            } else if (metal.lines) {
                part += QStringLiteral(", ") + notebookText("no straight line passes through every error bar");
            }
        }
        parts << part;
    }
    if (lowF <= highF) {
        fit(frequency, fromZero ? 0.3 : lowF - 0.3, highF + 0.3);
        if (fromZero) {
            frequency->setMin(0);
            frequency->applyNiceNumbers();
        }
    } else {
        frequency->hide();
    }
    if (wavelength)
        fit(wavelength, lowW, highW);
    fit(voltage, lowV, highV);
    description = title + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
    if (fromZero)
        description += notebookText("; axes from zero");
    return chart;
}

QChart* currentChart(const Graphs& graphs, bool againstVoltage, const QLocale& locale, QString& description)
{
    const std::vector<CurrentSeries>& all = againstVoltage ? graphs.currentAgainstVoltage : graphs.currentAgainstIntensity;
    const QString title = againstVoltage ? notebookText("Photocurrent against retarding voltage")
                                         : notebookText("Photocurrent against intensity");
    if (all.empty()) {
        const QString hint = againstVoltage
            ? notebookText("Record one colour at several retarding voltages.")
            : notebookText("Record one colour and voltage at several intensities.");
        description = title + QStringLiteral(": ") + hint;
        return emptyChart(title, hint);
    }
    auto* chart = new QChart;
    chart->setTitle(title);
    QValueAxis* x = axis(chart, againstVoltage ? notebookText("Retarding voltage (V)") : notebookText("Intensity"),
                         Qt::AlignBottom);
    QValueAxis* y = axis(chart, notebookText("Photocurrent (meter divisions)"), Qt::AlignLeft);
    double low = 1e9, high = -1e9;
    QStringList parts;
    for (const CurrentSeries& one : all) {
        const Condition& condition = graphs.conditions[one.conditionIndex];
        const QString setting = againstVoltage ? notebookText("intensity %1").arg(one.setting)
                                               : QStringLiteral("%1 V").arg(locale.toString(one.setting, 'f', 3));
        const QString name = QStringLiteral("%1, %2").arg(conditionName(condition, locale), setting);
        auto* series = new QLineSeries;
        series->setName(name);
        series->setColor(conditionColour(one.conditionIndex));
        series->setPointsVisible(true);
        for (const GraphPoint& point : one.points) {
            series->append(point.x, point.y);
            low = std::min(low, point.x);
            high = std::max(high, point.x);
        }
        attach(chart, series, x, y);
        parts << notebookText("%1, %n points", static_cast<int>(one.points.size())).arg(name);
    }
    // Both settings start at zero; the meter has ten divisions.
    fit(x, 0, againstVoltage ? high : 10.0);
    x->setMin(0);
    y->setRange(0, 10);
    y->setTickCount(6);
    description = title + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
    return chart;
}

} // namespace

NotebookCharts::NotebookCharts(QWidget* parent)
    : QTabWidget(parent)
    , axesFromZero_(new QCheckBox(notebookText("Axes from &zero")))
{
    const QString names[] = {notebookText("Stopping voltage against frequency"),
                             notebookText("Photocurrent against retarding voltage"),
                             notebookText("Photocurrent against intensity")};
    const QString tabs[] = {notebookText("S&topping Voltages"), notebookText("Current and &Voltage"),
                            notebookText("Current and &Intensity")};
    for (std::size_t i = 0; i < views_.size(); ++i) {
        views_[i] = new QChartView(this);
        views_[i]->setObjectName(QStringLiteral("graph%1").arg(i + 1));
        views_[i]->setAccessibleName(names[i]);
        views_[i]->setRenderHint(QPainter::Antialiasing);
        views_[i]->setFocusPolicy(Qt::StrongFocus);
        if (i > 0) {
            addTab(views_[i], tabs[i]);
            continue;
        }
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(views_[i], 1);
        layout->addWidget(axesFromZero_);
        axesFromZero_->setObjectName(QStringLiteral("axesFromZero"));
        connect(axesFromZero_, &QCheckBox::toggled, this, [this] { show(graphs_); });
        addTab(page, tabs[i]);
    }
}

void NotebookCharts::show(const Graphs& graphs)
{
    graphs_ = graphs;
    const QLocale locale;
    QString descriptions[3];
    QChart* charts[] = {stoppingChart(graphs, axesFromZero_->isChecked(), locale, descriptions[0]),
                        currentChart(graphs, true, locale, descriptions[1]),
                        currentChart(graphs, false, locale, descriptions[2])};
    for (std::size_t i = 0; i < views_.size(); ++i) {
        charts[i]->setLocalizeNumbers(true);
        charts[i]->setLocale(locale);
        charts[i]->legend()->setAlignment(Qt::AlignBottom);
        QFont small = charts[i]->legend()->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        charts[i]->legend()->setFont(small);
        charts[i]->setMargins(QMargins(4, 4, 4, 4));
        charts[i]->legend()->setShowToolTips(true);
        QChart* old = views_[i]->chart();
        views_[i]->setChart(charts[i]);
        delete old;
        views_[i]->setAccessibleDescription(descriptions[i]);
    }
}

QImage NotebookCharts::picture() const
{
    const QSize size(720, 440);
    QImage picture(size.width(), size.height() * static_cast<int>(views_.size()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < views_.size(); ++i) {
        QChart* chart = views_[i]->chart();
        const QRectF target(0, static_cast<int>(i) * size.height(), size.width(), size.height());
        // The chart lays itself out at the size it is drawn at.
        const QSizeF shown = chart->size();
        chart->resize(size);
        views_[i]->scene()->render(&painter, target, QRectF(QPointF(0, 0), size));
        chart->resize(shown);
    }
    return picture;
}
