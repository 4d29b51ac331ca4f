#pragma once

#include <QString>
#include <QWidget>

// Speaks a short phrase through the screen reader without moving the focus.
// Orca speaks a notification whenever one is shown, and one inside a status
// bar by its text alone, so each phrase is a new invisible notification shown
// in this status bar: no name changes, so that a label's announcement stays
// the only one a listener to names hears. Neither draws anything.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& phrase);
    QString phrase() const { return phrase_; }

private:
    QWidget* notification_ = nullptr;
    QString phrase_;
};
