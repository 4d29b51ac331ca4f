// The widgets mirror the controls: every change of a control shows on its
// widget at once, with the widget's own signals blocked, so that only a
// user's input reaches the controls from the widgets.

#include "imagecontrol.h"
#include "radiogroup.h"
#include "razorez.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

void Tphotofrm::mirrorControls()
{
    const WindowWidgets& w = widgets;
    const std::pair<const Control*, QObject*> pairs[] = {
        {&controls.photofrm, this},
        {&controls.photopl, w.photopl},
        {&controls.colourbt, w.colourbt},
        {&controls.tubebt, w.tubebt},
        {&controls.GroupBox1, w.GroupBox1},
        {&controls.BitBtn1, w.BitBtn1},
        {&controls.Panel1, w.Panel1},
        {&controls.zoomtubebt, w.zoomtubebt},
        {&controls.colourim, w.colourim},
        {&controls.intentim, w.intentim},
        {&controls.tube, w.tube},
        {&controls.variablepl, w.variablepl},
        {&controls.GroupBox2, w.GroupBox2},
        {&controls.wlb, w.wlb},
        {&controls.flb, w.flb},
        {&controls.elb, w.elb},
        {&controls.voltlb, w.voltlb},
        {&controls.intlb, w.intlb},
        {&controls.wavelb, w.wavelb},
        {&controls.retardsb, w.retardsb},
        {&controls.intensitysb, w.intensitysb},
        {&controls.coloursb, w.coloursb},
        {&controls.photonbt, w.photonbt},
        {&controls.Zoombt, w.Zoombt},
        {&controls.slowrb, w.slowrb},
        {&controls.metalused, w.metalused},
        {&controls.unknownrb, w.unknownrb},
        {&controls.wfeb, w.wfeb},
        {&controls.photons, w.photons},
        {&controls.zoomtimer, w.zoomtimer},
        {&controls.MainMenu1, w.MainMenu1},
        {&controls.Edit1, w.Edit1->menuAction()},
        {&controls.Copy1, w.Copy1},
        {&controls.Print1, w.Print1},
        {&controls.N1, w.N1},
        {&controls.Exit1, w.Exit1},
        {&controls.Options1, w.Options1->menuAction()},
        {&controls.ShowWavelength1, w.ShowWavelength1},
        {&controls.ShowFrequency1, w.ShowFrequency1},
        {&controls.ShowEnergyev1, w.ShowEnergyev1},
        {&controls.ShowPhoto, w.ShowPhoto},
        {&controls.Sound1, w.Sound1},
        {&controls.Notebook1, w.Notebook1->menuAction()},
        {&controls.ShowNotebook1, w.ShowNotebook1},
        {&controls.Record1, w.Record1},
        {&controls.Help1, w.Help1->menuAction()},
        {&controls.About1, w.About1},
        {&controls.PopupMenu1, w.PopupMenu1},
        {&controls.copy2, w.copy2},
        {&controls.Print2, w.Print2},
    };
    for (const auto& [control, widget] : pairs)
        widgetOf_.insert(control, widget);
    Q_ASSERT(widgetOf_.size() == static_cast<qsizetype>(controls.all().size()));

    // The widgets were made with their controls' captions, values and
    // items; what is hidden or disabled from the start is made so here.
    for (const Control* control : controls.all()) {
        if (control->kind() == Control::Kind::Window || control->kind() == Control::Kind::Timer)
            continue;
        if (control->isHidden())
            controlChanged(*control, Property::Visible);
        if (!control->isEnabled())
            controlChanged(*control, Property::Enabled);
    }
    controls.setObserver(this);
}

void Tphotofrm::controlChanged(const Control& control, Property property)
{
    QObject* target = widgetOf(control);
    const QSignalBlocker blocker(target);
    if (auto* timer = qobject_cast<QTimer*>(target)) {
        if (property == Property::Enabled) {
            if (control.isEnabled())
                timer->start();
            else
                timer->stop();
        }
        return;
    }
    if (auto* action = qobject_cast<QAction*>(target)) {
        switch (property) {
        case Property::Visible:
            return action->setVisible(control.isVisible());
        case Property::Enabled:
            return action->setEnabled(control.isEnabled());
        case Property::Caption:
            return action->setText(control.caption());
        case Property::Checked:
            return action->setChecked(static_cast<const MenuItem&>(control).isChecked());
        default:
            return;
        }
    }
    auto* widget = qobject_cast<QWidget*>(target);
    switch (property) {
    case Property::Visible:
        return widget->setVisible(control.isVisible());
    case Property::Enabled:
        return widget->setEnabled(control.isEnabled());
    case Property::Caption:
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(control.caption());
            label->adjustSize();
        } else if (widget == widgets.photonbt) {
            setCaptionWithoutAccessKey(widgets.photonbt, control.caption(), widgets.lightKey);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(control.caption());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            box->setTitle(control.caption());
        } else if (widget == this) {
            setWindowTitle(control.caption());
        }
        return;
    case Property::Position:
        return qobject_cast<QScrollBar*>(widget)->setValue(static_cast<const ScrollBar&>(control).value());
    case Property::Steps: {
        auto* bar = qobject_cast<QScrollBar*>(widget);
        bar->setSingleStep(static_cast<const ScrollBar&>(control).singleStep());
        bar->setPageStep(static_cast<const ScrollBar&>(control).pageStep());
        return;
    }
    case Property::Checked:
        return qobject_cast<QCheckBox*>(widget)->setChecked(static_cast<const CheckBox&>(control).isChecked());
    case Property::ItemIndex:
        return static_cast<RadioGroupBox*>(widget)->setItemIndex(static_cast<const RadioGroup&>(control).itemIndex());
    case Property::Items: {
        const QStringList& items = static_cast<const RadioGroup&>(control).items();
        auto* group = static_cast<RadioGroupBox*>(widget);
        for (int index = 0; index < items.size(); ++index)
            group->setItem(index, items[index]);
        return;
    }
    case Property::Text: {
        // What the user typed is there already: setting it again would move
        // the cursor to the end and forget the undo history.
        auto* edit = qobject_cast<QLineEdit*>(widget);
        const QString& text = static_cast<const EditBox&>(control).text();
        if (edit->text() != text)
            edit->setText(text);
        return;
    }
    }
}
