// The main menu and the pictures' pop-up menu.

#include "imagecontrol.h"
#include "razorez.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// A top-level item of the main menu is the menu's own action; its items hang
// from the menu, which has no name of its own.
QMenu* topLevelItem(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* checkedItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = item(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

} // namespace

void Tphotofrm::createMenus()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    Edit1 = topLevelItem(MainMenu1, "Edit1", QCoreApplication::translate("Window", "&File"));
    Copy1 = item(Edit1, "Copy1", QCoreApplication::translate("Window", "&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Print1 = item(Edit1, "Print1", QCoreApplication::translate("Window", "&Print"));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    N1 = Edit1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Exit1 = item(Edit1, "Exit1", QCoreApplication::translate("Window", "E&xit"));

    Options1 = topLevelItem(MainMenu1, "Options1", QCoreApplication::translate("Window", "&Options"));
    ShowWavelength1
        = checkedItem(Options1, "ShowWavelength1", QCoreApplication::translate("Window", "Show &Wavelength"));
    ShowFrequency1 = checkedItem(Options1, "ShowFrequency1", QCoreApplication::translate("Window", "Show &Frequency"));
    ShowEnergyev1 = checkedItem(Options1, "ShowEnergyev1", QCoreApplication::translate("Window", "Show &Energy(eV)"));
    ShowPhoto = checkedItem(Options1, "ShowPhoto", QCoreApplication::translate("Window", "Show &Photoelectrons"));

    Help1 = topLevelItem(MainMenu1, "Help1", QCoreApplication::translate("Window", "&Help"));
    About1 = item(Help1, "About1", QCoreApplication::translate("Window", "&About"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    copy2 = item(PopupMenu1, "copy2", QCoreApplication::translate("Window", "&Copy"));
    Print2 = item(PopupMenu1, "Print2", QCoreApplication::translate("Window", "&Print"));
    for (ImageControl* image : {colourim, intentim, tube}) {
        image->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(image, &QWidget::customContextMenuRequested, this,
                [this, image](const QPoint& at) { PopupMenu1->popup(image->mapToGlobal(at)); });
    }
}
