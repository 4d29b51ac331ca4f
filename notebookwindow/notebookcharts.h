#pragma once

#include "notebook/graphs.h"

#include <QImage>
#include <QTabWidget>
#include <array>

class QChartView;

// The notebook's three graphs, one a tab, drawn with Qt Charts from the
// graphs' series: stopping voltage against frequency with each known
// metal's line, photocurrent against voltage, photocurrent against
// intensity. Each view has an accessible name and a description in words.
class NotebookCharts : public QTabWidget
{
public:
    explicit NotebookCharts(QWidget* parent = nullptr);

    // Draws the graphs anew; called only when the rows change.
    void show(const Graphs& graphs);

    const std::array<QChartView*, 3>& views() const { return views_; }
    // The three graphs one below the other, as copied and printed.
    QImage picture() const;

private:
    std::array<QChartView*, 3> views_{};
};
