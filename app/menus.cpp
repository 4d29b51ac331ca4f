// The main menu and the pictures' pop-up menu.

#include "imagecontrol.h"
#include "razorez.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
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

    Edit1 = MainMenu1->addMenu(QStringLiteral("&File"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Copy1 = item(Edit1, "Copy1", QStringLiteral("&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Print1 = item(Edit1, "Print1", QStringLiteral("&Print"));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    N1 = Edit1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Exit1 = item(Edit1, "Exit1", QStringLiteral("E&xit"));

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    ShowWavelength1 = checkedItem(Options1, "ShowWavelength1", QStringLiteral("Show &Wavelength"));
    ShowFrequency1 = checkedItem(Options1, "ShowFrequency1", QStringLiteral("Show &Frequency"));
    ShowEnergyev1 = checkedItem(Options1, "ShowEnergyev1", QStringLiteral("Show &Energy(eV)"));
    ShowPhoto = checkedItem(Options1, "ShowPhoto", QStringLiteral("Show &Photoelectrons"));

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = item(Help1, "About1", QStringLiteral("&About"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    copy2 = item(PopupMenu1, "copy2", QStringLiteral("&Copy"));
    Print2 = item(PopupMenu1, "Print2", QStringLiteral("&Print"));
    for (ImageControl* image : {colourim, intentim, tube}) {
        image->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(image, &QWidget::customContextMenuRequested, this,
                [this, image](const QPoint& at) { PopupMenu1->popup(image->mapToGlobal(at)); });
    }
}
