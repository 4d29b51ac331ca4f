// lumetra-probe: the program itself, started as a user starts it, that sets
// up one view once it is shown and reports what it then costs: ticks and
// repaints per second, CPU, memory and the time from exec to the first
// painted frame.
// Usage: lumetra-probe [SECONDS] [full|zoomed|full-long|zoomed-long|off] [SETTLE_MS]
//   full    light on, full view, intensity 10 (the default)
//   zoomed  light on, zoomed view, "Slower Photoelectrons" checked
//   -long   the same as after the light has been on for minutes, when the
//           electrons fill the tube: the tick counter is moved on
//   full-sound  full, with Options > Sound on; each tick on which an electron
//           reaches the collector is written to stderr as
//           "click-monotonic-ns T", for bench/measure-click-latency
//   sparse-sound  the same at intensity 1, a click every 550 ms
//   off     the light left off

#include "app/imagecontrol.h"
#include "app/program.h"
#include "app/razorez.h"
#include "probe_report.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <string_view>
#include <time.h>

namespace {

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
                firstPaint = probe::realtimeNanoseconds();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    const int measureSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const char* mode = argc > 2 ? argv[2] : "full";
    // The window checks its frame for the first three seconds after it is shown.
    const int settleMs = argc > 3 ? std::atoi(argv[3]) : 3500;
    static PaintCounter painted;
    static int ticks = 0;
    return runProgram(argc, argv, [measureSeconds, mode, settleMs](Tphotofrm& window) {
        WindowWidgets& w = window.widgets;
        w.tube->installEventFilter(&painted);
        for (QTimer* timer : {w.photons, w.zoomtimer})
            QObject::connect(timer, &QTimer::timeout, [] { ++ticks; });
        QTimer::singleShot(500, [&window, mode] {
            const std::string_view view(mode);
            if (view == "off")
                return;
            WindowWidgets& w = window.widgets;
            const bool sparse = view == "sparse-sound";
            w.intensitysb->setValue(sparse ? w.intensitysb->minimum() : w.intensitysb->maximum());
            w.photonbt->click();
            if (view.ends_with("-sound")) {
                window.controls.Sound1.invoke();
                // An electron emitted on tick k (k mod 11 = 1 at intensity
                // 1, k odd at 10) reaches the collector 210 ticks later.
                QObject::connect(w.photons, &QTimer::timeout, [&window, period = sparse ? 11 : 2] {
                    const int tick = window.controls.photons.tag();
                    if (tick > 210 && (tick - 210) % period == 1) {
                        timespec now{};
                        clock_gettime(CLOCK_MONOTONIC, &now);
                        std::fprintf(stderr, "click-monotonic-ns %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                    }
                });
            }
            const bool zoomed = view.starts_with("zoomed");
            if (zoomed) {
                w.Zoombt->click();
                w.slowrb->setChecked(true);
            }
            // The zoomed view follows electrons up to 1000 ticks old.
            if (view.ends_with("-long"))
                window.controls.photons.setTag(zoomed ? 5000 : 30000);
        });
        QTimer::singleShot(500 + settleMs, [measureSeconds] {
            auto* measured = new probe::Window(ticks, painted.paints);
            QTimer::singleShot(measureSeconds * 1000, [measured] {
                measured->report(painted.firstPaint, ticks, painted.paints);
                QCoreApplication::quit();
            });
        });
    });
}
