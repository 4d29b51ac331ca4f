#include "aboutbox.h"

#include "lumetra_version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

Taboutboxp::Taboutboxp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutboxp"));
    setWindowTitle(QCoreApplication::translate("About", "About"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const QString name = QCoreApplication::translate("About", "Lumetra Photoelectric Effect");
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()), this);
    layout->addWidget(title);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("About", "Version %1").arg(QStringLiteral(LUMETRA_VERSION)), this));
    layout->addWidget(new QLabel(QCoreApplication::translate("About", "Lumetra Developers"), this));
    layout->addWidget(
        new QLabel(QCoreApplication::translate("About", "A teaching simulation of the photoelectric effect."), this));
    layout->addWidget(new QLabel(QCoreApplication::translate("About", "Free software under the GNU General Public "
                                                                      "License, version 3 or later."),
                                 this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
