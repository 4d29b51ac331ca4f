#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

// A group box drawn the classic way: an etched frame whose top edge runs
// through the middle of the caption, the caption at the left on the box's
// own colour, and nothing painted inside, so the box shows its colour (or
// its parent's) unshaded. The children keep their own positions.
class FrameGroupBox : public QGroupBox
{
public:
    FrameGroupBox(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A captioned group of radio items laid out in columns, top to bottom and
// then left to right. Choosing an item changes only the item index.
class RadioGroup : public FrameGroupBox
{
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int ItemIndex() const;
    void setItemIndex(int index);
    QStringList Items() const;
    void setItem(int index, const QString& caption);
    const std::vector<QRadioButton*>& items() const { return buttons_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();
    void followCheckedItemWithTab();

    std::vector<QRadioButton*> buttons_;
    int columns_;
};
