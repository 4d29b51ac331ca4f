// lumetra-bare-repaint: the baseline for the whole program's CPU. A plain
// widget that draws a ready picture of the apparatus's size in paintEvent and
// asks for that rectangle to be repainted every 50 ms, and does nothing else.
// Usage: lumetra-bare-repaint [SECONDS] [SETTLE_MS]

#include "probe_report.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareRepaint : public QWidget
{
public:
    int paints = 0;
    long long firstPaint = 0;
    const QImage picture;

    explicit BareRepaint(const QImage& ready)
        : picture(ready)
    {
        resize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (paints++ == 0)
            firstPaint = probe::realtimeNanoseconds();
        QPainter painter(this);
        painter.drawImage(0, 0, picture);
    }
};

// Something of the picture's kind: a white field with a dark band.
QImage readyPicture()
{
    QImage image(709, 373, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(40, 60, 600, 120, QColor(0x20, 0x20, 0x80));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int measureSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const int settleMs = argc > 2 ? std::atoi(argv[2]) : 3500;
    BareRepaint widget(readyPicture());
    int ticks = 0;
    QTimer timer;
    timer.setInterval(50);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &widget, [&] {
        ++ticks;
        widget.update(widget.picture.rect());
    });
    widget.show();
    timer.start();
    QTimer::singleShot(settleMs, [&] {
        auto* window = new probe::Window(ticks, widget.paints);
        QTimer::singleShot(measureSeconds * 1000, [&, window] {
            window->report(widget.firstPaint, ticks, widget.paints);
            QCoreApplication::quit();
        });
    });
    return application.exec();
}
