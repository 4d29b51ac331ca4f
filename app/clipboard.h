#pragma once

#include <QImage>
#include <QString>
#include <functional>

// Runs `call` and raises AppError(`message`) if Qt warned while it ran.
// Qt's clipboard tells of a failure (another program holding the clipboard,
// a selection it could not take) only by a warning; this turns it into the
// error that the application's error report shows. Warnings still reach the
// log as before.
void failOnQtWarning(const QString& message, const std::function<void()>& call);

// Puts a bitmap on the desktop's clipboard, or raises "Cannot open
// clipboard".
void copyToClipboard(const QImage& picture);
