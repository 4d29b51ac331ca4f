// Start-up, sizing, activation and closing of the main window.

#include "aboutbox.h"
#include "razorez.h"
#include "tagbutton.h"
#include "tagtimer.h"

#include <QCheckBox>
#include <QFrame>
#include <QScrollBar>
#include <QWindow>
#include <cmath>

void Tphotofrm::FormCreate()
{
    state.scale = 1.0;
    state.currentflowing = 0;
    state.workfunctions = knownWorkFunctions;
    state.emitterx = 40;
    state.platetop = 45;
    state.plateheight = 100;
    state.collectorx = state.emitterx + 195;
    setPosition(coloursb, 500);
    setOuterSize(outerGeometry().width(), 600);
    setOuterSize(800, 600);
    LaneGenerator lanes;
    for (int& lane : state.electronoffsets)
        lane = lanes.random(state.plateheight - 10) + 5;
    tubebtClick();
}

void Tphotofrm::FormResize()
{
    const QSize screen = seams_.screenSize();
    const QSize outer = outerGeometry().size();
    moveOuter(outerGeometry().x(), (screen.height() - outer.height()) / 2);
    moveOuter((screen.width() - outer.width()) / 2, outerGeometry().y());
    const QSize client = clientArea->size();
    photopl->move(photopl->x(), (client.height() - photopl->height()) / 2);
    photopl->move((client.width() - photopl->width()) / 2, photopl->y());
    state.scale = 2.5;
    state.collectorx = static_cast<int>(std::trunc(state.scale * 195.0)) + state.emitterx;
    tubebtClick();
}

void Tphotofrm::FormActivate()
{
    const QSize screen = seams_.screenSize();
    const QSize outer = outerGeometry().size();
    moveOuter((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
    setPosition(retardsb, 0);
    setPosition(intensitysb, 5);
    setPosition(coloursb, 700);
    setChecked(unknownrb, false);
    setChecked(slowrb, false);
    if (zoomtimer->Enabled())
        ZoombtClick();
    if (photons->Enabled())
        photonbtClick();
}

void Tphotofrm::Exit1Click()
{
    close();
}

void Tphotofrm::BitBtn1Click()
{
    close();
}

void Tphotofrm::About1Click()
{
    seams_.runModal(*aboutboxp);
    // Without a window manager nothing hands the focus back after a modal
    // dialog; taking it runs the activation handler.
    if (seams_.placesWindows)
        activateWindow();
}

// The frame as the platform reports it now: a window manager may report it
// late, and Qt's own idea of it may then be stale.
QMargins Tphotofrm::frameMargins() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

QRect Tphotofrm::outerGeometry() const
{
    return geometry().marginsAdded(frameMargins());
}

// Places the outer frame's top-left corner, by placing the client area
// inside it.
void Tphotofrm::moveOuter(int left, int top)
{
    if (!seams_.placesWindows)
        return;
    const QMargins frame = frameMargins();
    move(QPoint(left + frame.left(), top + frame.top()) + pos() - geometry().topLeft());
}

// The outer size includes the frame that the window manager adds, known
// only once the window is shown.
void Tphotofrm::setOuterSize(int width, int height)
{
    const QMargins frame = frameMargins();
    setFixedSize(width - frame.left() - frame.right(), height - frame.top() - frame.bottom());
}
