// The zoomed view of the emitting plate and its animation.

#include "app/imagecontrol.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "app/tagtimer.h"
#include "zoom.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <array>
#include <cmath>

void Tphotofrm::ZoombtClick()
{
    if (Zoombt->Tag == 0) {
        Zoombt->setText(QCoreApplication::translate("Window", "&Zoom Out"));
        intlb->hide();
        intensitysb->hide();
        Zoombt->Tag = 1;
        photons->setEnabled(false);
        slowrb->setEnabled(true);
        zoomtimer->setEnabled(true);
    } else {
        Zoombt->setText(QCoreApplication::translate("Window", "&Zoom In"));
        intlb->show();
        intensitysb->show();
        Zoombt->Tag = 0;
        slowrb->setEnabled(false);
        photons->setEnabled(true);
        zoomtimer->setEnabled(false);
    }
}

void Tphotofrm::zoomtubebtClick()
{
    Canvas& canvas = tube->canvas();
    const int W = tube->width();
    const int H = tube->height();
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clWhite;
    state.colourindex = coloursb->value() + 128;
    state.colourcanvas = &canvas;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(0, 0, W, H);
    colourbtClick();
    const std::array<QPoint, 3> beam = {QPoint(W, 0), QPoint(state.emitterx + 1, 0), QPoint(state.emitterx + 1, H)};
    canvas.Polygon(beam);
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 4;
    canvas.MoveTo(state.emitterx, 0);
    canvas.LineTo(state.emitterx, H);
}

void Tphotofrm::zoomtimerTimer()
{
    // Stretches the lanes, which span the plate, over the whole picture.
    const double f = tube->height() / (state.plateheight * state.scale);
    zoomtubebtClick();
    state.currentflowing = 0;
    Canvas& canvas = tube->canvas();
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    photons->Tag = photons->Tag + 1;
    const int n = photons->Tag;
    const double e = state.photonenergy - state.workfunctions.at(metalused->ItemIndex());
    if (e < 0)
        photons->Tag = 0;

    const int p = retardsb->value();
    const bool slower = slowrb->isChecked();
    const bool drawElectrons = ShowPhoto->isChecked() && ShowPhoto->isEnabled();
    const int d = static_cast<int>(std::trunc(3 * state.scale));
    for (int t = n; t >= 1 && n - t < 1000 && e > 0; --t) {
        canvas.Brush.Color = clBlack;
        if (t % 6 != 3 && slower)
            canvas.Brush.Color = clWhite;
        const ZoomedElectron electron = zoomedElectron(t, n - t, e, p, state.scale, state.emitterx);
        if (state.emitterx <= electron.x && electron.x <= 3 * state.collectorx && drawElectrons) {
            const int lane = state.electronoffsets[t % 97];
            canvas.Ellipse(electron.x, electron.dy + static_cast<int>(std::trunc(f * state.scale * lane)),
                           electron.x + d, electron.dy + static_cast<int>(std::trunc(d + f * state.scale * lane)));
        }
    }
}
