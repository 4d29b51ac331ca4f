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
    setOuterSize(frameGeometry().width(), 600);
    setOuterSize(800, 600);
    drawLanes(state);
    controls.tubebt.invoke();
}

void Tphotofrm::FormResize()
{
    const QSize screen = seams_.screenSize();
    const QSize outer = frameGeometry().size();
    moveOuter(frameGeometry().x(), (screen.height() - outer.height()) / 2);
    moveOuter((screen.width() - outer.width()) / 2, frameGeometry().y());
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
    const QSize outer = frameGeometry().size();
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

void Tphotofrm::moveOuter(int left, int top)
{
    if (seams_.placesWindows)
        move(left, top);
}

// The outer size includes the frame that the window manager adds, known
// only once the window is shown.
void Tphotofrm::setOuterSize(int width, int height)
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(width - frame.left() - frame.right(), height - frame.top() - frame.bottom());
}
