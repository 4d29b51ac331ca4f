#pragma once

#include "model/experiment.h"
#include "seams.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <vector>

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
class QScrollBar;
class QShortcut;
class RadioGroup;
class Taboutboxp;
class TagButton;
class TagTimer;
class QWindow;

// The main window: every control, menu item, timer and picture of the
// experiment, and one method per event handler. Each handler is defined in
// the folder of the subsystem that owns it.
class Tphotofrm : public QWidget
{
public:
    explicit Tphotofrm(const Seams& seams, QWidget* parent = nullptr);
    ~Tphotofrm() override;

    // The shared experiment state.
    Experiment state;

    // Window and panels.
    QMenuBar* MainMenu1;
    QWidget* clientArea;
    QFrame* photopl;
    QGroupBox* GroupBox1;
    TagButton* BitBtn1;
    QFrame* Panel1;
    QFrame* variablepl;
    QGroupBox* GroupBox2;
    TagButton* colourbt;
    TagButton* tubebt;
    TagButton* zoomtubebt;

    // Pictures.
    ImageControl* colourim;
    ImageControl* intentim;
    ImageControl* tube;

    // Photon properties.
    QLabel* wlb;
    QLabel* flb;
    QLabel* elb;

    // Controls.
    QLabel* voltlb;
    QLabel* intlb;
    QLabel* wavelb;
    QScrollBar* retardsb;
    QScrollBar* intensitysb;
    QScrollBar* coloursb;
    TagButton* photonbt;
    TagButton* Zoombt;
    QCheckBox* slowrb;
    RadioGroup* metalused;
    QCheckBox* unknownrb;
    QLineEdit* wfeb;
    QShortcut* lightKey; // the light button's key: its caption's underlined letter alone

    // Timers.
    TagTimer* photons;
    TagTimer* zoomtimer;

    // Menus.
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
    QMenu* Help1;
    QAction* About1;
    QMenu* PopupMenu1;
    QAction* copy2;
    QAction* Print2;

    Taboutboxp* aboutboxp = nullptr;

    // Window life cycle.
    void FormCreate();
    void FormResize();
    void FormActivate();
    void Exit1Click();
    void BitBtn1Click();
    void About1Click();

    // Apparatus and animation.
    void tubebtClick();
    void photonbtClick();
    void photonsTimer();

    // Light and controls.
    void colourbtClick();
    void coloursbChange();
    void retardsbChange();
    void intensitysbChange();
    void ShowWavelength1Click();
    void ShowFrequency1Click();
    void ShowEnergyev1Click();
    void ShowPhotoClick();

    // Zoomed view.
    void ZoombtClick();
    void zoomtubebtClick();
    void zoomtimerTimer();

    // Unknown metals.
    void unknownrbClick();
    void wfebChange();
    void wfebEnter();

    // Copy and print.
    void Copy1Click();
    void Print1Click();

    // Changes made by the program's own code. A handler runs, nested, only
    // when the value really changes: a scroll bar's clamped position, a
    // check box's state, an edit box's text.
    void setPosition(QScrollBar* bar, int position);
    void setChecked(QCheckBox* box, bool checked);
    void setText(QLineEdit* edit, const QString& text);

    // Runs a button's, check box's or menu item's click handler as the
    // program's own code does, even where the control is hidden or
    // disabled. False where the control has none.
    bool invokeClick(QObject* control);

    // Runs an event's handler: an error that escapes it goes to the
    // application's error report, and the program goes on.
    template <typename Handler>
    void guarded(Handler handler)
    {
        try {
            handler();
        } catch (const std::exception& error) {
            reportError(error);
        }
        afterEvent();
    }
    void reportError(const std::exception& error);

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
    using Handler = void (Tphotofrm::*)();

    void createPanels();
    void createControls();
    void createMenus();
    void bindHandlers();
    void followActivation();
    void afterEvent();
    void setOuterSize(int width, int height);
    void moveOuter(int left, int top);
    QMargins frameMargins() const;
    void firstShown();
    std::vector<QWidget*> keyboardOrder() const;
    void placeClientArea();
    void paintBeamQuadrilateral(ImageControl* image);
    void rebuildBeam();
    void writePhotonProperties();
    QString knownCaption(int metal) const;

    Seams seams_;
    QHash<QObject*, Handler> changeHandlers_;
    QHash<QObject*, Handler> clickHandlers_;
    bool closed_ = false;
    bool shown_ = false;
    QPointer<QWindow> lastFocusWindow_;
};

// Buttons whose access key the menu bar owns keep the underline in their
// caption but answer to no Alt key; `plainKey`, where given, answers to the
// underlined letter alone, whichever the caption's language underlines.
void dropAccessKey(QAbstractButton* button);
void setCaptionWithoutAccessKey(QAbstractButton* button, const QString& caption, QShortcut* plainKey = nullptr);
