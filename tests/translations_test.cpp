// The window in each language the program speaks: every caption, menu item
// and accessible name translated, fitting its control, with access keys
// that do not clash.

#include "testwindow.h"
#include "app/imagecontrol.h"
#include "app/program.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "light/colour.h"
#include "model/apparatus.h"
#include "scenario/recordingprinter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

struct Language
{
    const char* locale;
    const char* language; // what the program installs; empty for English
};

// Every caption a user reads or hears in the window, by where it stands,
// in the window's two states: as started, and with the light on and zoomed
// in (the buttons' other captions).
QMap<QString, QString> captions(Tphotofrm& window)
{
    QMap<QString, QString> texts;
    texts[QStringLiteral("photofrm")] = window.windowTitle();
    for (QLabel* label : {window.voltlb, window.intlb, window.wavelb})
        texts[label->objectName()] = label->text();
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        texts[box->objectName()] = box->title();
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(window.photonbt),
                                    static_cast<QAbstractButton*>(window.Zoombt),
                                    static_cast<QAbstractButton*>(window.slowrb),
                                    static_cast<QAbstractButton*>(window.unknownrb)})
        texts[button->objectName()] = button->text();
    const QList<QRadioButton*> items = window.metalused->findChildren<QRadioButton*>();
    for (qsizetype i = 0; i < items.size(); ++i)
        texts[QStringLiteral("metalused.%1").arg(i)] = items[i]->text();
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (!widget->accessibleName().isEmpty())
            texts[widget->objectName() + QStringLiteral(".accessibleName")] = widget->accessibleName();
    for (QMenu* menu : {window.Edit1, window.Options1, window.Help1, window.PopupMenu1}) {
        texts[menu->menuAction()->objectName()] = menu->title();
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts[action->objectName()] = action->text();
    }
    window.photonbtClick();
    window.ZoombtClick();
    texts[QStringLiteral("photonbt.on")] = window.photonbt->text();
    texts[QStringLiteral("Zoombt.in")] = window.Zoombt->text();
    window.ZoombtClick();
    window.photonbtClick();
    return texts;
}

QString withoutAccessKey(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The access keys of captions shown together: each caption that has one has
// its own.
void expectUniqueAccessKeys(const QString& where, const QStringList& texts)
{
    QMap<int, QString> taken;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            continue;
        const int letter = key[0].key();
        EXPECT_FALSE(taken.contains(letter)) << where.toStdString() << ": " << text.toStdString() << " and "
                                             << taken.value(letter).toStdString();
        taken[letter] = text;
    }
}

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

// The controls' captions within their controls, and the texts drawn into
// the picture where they are drawn.
void expectEverythingFits(Tphotofrm& window)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || button == window.colourbt || button == window.tubebt
            || button == window.zoomtubebt)
            continue;
        // The room the style leaves for the caption: the control less its
        // frame, check mark or radio indicator.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
            : qobject_cast<QRadioButton*>(button)                              ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
        const int room = button->style()->subElementRect(contents, &option, button).width();
        const int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        EXPECT_LE(width, room) << button->text().toStdString();
    }
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        // The caption stands 8 pixels in from either side of the frame.
        const int width = QFontMetrics(box->font()).horizontalAdvance(withoutAccessKey(box->title()));
        EXPECT_LE(width + 16, box->width()) << box->title().toStdString();
    }
    for (QLabel* label : {window.voltlb, window.intlb, window.wavelb}) {
        const QWidget* parent = label->parentWidget();
        EXPECT_TRUE(parent->rect().contains(label->geometry())) << label->text().toStdString();
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != label && !other->isHidden() && other->objectName() != QStringLiteral("wfeb"))
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << label->text().toStdString() << " runs into " << other->objectName().toStdString();
    }
    // The photon properties at both ends of the colour scale, within their
    // box's frame.
    for (int position : {window.coloursb->minimum(), window.coloursb->maximum()}) {
        window.setPosition(window.coloursb, position);
        for (QLabel* label : {window.wlb, window.flb, window.elb})
            EXPECT_LE(label->x() + label->width(), window.GroupBox2->width() - 2) << label->text().toStdString();
    }
    // "Photocurrent" right of the meter, in the widest font the picture
    // draws it with (the one the copy's texts leave on the canvas).
    QFont pictureFont(QStringLiteral("arial"));
    pictureFont.setPixelSize(13);
    pictureFont.setBold(true);
    const ApparatusGeometry g = apparatusGeometry(window.state, window.tube->height());
    const QString photocurrent = QCoreApplication::translate("Apparatus", "Photocurrent");
    EXPECT_LE(g.XR + 20 + QFontMetrics(pictureFont).horizontalAdvance(photocurrent), window.tube->width());
}

class TranslatedWindow : public testing::TestWithParam<Language>
{
};

} // namespace

TEST_P(TranslatedWindow, EveryTextIsTranslatedFitsAndHasItsOwnAccessKey)
{
    RecordingPrinter printer;
    const Seams seams = testSeams(printer, [](const QString&, const QString&) {});
    const QMap<QString, QString> english = captions(*startedWindow(seams));

    const Translations translations{QLocale(QString::fromLatin1(GetParam().locale))};
    const QString language = QString::fromLatin1(GetParam().language);
    ASSERT_EQ(translations.language(), language);
    const std::unique_ptr<Tphotofrm> window = startedWindow(seams);
    window->show();
    const QMap<QString, QString> shown = captions(*window);
    ASSERT_EQ(shown.keys(), english.keys());

    if (!language.isEmpty()) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/lumetra_%1.qm").arg(language)));
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (it.value().isEmpty())
                continue; // the pop-up menu has no title
            // An entry for every text, even where the word is the same.
            const QString translated = catalogue.translate("Window", it.value().toUtf8().constData());
            EXPECT_FALSE(translated.isEmpty()) << it.key().toStdString() << ": " << it.value().toStdString();
            EXPECT_EQ(shown[it.key()], translated) << it.key().toStdString();
            EXPECT_EQ(QKeySequence::mnemonic(it.value()).isEmpty(), QKeySequence::mnemonic(shown[it.key()]).isEmpty())
                << it.key().toStdString() << ": " << shown[it.key()].toStdString();
        }
    }

    expectEverythingFits(*window);

    // The light button answers to the letter its caption underlines, alone.
    for (int press = 0; press < 2; ++press) {
        EXPECT_EQ(window->lightKey->key(), QKeySequence(QKeySequence::mnemonic(window->photonbt->text())[0].key()))
            << window->photonbt->text().toStdString();
        window->photonbtClick();
    }

    expectUniqueAccessKeys(QStringLiteral("menu bar"), captionsOf(window->MainMenu1->actions()));
    for (QMenu* menu : {window->Edit1, window->Options1, window->Help1, window->PopupMenu1})
        expectUniqueAccessKeys(menu->objectName() + menu->title(), captionsOf(menu->actions()));
    QStringList controls = window->metalused->Items();
    controls << shown[QStringLiteral("unknownrb")];
    expectUniqueAccessKeys(QStringLiteral("controls"),
                           controls + QStringList{shown[QStringLiteral("photonbt")], shown[QStringLiteral("Zoombt")]});
    expectUniqueAccessKeys(QStringLiteral("controls, light on and zoomed in"),
                           controls
                               + QStringList{shown[QStringLiteral("photonbt.on")], shown[QStringLiteral("Zoombt.in")]});
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow,
                         testing::Values(Language{"en_US", ""}, Language{"de_DE", "de"}, Language{"de_AT", "de"},
                                         Language{"fr_FR", "fr"}, Language{"es_ES", "es"}, Language{"it_IT", ""}),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.locale);
                         });
