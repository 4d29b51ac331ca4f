#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

// A captioned group of radio items laid out in columns, top to bottom and
// then left to right. Choosing an item changes only the item index.
class RadioGroup : public QGroupBox
{
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int ItemIndex() const;
    void setItemIndex(int index);
    QStringList Items() const;
    void setItem(int index, const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();

    std::vector<QRadioButton*> buttons_;
    int columns_;
};
