// The main menu and the pictures' pop-up menu.

#include "imagecontrol.h"
#include "razorez.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const MenuItem& control)
{
    QAction* action = menu->addAction(control.caption());
    action->setObjectName(control.name());
    action->setCheckable(control.isCheckable());
    action->setChecked(control.isChecked());
    return action;
}

// A top-level item of the main menu is the menu's own action; its items hang
// from the menu, which has no name of its own.
QMenu* topLevelItem(QMenuBar* bar, const MenuItem& control)
{
    QMenu* menu = bar->addMenu(control.caption());
    menu->menuAction()->setObjectName(control.name());
    return menu;
}

} // namespace

void Tphotofrm::createMenus()
{
    WindowWidgets& w = widgets;
    w.MainMenu1 = new QMenuBar(this);
    w.MainMenu1->setObjectName(controls.MainMenu1.name());

    w.Edit1 = topLevelItem(w.MainMenu1, controls.Edit1);
    w.Copy1 = item(w.Edit1, controls.Copy1);
    w.Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    w.Print1 = item(w.Edit1, controls.Print1);
    w.Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    w.N1 = w.Edit1->addSeparator();
    w.N1->setObjectName(controls.N1.name());
    w.Exit1 = item(w.Edit1, controls.Exit1);

    w.Options1 = topLevelItem(w.MainMenu1, controls.Options1);
    w.ShowWavelength1 = item(w.Options1, controls.ShowWavelength1);
    w.ShowFrequency1 = item(w.Options1, controls.ShowFrequency1);
    w.ShowEnergyev1 = item(w.Options1, controls.ShowEnergyev1);
    w.ShowPhoto = item(w.Options1, controls.ShowPhoto);
    w.Options1->addSeparator();
    w.Sound1 = item(w.Options1, controls.Sound1);

    w.Notebook1 = topLevelItem(w.MainMenu1, controls.Notebook1);
    w.ShowNotebook1 = item(w.Notebook1, controls.ShowNotebook1);
    w.Record1 = item(w.Notebook1, controls.Record1);
    w.Record1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    w.Help1 = topLevelItem(w.MainMenu1, controls.Help1);
    w.About1 = item(w.Help1, controls.About1);

    w.PopupMenu1 = new QMenu(this);
    w.PopupMenu1->setObjectName(controls.PopupMenu1.name());
    w.copy2 = item(w.PopupMenu1, controls.copy2);
    w.Print2 = item(w.PopupMenu1, controls.Print2);
    for (ImageControl* image : {w.colourim, w.intentim, w.tube}) {
        image->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(image, &QWidget::customContextMenuRequested, this,
                [this, image](const QPoint& at) { widgets.PopupMenu1->popup(image->mapToGlobal(at)); });
    }
}
