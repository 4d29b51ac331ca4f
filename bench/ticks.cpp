// What one animation tick and one colour change cost, beside the floor that
// no tick can go below: clearing the picture and laying the beam over it.

#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "app/tagtimer.h"
#include "benchwindow.h"

#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

void Floor(benchmark::State& state)
{
    QImage picture(709, 373, QImage::Format_RGB32);
    QImage beam(709, 373, QImage::Format_RGB32);
    beam.fill(0xFF3CFF00);
    for (auto _ : state) {
        raster::fillRect(picture, 0, 0, 709, 373, 0xFFFFFFFF);
        raster::copyRect(picture, 0, 0, 709, 373, beam, 0, 0, 709, 373, RasterOp::SRCAND);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void FullViewTick(benchmark::State& state)
{
    Tphotofrm& window = benchWindow();
    window.setPosition(window.intensitysb, 10);
    window.photonbtClick();
    window.photons->Tag = 31000;
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
    window.photons->Tag = 5000;
    window.ZoombtClick();
    window.setChecked(window.slowrb, true);
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
        window.setPosition(window.coloursb, position);
    }
    window.FormActivate();
}

} // namespace

BENCHMARK(Floor);
BENCHMARK(FullViewTick);
BENCHMARK(ZoomedTick);
BENCHMARK(ColourChange);
