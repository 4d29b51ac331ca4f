// The translation catalogues as they stand in translations/*.ts, whatever
// texts they hold: every character drawable in the window's faces, and
// every count in a plural form of its language.

#include "app/fonts.h"
#include "app/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QRawFont>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or each plural form
    bool numerus = false;
};

struct Catalogue
{
    QString name; // as in lumetra_<name>.ts
    QList<Message> messages;
};

QList<Catalogue> catalogues()
{
    QList<Catalogue> all;
    const QDir folder(QStringLiteral(LUMETRA_SOURCE_DIR "/translations"));
    for (const QString& file : folder.entryList({QStringLiteral("lumetra_*.ts")}, QDir::Files, QDir::Name)) {
        QFile ts(folder.filePath(file));
        EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
        Catalogue catalogue{file.mid(8).chopped(3), {}};
        QXmlStreamReader xml(&ts);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                Message message{context, {}, {}, xml.attributes().value(QStringLiteral("numerus")) == u"yes"};
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"source") {
                        message.source = xml.readElementText();
                    } else if (xml.name() == u"translation" && message.numerus) {
                        while (xml.readNextStartElement())
                            message.translations << xml.readElementText();
                    } else if (xml.name() == u"translation") {
                        message.translations << xml.readElementText();
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                catalogue.messages << message;
            }
        }
        EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
        all << catalogue;
    }
    return all;
}

QFont pixelFont(const QString& family, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

} // namespace

TEST(Catalogues, EveryCharacterHasAGlyphInTheFacesTheWindowUses)
{
    // The window's controls, its photon panel, the picture's texts and the
    // notebook's window (the application's font).
    const QList<QFont> faces{pixelFont(QStringLiteral("System")), pixelFont(QStringLiteral("Arial")),
                             pixelFont(QStringLiteral("arial"), true), pixelFont(QStringLiteral("MS Sans Serif")),
                             QGuiApplication::font()};
    const QList<Catalogue> all = catalogues();
    ASSERT_GE(all.size(), 10);
    for (const Catalogue& catalogue : all)
        for (const QFont& face : faces) {
            const QFontMetrics metrics(face);
            QString missing;
            for (const Message& message : catalogue.messages)
                for (const QString& text : message.translations)
                    for (const char32_t character : text.toUcs4())
                        if (!metrics.inFontUcs4(character))
                            missing += QString::fromUcs4(&character, 1);
            EXPECT_TRUE(missing.isEmpty()) << catalogue.name.toStdString() << " in " << face.family().toStdString()
                                           << ": " << missing.toStdString();
        }
    // Chinese characters in the Simplified Chinese face, not another
    // country's forms of them.
    for (const QFont& face : faces)
        EXPECT_EQ(QRawFont::fromFont(face, QFontDatabase::SimplifiedChinese).familyName(), kChineseSans)
            << face.family().toStdString();
}

TEST(Catalogues, CountsReadInTheirLanguagesPluralForm)
{
    struct Case
    {
        const char* locale;
        int count;
        const char* reads;
    };
    // A series of the current graphs as their description reads it.
    for (const Case& example : {Case{"en_US", 1, "511 nm, 1 point"}, Case{"en_US", 2, "511 nm, 2 points"},
                                Case{"ja_JP", 1, "511 nm, 1 point"}, Case{"pl_PL", 1, "511 nm, 1 punkt"},
                                Case{"pl_PL", 2, "511 nm, 2 punkty"}, Case{"pl_PL", 5, "511 nm, 5 punktów"},
                                Case{"pl_PL", 22, "511 nm, 22 punkty"}, Case{"pl_PL", 12, "511 nm, 12 punktów"},
                                Case{"tr_TR", 3, "511 nm, 3 nokta"}, Case{"el_GR", 1, "511 nm, 1 σημείο"},
                                Case{"pt_BR", 2, "511 nm, 2 pontos"}, Case{"zh_CN", 1, "511 nm，1 个点"}}) {
        const Translations translations{QLocale(QString::fromLatin1(example.locale))};
        EXPECT_EQ(QCoreApplication::translate("Notebook", "%1, %n points", nullptr, example.count).arg(u"511 nm"),
                  QString::fromUtf8(example.reads))
            << example.locale;
    }

    // Every count in every catalogue: a form for each number, and each form
    // the catalogue gives in use.
    for (const Catalogue& catalogue : catalogues()) {
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(QStringLiteral(":/i18n/lumetra_%1.qm").arg(catalogue.name)))
            << catalogue.name.toStdString();
        for (const Message& message : catalogue.messages) {
            if (!message.numerus)
                continue;
            QSet<QString> used;
            for (int count = 0; count <= 200; ++count) {
                const QString form = compiled.translate(message.context.toUtf8().constData(),
                                                        message.source.toUtf8().constData(), nullptr, count);
                EXPECT_FALSE(form.isEmpty()) << catalogue.name.toStdString() << ", " << count << ": "
                                             << message.source.toStdString();
                used << form;
            }
            EXPECT_EQ(used.size(), QSet<QString>(message.translations.begin(), message.translations.end()).size())
                << catalogue.name.toStdString() << ": " << message.source.toStdString();
        }
    }
}
