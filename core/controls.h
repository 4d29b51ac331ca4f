#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Control;
class Controls;

// Told of every change of a control's state, right after it is made: the
// window mirrors each change on its widget.
class ControlObserver
{
public:
    enum class Property { Visible, Enabled, Caption, Position, Steps, Checked, ItemIndex, Items, Text };

    virtual ~ControlObserver() = default;
    virtual void controlChanged(const Control& control, Property property) = 0;
};

// A handler bound to a control's event. Handlers run nested in whoever
// triggers them; an error they raise goes back to that caller.
using Handler = std::function<void()>;

// A control of the main window as plain data: its name, its position in its
// parent, whether it is shown and whether it takes input. Visible is the
// control's own flag, as the program set it, whatever its parents show.
class Control
{
public:
    enum class Kind {
        Window,
        Panel,
        GroupBox,
        Label,
        Button,
        CheckBox,
        ScrollBar,
        RadioGroup,
        EditBox,
        Image,
        Menu,
        MenuItem,
        Timer
    };

    Control(Controls& owner, Kind kind, const char* name, QRect geometry = {});
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    const QRect& geometry() const { return geometry_; }
    int x() const { return geometry_.x(); }
    int y() const { return geometry_.y(); }
    int width() const { return geometry_.width(); }
    int height() const { return geometry_.height(); }

    bool isVisible() const { return visible_; }
    bool isHidden() const { return !visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void changed(ControlObserver::Property property) const;

private:
    Controls& owner_;
    Kind kind_;
    QString name_;
    QRect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    QString caption_;
};

// A push button, the program's hidden ones included. Invoking it runs its
// click handler, hidden or disabled.
class Button : public Control
{
public:
    Button(Controls& owner, const char* name, QRect geometry, const QString& caption = {});

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    Handler onClick;
    void invoke() const;

private:
    int tag_ = 0;
};

// A check box: its click handler runs whenever its state changes, by the
// user's click or by the program.
class CheckBox : public Control
{
public:
    CheckBox(Controls& owner, const char* name, QRect geometry, const QString& caption);

    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

    Handler onClick;

private:
    bool checked_ = false;
};

// A horizontal scroll bar: its change handler runs whenever its position,
// clamped to the range, changes.
class ScrollBar : public Control
{
public:
    ScrollBar(Controls& owner, const char* name, QRect geometry, int minimum, int maximum, int position, int singleStep,
              int pageStep);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int singleStep() const { return singleStep_; }
    int pageStep() const { return pageStep_; }
    void setValue(int position);
    void setSteps(int singleStep, int pageStep);

    Handler onChange;

private:
    int minimum_;
    int maximum_;
    int value_;
    int singleStep_;
    int pageStep_;
};

// A captioned group of radio items; choosing one changes only the index.
class RadioGroup : public Control
{
public:
    RadioGroup(Controls& owner, const char* name, QRect geometry, const QString& caption, const QStringList& items);

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    const QStringList& items() const { return items_; }
    void setItem(int index, const QString& caption);

private:
    QStringList items_;
    int itemIndex_ = -1;
};

// A single-line edit box: its change handler runs whenever its text
// changes, its enter handler whenever it takes the keyboard focus.
class EditBox : public Control
{
public:
    EditBox(Controls& owner, const char* name, QRect geometry, const QString& text);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void enter() const;

    Handler onChange;
    Handler onEnter;

private:
    QString text_;
};

// An item of the main or the pop-up menu. Its check mark changes only where
// the program sets it.
class MenuItem : public Control
{
public:
    MenuItem(Controls& owner, const char* name, const QString& caption, bool checkable = false);

    bool isCheckable() const { return checkable_; }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

    Handler onClick;
    void invoke() const;

private:
    bool checkable_;
    bool checked_;
};

// A timer that ticks while enabled (and only then) and carries a number for the program's
// own use.
class Timer : public Control
{
public:
    Timer(Controls& owner, const char* name, int interval);

    int interval() const { return interval_; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    Handler onTimer;
    void tick() const;

private:
    int interval_;
    int tag_ = 0;
};

// Every control, menu item and timer of the main window, under its name,
// at its design position and in its start state.
class Controls
{
    // First, so that they exist when the controls register.
    friend class Control;
    std::vector<Control*> all_;
    ControlObserver* observer_ = nullptr;

public:
    Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    // The window and its panels.
    Control photofrm;
    Control photopl;
    Button colourbt;
    Button tubebt;
    Control GroupBox1;
    Button BitBtn1;
    Control Panel1;
    Button zoomtubebt;
    Control colourim;
    Control intentim;
    Control tube;
    Control variablepl;
    Control GroupBox2;
    Control wlb;
    Control flb;
    Control elb;

    // The user's controls.
    Control voltlb;
    Control intlb;
    Control wavelb;
    ScrollBar retardsb;
    ScrollBar intensitysb;
    ScrollBar coloursb;
    Button photonbt;
    Button Zoombt;
    CheckBox slowrb;
    RadioGroup metalused;
    CheckBox unknownrb;
    EditBox wfeb;

    Timer photons;
    Timer zoomtimer;

    // The menus.
    Control MainMenu1;
    MenuItem Edit1;
    MenuItem Copy1;
    MenuItem Print1;
    MenuItem N1;
    MenuItem Exit1;
    MenuItem Options1;
    MenuItem ShowWavelength1;
    MenuItem ShowFrequency1;
    MenuItem ShowEnergyev1;
    MenuItem ShowPhoto;
    MenuItem Sound1; // a preference, kept across starts: activation leaves it as it is
    MenuItem Notebook1;
    MenuItem ShowNotebook1;
    MenuItem Record1; // in use while the meter is in the picture: the light on, the full view
    MenuItem Help1;
    MenuItem About1;
    Control PopupMenu1;
    MenuItem copy2;
    MenuItem Print2;

    // The control of that name, or none.
    Control* find(const QString& name) const;
    const std::vector<Control*>& all() const { return all_; }

    void setObserver(ControlObserver* observer) { observer_ = observer; }
};
