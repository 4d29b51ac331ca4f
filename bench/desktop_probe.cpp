// lumetra-probe: the program itself, started as a user starts it, that
// switches the light on once it is shown and reports what the animation
// costs: ticks and repaints per second, CPU, memory and the time from exec
// to the first painted frame.

#include "app/imagecontrol.h"
#include "app/program.h"
#include "app/razorez.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long long realtimeNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Counts paint events of a widget and notes the time of the first.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    long long firstPaint = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (paints++ == 0)
                firstPaint = realtimeNanoseconds();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const int measureSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    static PaintCounter painted;
    static int ticks = 0;
    return runProgram(argc, argv, [measureSeconds](Tphotofrm& window) {
        window.widgets.tube->installEventFilter(&painted);
        QObject::connect(window.widgets.photons, &QTimer::timeout, [] { ++ticks; });
        // Light on once the first frame is up, then a second to settle.
        QTimer::singleShot(500, [&window, measureSeconds] {
            window.widgets.photonbt->click();
            QTimer::singleShot(1000, [measureSeconds] {
                const double cpuStart = cpuSeconds();
                const int ticksStart = ticks;
                const int paintsStart = painted.paints;
                const long long wallStart = realtimeNanoseconds();
                QTimer::singleShot(measureSeconds * 1000, [=] {
                    const double wall = (realtimeNanoseconds() - wallStart) / 1e9;
                    std::printf("first-paint-realtime-ns %lld\n", painted.firstPaint);
                    std::printf("ticks-per-second %.2f\n", (ticks - ticksStart) / wall);
                    std::printf("paints-per-second %.2f\n", (painted.paints - paintsStart) / wall);
                    std::printf("cpu-percent %.2f\n", 100 * (cpuSeconds() - cpuStart) / wall);
                    std::printf("peak-resident-kib %ld\n", peakResidentKiB());
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
        });
    });
}
