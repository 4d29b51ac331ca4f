// Start-up, sizing, activation and closing of the main window.

#include "aboutbox.h"
#include "core/viewmode.h"
#include "razorez.h"

#include <QFrame>
#include <QWindow>

void Tphotofrm::FormCreate()
{
    setStartState(state);
    controls.coloursb.setValue(500);
    setOuterSize(outerGeometry().width(), 600);
    setOuterSize(800, 600);
    drawLanes(state);
    controls.tubebt.invoke();
}

void Tphotofrm::FormResize()
{
    const QSize screen = seams_.screenSize();
    const QSize outer = outerGeometry().size();
    moveOuter(outerGeometry().x(), (screen.height() - outer.height()) / 2);
    moveOuter((screen.width() - outer.width()) / 2, outerGeometry().y());
    QWidget* panel = widgets.photopl;
    const QSize client = widgets.clientArea->size();
    panel->move(panel->x(), (client.height() - panel->height()) / 2);
    panel->move((client.width() - panel->width()) / 2, panel->y());
    setShownScale(state);
    controls.tubebt.invoke();
}

void Tphotofrm::FormActivate()
{
    const QSize screen = seams_.screenSize();
    const QSize outer = outerGeometry().size();
    moveOuter((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
    resetControls(controls);
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
