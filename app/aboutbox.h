#pragma once

#include <QDialog>

// The About dialog: the product's name, version and maker.
class Taboutboxp : public QDialog
{
public:
    explicit Taboutboxp(QWidget* parent);
};
