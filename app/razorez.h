#pragma once

#include "seams.h"
#include "workbench.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class Announcer;
class SpokenChanges;
class ImageControl;
class QAbstractButton;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QShortcut;
class QTimer;
class QWindow;
class NotebookWindow;
class RadioGroupBox;
class Taboutboxp;

// The Qt widgets, menu actions and timers that show the controls, each
// named as its control.
struct WindowWidgets
{
    QMenuBar* MainMenu1;
    QWidget* clientArea;
    QFrame* photopl;
    QGroupBox* GroupBox1;
    QPushButton* BitBtn1;
    QFrame* Panel1;
    QFrame* variablepl;
    QGroupBox* GroupBox2;
    QPushButton* colourbt;
    QPushButton* tubebt;
    QPushButton* zoomtubebt;
    ImageControl* colourim;
    ImageControl* intentim;
    ImageControl* tube;
    QLabel* wlb;
    QLabel* flb;
    QLabel* elb;
    QLabel* voltlb;
    QLabel* intlb;
    QLabel* wavelb;
    QScrollBar* retardsb;
    QScrollBar* intensitysb;
    QScrollBar* coloursb;
    QPushButton* photonbt;
    QPushButton* Zoombt;
    QCheckBox* slowrb;
    RadioGroupBox* metalused;
    QCheckBox* unknownrb;
    QLineEdit* wfeb;
    QTimer* photons;
    QTimer* zoomtimer;
    QShortcut* lightKey; // the light button's key: its caption's underlined letter alone
    QMenu* Edit1;
    QAction* Copy1;
    QAction* Print1;
    QAction* N1;
    QAction* Exit1;
    QMenu* Options1;
    QAction* ShowWavelength1;
    QAction* ShowFrequency1;
    QAction* ShowEnergyev1;
    QAction* ShowPhoto;
    QAction* Sound1;
    QMenu* Notebook1;
    QAction* ShowNotebook1;
    QAction* Record1;
    QMenu* Help1;
    QAction* About1;
    QMenu* PopupMenu1;
    QAction* copy2;
    QAction* Print2;
};

// The main window: the experiment of its Workbench shown in Qt widgets. A
// user's input becomes a change of a control, which runs the handler bound
// to it; every change of a control shows on its widget at once.
class Tphotofrm : public QWidget, public Workbench, private ControlObserver
{
public:
    explicit Tphotofrm(const Seams& seams, QWidget* parent = nullptr);
    ~Tphotofrm() override;

    WindowWidgets widgets;
    Taboutboxp* aboutboxp = nullptr;

    // Window life cycle.
    void FormCreate();
    void FormResize();
    void FormActivate();
    void Exit1Click() override;
    void BitBtn1Click() override;
    void About1Click() override;
    void ShowNotebook1Click() override;
    void Record1Click() override;
    void Sound1Click() override;
    void heardTick(int arrivals) override;

    // The notebook's window, once it has been opened.
    NotebookWindow* notebookWindow() const { return notebookWindow_.get(); }

    // Runs an event's handler: an error that escapes it goes to the
    // application's error report, and the program goes on. The window shows
    // what the handler did before the report's box waits for the user, so
    // that neither the picture nor its description lags behind the box.
    template <typename Handler>
    void guarded(Handler handler)
    {
        std::optional<QString> failure;
        try {
            handler();
        } catch (const std::exception& error) {
            failure = errorMessage(error);
        }
        afterEvent();
        if (failure)
            reportError(*failure);
    }

    // The widget, menu action or timer that shows a control.
    QObject* widgetOf(const Control& control) const { return widgetOf_.value(&control); }

    // The picture as a screen reader describes it, from what the window shows.
    QString pictureDescription() const;

    // The window with its frame, as the screen shows it.
    QRect outerGeometry() const;

    // Whether the window has been closed.
    bool closed() const { return closed_; }
    const Seams& seams() const { return seams_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString errorMessage(const std::exception& error);
    void reportError(const QString& message);
    void createPanels();
    void createControls();
    void createMenus();
    void mirrorControls();
    void followUserInput();
    void controlChanged(const Control& control, Property property) override;
    void followActivation();
    void afterEvent();
    void tellScreenReader();
    void setOuterSize(int width, int height);
    void moveOuter(int left, int top);
    QMargins frameMargins() const;
    void firstShown();
    std::vector<QWidget*> keyboardOrder() const;
    void placeClientArea();
    void showNotebookWindow(bool activate);
    void placeBeside(QWidget& companion) const;

    Seams seams_;
    QHash<const Control*, QObject*> widgetOf_;
    bool closed_ = false;
    bool shown_ = false;
    QPointer<QWindow> lastFocusWindow_;
    std::unique_ptr<NotebookWindow> notebookWindow_;
    Announcer* announcer_ = nullptr;
    SpokenChanges* spokenChanges_ = nullptr;
};

// A button whose access key the menu bar owns keeps the underline in its
// caption but answers to no Alt key; `plainKey` answers to the underlined
// letter alone, whichever the caption's language underlines.
void setCaptionWithoutAccessKey(QAbstractButton* button, const QString& caption, QShortcut* plainKey);
