// Copy and print: the print factor, the print command's abort when the
// printer fails, the Qt printer's document handling on real PDF output, and
// clipboard warnings turned into errors.

#include "app/clipboard.h"
#include "app/qtprinter.h"
#include "app/razorez.h"
#include "core/errors.h"
#include "output/copyprint.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(PrintFactor, WholeTimesThePictureFitsBesideTheFreeStrip)
{
    EXPECT_EQ(printFactor(2400, 709), 2);
    EXPECT_EQ(printFactor(9583, 709), 13); // A4 at 1200 dpi
    EXPECT_EQ(printFactor(1009, 709), 1);
    EXPECT_EQ(printFactor(1008, 709), 0);
    // Narrower than the free strip: truncated toward zero, not down to -1.
    EXPECT_EQ(printFactor(299, 709), 0);
    EXPECT_EQ(printFactor(0, 709), 0);
}

// A printer that fails when the picture is sent to it.
class FailingPrinter : public RecordingPrinter
{
public:
    void stretchDIBits(const QRect&, const QImage&, const QRect&) override
    {
        throw AppError(QStringLiteral("Printer selected is not valid"));
    }
};

struct Window
{
    QStringList reports;
    std::unique_ptr<Tphotofrm> window;

    explicit Window(PrinterPort& printer)
    {
        window = startedWindow(testSeams(
            printer, [this](const QString& caption, const QString& text) { reports << caption + u'|' + text; }));
    }
};

TEST(Print, FailingPrinterAbortsTheDocumentAndTheErrorIsReported)
{
    FailingPrinter printer;
    printer.width = 2400;
    Window w(printer);

    try {
        w.window->Print1Click();
        ADD_FAILURE() << "the failure did not propagate";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Printer selected is not valid"));
    }
    EXPECT_EQ(printer.calls,
              (QStringList{QStringLiteral("StartDoc \"\""), QStringLiteral("StartPage"), QStringLiteral("AbortDoc")}));
    EXPECT_FALSE(printer.documentOpen);

    // From the menu the same failure reaches the error report.
    printer.calls.clear();
    w.window->widgets.Print1->trigger();
    EXPECT_EQ(w.reports, QStringList{QStringLiteral("Lumetra Photoelectric Effect|Printer selected is not valid.")});
    EXPECT_FALSE(printer.documentOpen);
}

// A printer writing PDF to `path`, standing in for the default printer.
QtPrinter pdfPrinter(const QString& path)
{
    return QtPrinter([path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    });
}

bool isPdf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

TEST(QtPrinter, AbortedDocumentIsNeverPrintedAndAFinishedOneIs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPrinter printer = pdfPrinter(path);
    QImage picture(709, 373, QImage::Format_RGB32);
    picture.fill(Qt::black);

    const int k = printFactor(printer.printableWidth(), picture.width());
    ASSERT_GT(k, 0);
    printer.startDoc(QString());
    printer.startPage();
    printer.stretchDIBits(QRect(0, 300, 709 * k, 373 * k), picture, picture.rect());
    printer.abortDoc();
    EXPECT_FALSE(QFile::exists(path)) << "an aborted document was printed";

    printer.printableWidth();
    printer.startDoc(QString());
    printer.startPage();
    printer.stretchDIBits(QRect(0, 300, 709 * k, 373 * k), picture, picture.rect());
    picture.fill(Qt::white); // drawing on after the call must not matter
    printer.endPage();
    printer.endDoc();
    EXPECT_TRUE(isPdf(path));

    // k = 0: nothing drawn, the document still printed.
    QFile::remove(path);
    printer.printableWidth();
    printer.startDoc(QString());
    printer.startPage();
    printer.stretchDIBits(QRect(0, 300, 0, 0), picture, picture.rect());
    printer.endPage();
    printer.endDoc();
    EXPECT_TRUE(isPdf(path));
}

TEST(QtPrinter, PrinterThatCannotStartRaisesAndLeavesNothingOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing/page.pdf"));
    QtPrinter printer = pdfPrinter(path);
    Window w(printer);

    w.window->widgets.Print1->trigger();
    EXPECT_EQ(w.reports, QStringList{QStringLiteral("Lumetra Photoelectric Effect|Printer selected is not valid.")});
    EXPECT_FALSE(QFile::exists(path));

    // Once the printer can write, the next print goes through.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("missing")));
    w.window->widgets.Print1->trigger();
    EXPECT_EQ(w.reports.size(), 1);
    EXPECT_TRUE(isPdf(path));
}

QStringList forwarded;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    forwarded << text;
}

TEST(ClipboardErrors, QtWarningDuringTheCallBecomesTheError)
{
    forwarded.clear();
    const QtMessageHandler before = qInstallMessageHandler(recordMessage);

    EXPECT_NO_THROW(failOnQtWarning(QStringLiteral("Cannot open clipboard"), [] { qDebug("chatter"); }));
    try {
        failOnQtWarning(QStringLiteral("Cannot open clipboard"),
                        [] { qWarning("QXcbClipboard::setMimeData: Cannot set X11 selection owner"); });
        ADD_FAILURE() << "the warning was not raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot open clipboard"));
    }
    // The log still gets every message, and the handler is put back.
    qWarning("afterwards");
    EXPECT_EQ(forwarded,
              (QStringList{QStringLiteral("chatter"),
                           QStringLiteral("QXcbClipboard::setMimeData: Cannot set X11 selection owner"),
                           QStringLiteral("afterwards")}));
    EXPECT_EQ(qInstallMessageHandler(before), &recordMessage);
}

} // namespace
