// What one animation tick and one colour change cost, beside the floor that
// no tick can go below: clearing the picture and laying the beam over it.

#include "app/razorez.h"
#include "benchwindow.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

// Plain loops, independent of the program's drawing code: fill the picture
// white, then AND a second picture of the same size over it.
void Floor(benchmark::State& state)
{
    QImage picture(709, 373, QImage::Format_RGB32);
    QImage beam(709, 373, QImage::Format_RGB32);
    beam.fill(0xFF3CFF00);
    const qsizetype count = picture.width() * picture.height();
    for (auto _ : state) {
        QRgb* to = reinterpret_cast<QRgb*>(picture.bits());
        const QRgb* from = reinterpret_cast<const QRgb*>(beam.constBits());
        std::fill(to, to + count, 0xFFFFFFFFu);
        for (qsizetype i = 0; i < count; ++i)
            to[i] &= from[i];
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void FullViewTick(benchmark::State& state)
{
    Tphotofrm& window = benchWindow();
    window.controls.intensitysb.setValue(10);
    window.photonbtClick();
    window.controls.photons.setTag(31000);
    for (int i = 0; i < 500; ++i)
        window.photonsTimer();
    for (auto _ : state)
        window.photonsTimer();
    window.FormActivate();
}

void ZoomedTick(benchmark::State& state)
{
    Tphotofrm& window = benchWindow();
    window.photonbtClick();
    window.controls.photons.setTag(5000);
    window.ZoombtClick();
    window.controls.slowrb.setChecked(true);
    for (auto _ : state)
        window.zoomtimerTimer();
    window.FormActivate();
}

void ColourChange(benchmark::State& state)
{
    Tphotofrm& window = benchWindow();
    int position = 700;
    for (auto _ : state) {
        position = position == 700 ? 701 : 700;
        window.controls.coloursb.setValue(position);
    }
    window.FormActivate();
}

} // namespace

BENCHMARK(Floor);
BENCHMARK(FullViewTick);
BENCHMARK(ZoomedTick);
BENCHMARK(ColourChange);
