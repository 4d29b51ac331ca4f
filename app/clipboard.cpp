#include "clipboard.h"

#include "core/errors.h"
#include "core/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QThread>

namespace {

// The warning caught by failOnQtWarning's handler; calls do not nest.
struct WarningCapture
{
    QtMessageHandler previous = nullptr;
    const QThread* thread = nullptr;
    QString first;
};
WarningCapture* activeCapture = nullptr;

void captureWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    WarningCapture* capture = activeCapture;
    if (capture && QThread::currentThread() == capture->thread && (type == QtWarningMsg || type == QtCriticalMsg)
        && capture->first.isNull())
        capture->first = text;
    if (capture && capture->previous)
        capture->previous(type, context, text);
}

} // namespace

void failOnQtWarning(const QString& message, const std::function<void()>& call)
{
    WarningCapture capture;
    capture.thread = QThread::currentThread();
    activeCapture = &capture;
    capture.previous = qInstallMessageHandler(captureWarning);
    struct Restore
    {
        WarningCapture& capture;
        ~Restore()
        {
            qInstallMessageHandler(capture.previous);
            activeCapture = nullptr;
        }
    } restore{capture};
    call();
    if (!capture.first.isNull())
        throw AppError(message);
}

void copyToClipboard(const QImage& picture)
{
    failOnQtWarning(texts::cannotOpenClipboard(), [&picture] { QGuiApplication::clipboard()->setImage(picture); });
}
