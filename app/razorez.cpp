#include "razorez.h"

#include "screenreader/announcer.h"
#include "readingbars.h"
#include "spokenchanges.h"
#include "clicksound.h"
#include "core/errors.h"
#include "core/texts.h"
#include "imagecontrol.h"
#include "notebookwindow/notebookwindow.h"
#include "radiogroup.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

namespace {

// The main window is a top-level frame to screen readers, as the notebook's
// is: Orca speaks focus changes only inside an active frame.
QAccessibleInterface* accessibleMainWindow(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<Tphotofrm*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

Tphotofrm::Tphotofrm(const Seams& seams, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , Workbench(seams.decimalSeparator, *seams.printer, seams.copyToClipboard)
    , seams_(seams)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleMainWindow), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(controls.photofrm.name());
    setWindowTitle(controls.photofrm.caption());
    resize(controls.photofrm.geometry().size());
    createPanels();
    createControls();
    createMenus();
    for (Canvas* canvas : {&pictures.colourim, &pictures.intentim, &pictures.tube})
        canvas->setObserver(seams_.drawingObserver);
    mirrorControls();
    followUserInput();
    followActivation();
    placeClientArea();
    announcer_ = new Announcer(this);
    spokenChanges_ = new SpokenChanges(*announcer_, this);
    speakReadingsOf({widgets.retardsb, widgets.coloursb});
    FormCreate();
}

Tphotofrm::~Tphotofrm()
{
    controls.setObserver(nullptr);
}

void Tphotofrm::showNotebookWindow(bool activate)
{
    if (!notebookWindow_) {
        notebookWindow_ = std::make_unique<NotebookWindow>(
            notebook, NotebookWindow::Wiring{widgets.Record1, [this](bool on) { setRecordAsIGo(on); },
                                             [this](const QString& text) {
                                                 seams_.showError(texts::applicationTitle(), text);
                                             }});
        placeBeside(*notebookWindow_);
    }
    notebookWindow_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    notebookWindow_->show();
    notebookWindow_->raise();
    if (activate)
        notebookWindow_->activateWindow();
}

// Right of the main window, or left of it, where the screen has the room;
// otherwise where the window manager puts it.
void Tphotofrm::placeBeside(QWidget& companion) const
{
    if (!seams_.placesWindows || !screen())
        return;
    const QRect room = screen()->availableGeometry();
    const QRect main = outerGeometry();
    const int width = companion.width() + 2 * 8;
    if (main.right() + width <= room.right())
        companion.move(main.right() + 8, main.top());
    else if (main.left() - width >= room.left())
        companion.move(main.left() - width + 8, main.top());
}

void Tphotofrm::ShowNotebook1Click()
{
    showNotebookWindow(true);
}

// A row recorded with the notebook closed opens it beside the main window,
// which keeps the focus: the row is seen, and announced.
void Tphotofrm::Record1Click()
{
    if (!notebookWindow_ || !notebookWindow_->isVisible())
        showNotebookWindow(false);
    Workbench::Record1Click();
}

// A preference, not part of the experiment: kept from one start to the next.
void Tphotofrm::Sound1Click()
{
    Workbench::Sound1Click();
    const bool on = controls.Sound1.isChecked();
    if (seams_.clicks)
        seams_.clicks->setOn(on);
    if (seams_.rememberSound)
        seams_.rememberSound(on);
}

// Nobody watches a minimised window; nor does anybody hear it.
void Tphotofrm::heardTick(int arrivals)
{
    if (seams_.clicks && !isMinimized())
        seams_.clicks->tick(arrivals);
}

// A user's input becomes a change of the control, which runs the handler
// by the controls' rules; every event goes through guarded().
void Tphotofrm::followUserInput()
{
    WindowWidgets& w = widgets;
    for (Button* control : {&controls.BitBtn1, &controls.photonbt, &controls.Zoombt}) {
        auto* button = qobject_cast<QAbstractButton*>(widgetOf(*control));
        connect(button, &QAbstractButton::clicked, this,
                [this, control] { guarded([control] { control->invoke(); }); });
    }
    for (CheckBox* control : {&controls.unknownrb, &controls.slowrb}) {
        auto* box = qobject_cast<QCheckBox*>(widgetOf(*control));
        connect(box, &QCheckBox::toggled, this,
                [this, control](bool checked) { guarded([control, checked] { control->setChecked(checked); }); });
    }
    for (ScrollBar* control : {&controls.retardsb, &controls.intensitysb, &controls.coloursb}) {
        auto* bar = qobject_cast<QScrollBar*>(widgetOf(*control));
        connect(bar, &QScrollBar::valueChanged, this,
                [this, control](int position) { guarded([control, position] { control->setValue(position); }); });
    }
    w.metalused->onItemChosen = [this](int index) {
        guarded([this, index] { controls.metalused.setItemIndex(index); });
    };
    // Typing, pasting and a screen reader's set-text all change the text.
    connect(w.wfeb, &QLineEdit::textChanged, this,
            [this](const QString& text) { guarded([this, text] { controls.wfeb.setText(text); }); });
    w.wfeb->installEventFilter(this);
    installEventFilter(this);

    for (MenuItem* control :
         {&controls.Copy1, &controls.copy2, &controls.Print1, &controls.Print2, &controls.Exit1, &controls.About1,
          &controls.ShowWavelength1, &controls.ShowFrequency1, &controls.ShowEnergyev1, &controls.ShowPhoto,
          &controls.Sound1, &controls.ShowNotebook1, &controls.Record1}) {
        auto* action = qobject_cast<QAction*>(widgetOf(*control));
        connect(action, &QAction::triggered, this, [this, control, action] {
            // A check mark changes only where the handler sets it.
            if (action->isChecked() != control->isChecked()) {
                const QSignalBlocker blocker(action);
                action->setChecked(control->isChecked());
            }
            guarded([control] { control->invoke(); });
        });
    }

    connect(w.photons, &QTimer::timeout, this, [this] { guarded([this] { controls.photons.tick(); }); });
    connect(w.zoomtimer, &QTimer::timeout, this, [this] { guarded([this] { controls.zoomtimer.tick(); }); });
}

bool Tphotofrm::eventFilter(QObject* watched, QEvent* event)
{
    // The box is entered when the focus moves in from another control; the
    // focus that comes back with the window, a menu or the error box is no
    // entry.
    if (watched == widgets.wfeb && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            guarded([this] { controls.wfeb.enter(); });
    }
    // The menu's shortcuts come before the edit box's own Ctrl+C.
    if (watched == widgets.wfeb && event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
        if (key == widgets.Copy1->shortcut()[0] || key == widgets.Print1->shortcut()[0])
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
// window stays the program's active window. The notebook and the dialogs it
// opens are a companion beside it, as another program's windows would be.
bool isProgramWindow(const QWindow* window)
{
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip)
        return false;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window)
            continue;
        if (qobject_cast<const QMessageBox*>(widget))
            return false;
        for (const QWidget* owner = widget; owner; owner = owner->parentWidget())
            if (dynamic_cast<const NotebookWindow*>(owner))
                return false;
        return true;
    }
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

QString Tphotofrm::errorMessage(const std::exception& error)
{
    const auto* appError = dynamic_cast<const AppError*>(&error);
    return appError ? appError->message() : QString::fromLocal8Bit(error.what());
}

void Tphotofrm::reportError(const QString& message)
{
    seams_.showError(texts::applicationTitle(), errorReportText(message));
}

// Repaints what may have changed of the picture; the part that the "Photon
// Properties" box covers is never seen, so it is left out.
void Tphotofrm::afterEvent()
{
    if (QAccessible::isActive() && !closed_)
        tellScreenReader();
    const QRect changed = pictures.tube.takeChanged();
    if (changed.isEmpty())
        return;
    // The settings panel lies over the picture; Qt would repaint it too.
    const QRect panel = widgets.variablepl->geometry().translated(-widgets.tube->pos());
    if (widgets.variablepl->isVisible() && panel.intersects(changed))
        widgets.tube->update(QRegion(changed).subtracted(panel));
    else
        widgets.tube->update(changed);
}

// Only while a screen reader listens: what the picture shows, the bars'
// readings, and what has changed in the experiment.
void Tphotofrm::tellScreenReader()
{
    const QString picture = pictureDescription();
    if (picture != widgets.tube->accessibleDescription())
        widgets.tube->setAccessibleDescription(picture);
    // A focused bar's new reading is said: its change of position is not.
    const auto read = [this](QScrollBar* bar, const QString& reading) {
        if (reading == bar->accessibleDescription())
            return;
        bar->setAccessibleDescription(reading);
        if (bar->hasFocus())
            announcer_->announce(reading);
    };
    read(widgets.retardsb, spokenVoltage(controls.retardsb.value(), locale()));
    read(widgets.coloursb, spokenColour(controls, state, locale()));
    spokenChanges_->follow(shownExperiment(controls, state));
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
    widgets.photons->stop();
    widgets.zoomtimer->stop();
    // Its rows are on disk already: every edit is saved as it is made.
    if (notebookWindow_)
        notebookWindow_->close();
    event->accept();
}

// The client area is what the menu bar leaves of the window.
void Tphotofrm::placeClientArea()
{
    const int menuHeight = widgets.MainMenu1->sizeHint().height();
    widgets.MainMenu1->setGeometry(0, 0, width(), menuHeight);
    widgets.clientArea->setGeometry(0, menuHeight, width(), height() - menuHeight);
}
