#include "errors.h"

QString errorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}
