#include "razorez.h"

#include "aboutbox.h"
#include "errorreport.h"
#include "imagecontrol.h"
#include "tagbutton.h"
#include "tagtimer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QFrame>
#include <QMenuBar>
#include <QRegion>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

Tphotofrm::Tphotofrm(const Seams& seams, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , seams_(seams)
{
    setObjectName(QStringLiteral("photofrm"));
    setWindowTitle(QCoreApplication::translate("Window", "Lumetra Photoelectric Effect"));
    resize(800, 554);
    createPanels();
    createControls();
    createMenus();
    for (ImageControl* image : {colourim, intentim, tube})
        image->canvas().setObserver(seams_.drawingObserver);
    bindHandlers();
    followActivation();
    placeClientArea();
    FormCreate();
}

Tphotofrm::~Tphotofrm() = default;

// Every event reaches its handler through guarded(); programmatic changes
// call handlers directly, so an error unwinds only through the program's
// own frames.
void Tphotofrm::bindHandlers()
{
    const auto onClick = [this](QAbstractButton* button, Handler handler) {
        clickHandlers_.insert(button, handler);
        connect(button, &QAbstractButton::clicked, this, [this, handler] { guarded([=, this] { (this->*handler)(); }); });
    };
    onClick(BitBtn1, &Tphotofrm::BitBtn1Click);
    onClick(colourbt, &Tphotofrm::colourbtClick);
    onClick(tubebt, &Tphotofrm::tubebtClick);
    onClick(zoomtubebt, &Tphotofrm::zoomtubebtClick);
    onClick(photonbt, &Tphotofrm::photonbtClick);
    onClick(Zoombt, &Tphotofrm::ZoombtClick);
    // A check box's handler follows its state, whichever way it changes: a
    // click, Space, its access key or a screen reader's toggle action.
    clickHandlers_.insert(unknownrb, &Tphotofrm::unknownrbClick);
    changeHandlers_.insert(unknownrb, &Tphotofrm::unknownrbClick);
    connect(unknownrb, &QCheckBox::toggled, this, [this] { guarded([this] { unknownrbClick(); }); });

    const auto onChange = [this](QScrollBar* bar, Handler handler) {
        changeHandlers_.insert(bar, handler);
        connect(bar, &QScrollBar::valueChanged, this, [this, handler] { guarded([=, this] { (this->*handler)(); }); });
    };
    onChange(retardsb, &Tphotofrm::retardsbChange);
    onChange(intensitysb, &Tphotofrm::intensitysbChange);
    onChange(coloursb, &Tphotofrm::coloursbChange);

    changeHandlers_.insert(wfeb, &Tphotofrm::wfebChange);
    // Typing, pasting and a screen reader's set-text all change the text.
    connect(wfeb, &QLineEdit::textChanged, this, [this] { guarded([this] { wfebChange(); }); });
    wfeb->installEventFilter(this);
    installEventFilter(this);

    const auto onMenu = [this](QAction* action, Handler handler) {
        clickHandlers_.insert(action, handler);
        connect(action, &QAction::triggered, this, [this, action, handler] {
            // A check mark changes only where the handler sets it.
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            guarded([=, this] { (this->*handler)(); });
        });
    };
    onMenu(Copy1, &Tphotofrm::Copy1Click);
    onMenu(copy2, &Tphotofrm::Copy1Click);
    onMenu(Print1, &Tphotofrm::Print1Click);
    onMenu(Print2, &Tphotofrm::Print1Click);
    onMenu(Exit1, &Tphotofrm::Exit1Click);
    onMenu(About1, &Tphotofrm::About1Click);
    onMenu(ShowWavelength1, &Tphotofrm::ShowWavelength1Click);
    onMenu(ShowFrequency1, &Tphotofrm::ShowFrequency1Click);
    onMenu(ShowEnergyev1, &Tphotofrm::ShowEnergyev1Click);
    onMenu(ShowPhoto, &Tphotofrm::ShowPhotoClick);

    connect(photons, &QTimer::timeout, this, [this] { guarded([this] { photonsTimer(); }); });
    connect(zoomtimer, &QTimer::timeout, this, [this] { guarded([this] { zoomtimerTimer(); }); });
}

bool Tphotofrm::eventFilter(QObject* watched, QEvent* event)
{
    // The box is entered when the focus moves in from another control; the
    // focus that comes back with the window, a menu or the error box is no
    // entry.
    if (watched == wfeb && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && reason != Qt::MenuBarFocusReason)
            guarded([this] { wfebEnter(); });
    }
    // The menu's shortcuts come before the edit box's own Ctrl+C.
    if (watched == wfeb && event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
        if (key == Copy1->shortcut()[0] || key == Print1->shortcut()[0])
            return true;
    }
    // The frame's margins are known only once the window is shown, and under
    // a window manager only once it has framed the window, which it reports
    // as a move: the outer size of 800 x 600 is made good then, and the size
    // handler runs again for the change.
    if (watched == this && (event->type() == QEvent::Show || event->type() == QEvent::Move) && isVisible())
        setOuterSize(800, 600);
    if (watched == this && event->type() == QEvent::Show && !shown_)
        firstShown();
    return QWidget::eventFilter(watched, event);
}

namespace {

// Menus, tool tips and the error report's message box take the focus for a
// moment without being windows of their own: while they have it the main
// window stays the program's active window.
bool isProgramWindow(const QWindow* window)
{
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip)
        return false;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window)
            return !qobject_cast<const QMessageBox*>(widget);
    return true;
}

} // namespace

// The window becomes the program's active window when it is first shown and
// whenever it takes the focus back from another window of the program; a
// return from another program (reported as no focus window) does not count.
void Tphotofrm::followActivation()
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        const QWindow* previous = lastFocusWindow_;
        if (focus && isProgramWindow(focus))
            lastFocusWindow_ = focus;
        if (focus && focus == windowHandle() && previous != focus)
            guarded([this] { FormActivate(); });
    });
}

// The first shown state is the activated one, whether or not the window
// manager hands the new window the focus. A window manager may report the
// frame only some time after it has mapped the window, without a move:
// the outer size is made good again for a few seconds.
void Tphotofrm::firstShown()
{
    shown_ = true;
    if (lastFocusWindow_ != windowHandle()) {
        lastFocusWindow_ = windowHandle();
        guarded([this] { FormActivate(); });
    }
    auto* frameWatch = new QTimer(this);
    frameWatch->setInterval(100);
    connect(frameWatch, &QTimer::timeout, this, [this, frameWatch, checks = 0]() mutable {
        setOuterSize(800, 600);
        if (++checks == 30)
            frameWatch->deleteLater();
    });
    frameWatch->start();
}

bool Tphotofrm::invokeClick(QObject* control)
{
    const Handler handler = clickHandlers_.value(control);
    if (handler)
        (this->*handler)();
    return handler != nullptr;
}

void Tphotofrm::setPosition(QScrollBar* bar, int position)
{
    position = std::clamp(position, bar->minimum(), bar->maximum());
    if (position == bar->value())
        return;
    {
        const QSignalBlocker blocker(bar);
        bar->setValue(position);
    }
    (this->*changeHandlers_.value(bar))();
}

void Tphotofrm::setChecked(QCheckBox* box, bool checked)
{
    if (box->isChecked() == checked)
        return;
    {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
    if (const Handler handler = changeHandlers_.value(box))
        (this->*handler)();
}

void Tphotofrm::setText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
    if (const Handler handler = changeHandlers_.value(edit))
        (this->*handler)();
}

void Tphotofrm::reportError(const std::exception& error)
{
    const auto* appError = dynamic_cast<const AppError*>(&error);
    const QString message = appError ? appError->message() : QString::fromLocal8Bit(error.what());
    seams_.showError(QCoreApplication::translate("Window", "Lumetra Photoelectric Effect"), errorReportText(message));
}

// Repaints what may have changed of the picture; the part that the "Photon
// Properties" box covers is never seen, so it is left out.
void Tphotofrm::afterEvent()
{
    // Only while a screen reader listens: a change of the text is announced.
    if (QAccessible::isActive() && !closed_) {
        const QString description = pictureDescription();
        if (description != tube->accessibleDescription())
            tube->setAccessibleDescription(description);
    }
    const std::vector<QRect> changed = tube->canvas().takeChanged();
    if (changed.empty())
        return;
    QRegion region;
    region.setRects(changed.data(), static_cast<int>(changed.size()));
    tube->update(region.subtracted(variablepl->geometry().translated(-tube->pos())));
}

void Tphotofrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeClientArea();
    guarded([this] { FormResize(); });
}

void Tphotofrm::closeEvent(QCloseEvent* event)
{
    closed_ = true;
    photons->stop();
    zoomtimer->stop();
    event->accept();
}

// The client area is what the menu bar leaves of the window.
void Tphotofrm::placeClientArea()
{
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), menuHeight);
    clientArea->setGeometry(0, menuHeight, width(), height() - menuHeight);
}
