#pragma once

#include <QString>
#include <QWidget>

// Speaks a short phrase through the screen reader without moving the focus.
// Orca speaks a notification whenever one is shown, and one inside a status
// bar by its text alone, so each phrase shows this status bar's invisible
// notification anew. Neither draws anything.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& phrase);
    QString phrase() const { return phrase_; }

private:
    QWidget* notification_;
    QString phrase_;
};
