#include "aboutbox.h"

#include "lumetra_version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

Taboutboxp::Taboutboxp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutboxp"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Lumetra Photoelectric Effect</b>"), this);
    layout->addWidget(title);
    layout->addWidget(new QLabel(QStringLiteral("Version " LUMETRA_VERSION), this));
    layout->addWidget(new QLabel(QStringLiteral("Lumetra Developers"), this));
    layout->addWidget(new QLabel(QStringLiteral("A teaching simulation of the photoelectric effect."), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
