#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a handler. It ends the handler and every handler that
// triggered it; the application's error report then shows its message.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message)
    {
    }
    // The message exactly as raised, whatever characters the user typed.
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The text the error report shows: the message, with a full stop appended
// when its last character sorts after the full stop.
QString errorReportText(const QString& message);
