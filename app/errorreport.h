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
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

// The text the error report shows: the message, with a full stop appended
// when its last character sorts after the full stop.
QString errorReportText(const QString& message);
