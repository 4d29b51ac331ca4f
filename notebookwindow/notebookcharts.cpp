#include "notebookcharts.h"

#include "notebook/resultstext.h"
#include "notebook/notebooktext.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

// A text with "%n" for a count, in its plural form where the language has one.
QString notebookCount(const char* text, int count)
{
    return QCoreApplication::translate("Notebook", text, nullptr, count);
}

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

QChart* stoppingChart(const Graphs& graphs, const QLocale& locale, QString& description)
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
        for (const GraphPoint& point : metal.byFrequency) {
            lowF = std::min(lowF, point.x);
            highF = std::max(highF, point.x);
            highV = std::max(highV, point.y);
        }
        for (const GraphPoint& point : metal.byWavelength) {
            lowW = std::min(lowW, point.x);
            highW = std::max(highW, point.x);
            highV = std::max(highV, point.y);
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
            const std::vector<GraphPoint>& candidates = condition.frequency ? metal.byFrequency : metal.byWavelength;
            const double x = condition.frequency ? *condition.frequency : *condition.wavelength;
            for (const GraphPoint& point : candidates)
                if (point.x == x)
                    points.push_back(point);
            if (points.empty())
                continue;
            QScatterSeries* series = scatter(conditionName(condition, locale), conditionColour(static_cast<int>(i)), points);
            if (condition.frequency) {
                attach(chart, series, frequency, voltage);
            } else {
                if (!wavelength)
                    wavelength = axis(chart, notebookText("Wavelength (nm), colours whose frequency was hidden"),
                                      Qt::AlignTop);
                attach(chart, series, wavelength, voltage);
            }
            chart->legend()->markers(series).constFirst()->setVisible(false);
        }
        if (!metal.byFrequency.empty())
            part += notebookCount(", %n points", static_cast<int>(metal.byFrequency.size()));
        if (!metal.byWavelength.empty())
            part += notebookCount(", %n points against the wavelength", static_cast<int>(metal.byWavelength.size()));
        if (metal.fit) {
            const QString line = notebookText("line h = %1 J s, W = %2 eV")
                                     .arg(scientific(metal.fit->planckJouleSeconds(), 3, locale),
                                          locale.toString(metal.fit->workFunction, 'f', 2));
            auto* series = new QLineSeries;
            series->setName(notebookText("Metal %1: h = %2 J s, W = %3 eV")
                                .arg(metal.metal.metal)
                                .arg(scientific(metal.fit->planckJouleSeconds(), 3, locale),
                                     locale.toString(metal.fit->workFunction, 'f', 2)));
            series->setColor(QColor(0x33, 0x33, 0x33));
            for (const double f : {lowF - 0.3, highF + 0.3})
                series->append(f, metal.fit->slope * f - metal.fit->workFunction);
            attach(chart, series, frequency, voltage);
            part += QStringLiteral(", ") + line;
        }
        parts << part;
    }
    if (lowF <= highF)
        fit(frequency, lowF - 0.3, highF + 0.3);
    else
        frequency->hide();
    if (wavelength)
        fit(wavelength, lowW, highW);
    fit(voltage, lowV, highV);
    description = title + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
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
        parts << notebookCount("%1, %n points", static_cast<int>(one.points.size())).arg(name);
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
        addTab(views_[i], tabs[i]);
    }
}

void NotebookCharts::show(const Graphs& graphs)
{
    const QLocale locale;
    QString descriptions[3];
    QChart* charts[] = {stoppingChart(graphs, locale, descriptions[0]),
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
