#include "controls.h"

#include "texts.h"

#include <algorithm>

using Property = ControlObserver::Property;

Control::Control(Controls& owner, Kind kind, const char* name, QRect geometry)
    : owner_(owner)
    , kind_(kind)
    , name_(QString::fromLatin1(name))
    , geometry_(geometry)
{
    owner.all_.push_back(this);
}

void Control::changed(Property property) const
{
    if (owner_.observer_)
        owner_.observer_->controlChanged(*this, property);
}

void Control::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed(Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    changed(Property::Enabled);
}

void Control::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    changed(Property::Caption);
}

Button::Button(Controls& owner, const char* name, QRect geometry, const QString& caption)
    : Control(owner, Kind::Button, name, geometry)
{
    setCaption(caption);
}

void Button::invoke() const
{
    if (onClick)
        onClick();
}

CheckBox::CheckBox(Controls& owner, const char* name, QRect geometry, const QString& caption)
    : Control(owner, Kind::CheckBox, name, geometry)
{
    setCaption(caption);
}

void CheckBox::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed(Property::Checked);
    if (onClick)
        onClick();
}

ScrollBar::ScrollBar(Controls& owner, const char* name, QRect geometry, int minimum, int maximum, int position,
                     int singleStep, int pageStep)
    : Control(owner, Kind::ScrollBar, name, geometry)
    , minimum_(minimum)
    , maximum_(maximum)
    , value_(position)
    , singleStep_(singleStep)
    , pageStep_(pageStep)
{
}

void ScrollBar::setValue(int position)
{
    position = std::clamp(position, minimum_, maximum_);
    if (position == value_)
        return;
    value_ = position;
    changed(Property::Position);
    if (onChange)
        onChange();
}

void ScrollBar::setSteps(int singleStep, int pageStep)
{
    if (singleStep == singleStep_ && pageStep == pageStep_)
        return;
    singleStep_ = singleStep;
    pageStep_ = pageStep;
    changed(Property::Steps);
}

RadioGroup::RadioGroup(Controls& owner, const char* name, QRect geometry, const QString& caption,
                       const QStringList& items)
    : Control(owner, Kind::RadioGroup, name, geometry)
    , items_(items)
{
    setCaption(caption);
}

// An index of no item changes nothing: one item stays chosen.
void RadioGroup::setItemIndex(int index)
{
    if (index == itemIndex_ || index < 0 || index >= items_.size())
        return;
    itemIndex_ = index;
    changed(Property::ItemIndex);
}

void RadioGroup::setItem(int index, const QString& caption)
{
    if (items_[index] == caption)
        return;
    items_[index] = caption;
    changed(Property::Items);
}

EditBox::EditBox(Controls& owner, const char* name, QRect geometry, const QString& text)
    : Control(owner, Kind::EditBox, name, geometry)
    , text_(text)
{
}

void EditBox::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    changed(Property::Text);
    if (onChange)
        onChange();
}

void EditBox::enter() const
{
    if (onEnter)
        onEnter();
}

MenuItem::MenuItem(Controls& owner, const char* name, const QString& caption, bool checkable)
    : Control(owner, Kind::MenuItem, name)
    , checkable_(checkable)
    , checked_(checkable)
{
    setCaption(caption);
}

void MenuItem::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed(Property::Checked);
}

void MenuItem::invoke() const
{
    if (onClick)
        onClick();
}

Timer::Timer(Controls& owner, const char* name, int interval)
    : Control(owner, Kind::Timer, name)
    , interval_(interval)
{
    setEnabled(false);
}

void Timer::tick() const
{
    if (onTimer)
        onTimer();
}

namespace {

constexpr QRect hiddenButtonAt(int left)
{
    return QRect(left, 0, 89, 17);
}

constexpr QRect scrollBarAt(int left, int top)
{
    return QRect(left, top, 121, 17);
}

constexpr QRect labelAt(int left, int top)
{
    return QRect(left, top, 0, 0);
}

// Every picture fills the client area of the panel that frames it.
constexpr QRect pictureArea(14, 14, 709, 373);

} // namespace

Controls::Controls()
    : photofrm(*this, Control::Kind::Window, "photofrm", QRect(0, 0, 800, 554))
    , photopl(*this, Control::Kind::Panel, "photopl", QRect(0, 0, 801, 561))
    , colourbt(*this, "colourbt", hiddenButtonAt(8), QStringLiteral("colourbt"))
    , tubebt(*this, "tubebt", hiddenButtonAt(112), QStringLiteral("tubebt"))
    , GroupBox1(*this, Control::Kind::GroupBox, "GroupBox1", QRect(8, 412, 785, 137))
    , BitBtn1(*this, "BitBtn1", QRect(727, 487, 57, 57))
    , Panel1(*this, Control::Kind::Panel, "Panel1", QRect(32, 8, 737, 401))
    , zoomtubebt(*this, "zoomtubebt", hiddenButtonAt(328), QStringLiteral("zoomtubebt"))
    , colourim(*this, Control::Kind::Image, "colourim", pictureArea)
    , intentim(*this, Control::Kind::Image, "intentim", pictureArea)
    , tube(*this, Control::Kind::Image, "tube", pictureArea)
    , variablepl(*this, Control::Kind::Panel, "variablepl", QRect(576, 160, 137, 81))
    , GroupBox2(*this, Control::Kind::GroupBox, "GroupBox2", QRect(0, 0, 137, 81))
    , wlb(*this, Control::Kind::Label, "wlb", labelAt(10, 16))
    , flb(*this, Control::Kind::Label, "flb", labelAt(10, 36))
    , elb(*this, Control::Kind::Label, "elb", labelAt(10, 56))
    , voltlb(*this, Control::Kind::Label, "voltlb", labelAt(27, 20))
    , intlb(*this, Control::Kind::Label, "intlb", labelAt(58, 81))
    , wavelb(*this, Control::Kind::Label, "wavelb", labelAt(198, 81))
    , retardsb(*this, "retardsb", scrollBarAt(24, 48), 0, 3000, 0, 1, 20)
    , intensitysb(*this, "intensitysb", scrollBarAt(24, 104), 1, 10, 5, 1, 1)
    , coloursb(*this, "coloursb", scrollBarAt(186, 104), 0, 1279, 0, 1, 32)
    , photonbt(*this, "photonbt", QRect(202, 28, 89, 33), texts::lightOn())
    , Zoombt(*this, "Zoombt", QRect(360, 28, 89, 33), texts::zoomIn())
    // A few pixels wider than the classic layout, so that the caption is not
    // cut short by this platform's wider check mark; nothing lies beside it.
    , slowrb(*this, "slowrb", QRect(336, 76, 161, 17), texts::slowerPhotoelectrons())
    , metalused(*this, "metalused", QRect(512, 32, 193, 89), texts::metal(), texts::knownMetalCaptions())
    , unknownrb(*this, "unknownrb", QRect(568, 32, 129, 17), texts::unknownMetals())
    , wfeb(*this, "wfeb", QRect(641, 89, 49, 24), QStringLiteral("1"))
    , photons(*this, "photons", 50)
    , zoomtimer(*this, "zoomtimer", 50)
    , MainMenu1(*this, Control::Kind::Menu, "MainMenu1")
    , Edit1(*this, "Edit1", texts::fileMenu())
    , Copy1(*this, "Copy1", texts::copy())
    , Print1(*this, "Print1", texts::print())
    , N1(*this, "N1", QString())
    , Exit1(*this, "Exit1", texts::exit())
    , Options1(*this, "Options1", texts::optionsMenu())
    , ShowWavelength1(*this, "ShowWavelength1", texts::showWavelength(), true)
    , ShowFrequency1(*this, "ShowFrequency1", texts::showFrequency(), true)
    , ShowEnergyev1(*this, "ShowEnergyev1", texts::showEnergy(), true)
    , ShowPhoto(*this, "ShowPhoto", texts::showPhotoelectrons(), true)
    , Sound1(*this, "Sound1", texts::sound(), true)
    , Notebook1(*this, "Notebook1", texts::notebookMenu())
    , ShowNotebook1(*this, "ShowNotebook1", texts::showNotebook())
    , Record1(*this, "Record1", texts::recordMeasurement())
    , Help1(*this, "Help1", texts::helpMenu())
    , About1(*this, "About1", texts::about())
    , PopupMenu1(*this, Control::Kind::Menu, "PopupMenu1")
    , copy2(*this, "copy2", texts::copy())
    , Print2(*this, "Print2", texts::print())
{
    photofrm.setCaption(texts::applicationTitle());
    GroupBox1.setCaption(texts::controlsGroup());
    GroupBox2.setCaption(texts::photonProperties());
    wlb.setCaption(QStringLiteral("wlb"));
    flb.setCaption(QStringLiteral("flb"));
    elb.setCaption(QStringLiteral("elb"));
    voltlb.setCaption(texts::retardingVoltage());
    intlb.setCaption(texts::intensity());
    wavelb.setCaption(texts::photonEnergy());
    for (Control* hidden : {static_cast<Control*>(&colourbt), static_cast<Control*>(&tubebt),
                            static_cast<Control*>(&zoomtubebt), &colourim, &intentim, static_cast<Control*>(&wfeb)})
        hidden->hide();
    Zoombt.setEnabled(false);
    slowrb.setEnabled(false);
    Record1.setEnabled(false);
    Sound1.setChecked(false);
    metalused.setItemIndex(0);
}

Control* Controls::find(const QString& name) const
{
    const auto found = std::find_if(all_.begin(), all_.end(),
                                    [&](const Control* control) { return control->name() == name; });
    return found == all_.end() ? nullptr : *found;
}
