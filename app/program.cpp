#include "program.h"

#include "aboutbox.h"
#include "clickplayer.h"
#include "core/texts.h"
#include "fonts.h"
#include "notebook/notebookstore.h"
#include "qtprinter.h"
#include "razorez.h"
#include "soundsetting.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The catalogue's name for a language name: "pt-BR" and "zh-Hans-CN" are
// "pt_BR" and "zh_CN"; a catalogue that is not there is looked for without
// the territory ("de_AT" as "de").
QString catalogueName(const QString& name)
{
    const QStringList parts = name.split(u'-');
    const QString language = parts.front().toLower();
    return parts.size() > 1 && parts.back().size() == 2 ? language + u'_' + parts.back() : language;
}

} // namespace

Translations::Translations(const QLocale& locale)
{
    // The user's languages in order of preference ("de-DE", "de", ...).
    for (const QString& name : locale.uiLanguages()) {
        const QString catalogue = catalogueName(name);
        if (catalogue.section(u'_', 0, 0) == QStringLiteral("en") || catalogue == QStringLiteral("c"))
            break;
        auto program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/lumetra_%1").arg(catalogue)))
            continue;
        language_ = QFileInfo(program->filePath()).completeBaseName().section(u'_', 1);
        install(std::move(program));
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(language_), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qt_ = std::move(qt);
            QCoreApplication::installTranslator(qt_.get());
        }
        return;
    }
    // English: the source texts, with the plural forms of counts ("1 point").
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral(":/i18n/lumetra_en.qm")))
        install(std::move(english));
}

void Translations::install(std::unique_ptr<QTranslator> program)
{
    program_ = std::move(program);
    QCoreApplication::installTranslator(program_.get());
}

Translations::~Translations()
{
    if (qt_)
        QCoreApplication::removeTranslator(qt_.get());
    if (program_)
        QCoreApplication::removeTranslator(program_.get());
}

int runProgram(int& argc, char** argv, const std::function<void(Tphotofrm&)>& started)
{
#ifdef __GLIBC__
    // Pictures take a megabyte each. Once one such block is freed, glibc
    // serves the next from the heap, which keeps what is freed in it; a
    // fixed threshold gives every picture's memory back when it goes.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(texts::applicationTitle());
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/icons/64x64/lumetra.png")));
    QApplication::setDesktopFileName(QStringLiteral("lumetra"));
    registerFonts(QLocale::system().language() == QLocale::Chinese);
    const Translations translations(QLocale::system());

    QtPrinter printer;
    ClickPlayer clicks;
    Tphotofrm photofrm(desktopSeams(printer, clicks));
    if (soundRemembered())
        photofrm.controls.Sound1.invoke();
    Taboutboxp aboutboxp(&photofrm);
    photofrm.aboutboxp = &aboutboxp;
    // The notebook's file is read before the window shows; a problem with it
    // is told once the window is there, and the program goes on.
    NotebookStore notebookFile(photofrm.notebook, NotebookStore::standardPath(), [&photofrm](const QString& message) {
        QTimer::singleShot(0, &photofrm, [&photofrm, message] {
            photofrm.seams().showError(texts::applicationTitle(), message);
        });
    });
    notebookFile.load();

    photofrm.show();
    if (photofrm.seams().placesWindows)
        photofrm.activateWindow();
    if (started)
        started(photofrm);
    return application.exec();
}
