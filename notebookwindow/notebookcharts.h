#pragma once

#include "notebook/graphs.h"

#include <QImage>
#include <QTabWidget>
#include <array>

class QChartView;
class QCheckBox;

// The notebook's three graphs, one a tab, drawn with Qt Charts from the
// graphs' series: stopping voltage against frequency with each known
// metal's line, photocurrent against voltage, photocurrent against
// intensity. Each view has an accessible name and a description in words.
// The stopping voltages' tab can show its axes from zero, where both of a
// line's intercepts are seen.
class NotebookCharts : public QTabWidget
{
public:
    explicit NotebookCharts(QWidget* parent = nullptr);

    // Draws the graphs anew; called only when the rows change.
    void show(const Graphs& graphs);

    const std::array<QChartView*, 3>& views() const { return views_; }
    QCheckBox* axesFromZero() const { return axesFromZero_; }
    // The three graphs one below the other, as copied and printed.
    QImage picture() const;

private:
    std::array<QChartView*, 3> views_{};
    QCheckBox* axesFromZero_;
    Graphs graphs_;
};
