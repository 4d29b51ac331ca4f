#include "radiogroup.h"

#include <QPainter>
#include <QRadioButton>

FrameGroupBox::FrameGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
{
}

void FrameGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2 - 1;
    // The etch: a light frame one pixel below and to the right of a dark one.
    painter.setPen(Qt::white);
    painter.drawRect(1, top + 1, width() - 2, height() - top - 2);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, top, width() - 2, height() - top - 2);
    if (title().isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect caption = metrics.boundingRect(QRect(8, 0, width() - 8, metrics.height()), flags, title());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, flags, title());
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : FrameGroupBox(caption, parent)
    , columns_(columns)
{
    for (const QString& item : items) {
        auto* button = new QRadioButton(item, this);
        button->setAutoFillBackground(false);
        connect(button, &QRadioButton::toggled, this, &RadioGroup::followCheckedItemWithTab);
        buttons_.push_back(button);
    }
    layoutItems();
    followCheckedItemWithTab();
}

// Tab reaches the group at its checked item (the first while none is);
// the arrow keys move between the items.
void RadioGroup::followCheckedItemWithTab()
{
    const int checked = std::max(ItemIndex(), 0);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setFocusPolicy(static_cast<int>(i) == checked ? Qt::StrongFocus : Qt::ClickFocus);
}

int RadioGroup::ItemIndex() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(buttons_.size()))
        buttons_[index]->setChecked(true);
}

QStringList RadioGroup::Items() const
{
    QStringList items;
    for (const QRadioButton* button : buttons_)
        items << button->text();
    return items;
}

void RadioGroup::setItem(int index, const QString& caption)
{
    buttons_.at(index)->setText(caption);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    FrameGroupBox::resizeEvent(event);
    layoutItems();
}

// The items share the box below its caption evenly, as the platform's radio
// group does.
void RadioGroup::layoutItems()
{
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int top = 15;
    const int left = 8;
    const int columnWidth = (width() - left) / columns_;
    const int rowHeight = (height() - top - 4) / rows;
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        buttons_[i]->setGeometry(left + column * columnWidth, top + row * rowHeight, columnWidth - 4, rowHeight);
    }
}
