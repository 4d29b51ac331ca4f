// The window in each language the program speaks: every caption, menu item
// and accessible name translated, fitting its control, with access keys
// that do not clash.

#include "app/imagecontrol.h"
#include "notebookwindow/notebookcharts.h"
#include "notebookwindow/notebooktablemodel.h"
#include "notebookwindow/notebookwindow.h"
#include "app/program.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "core/texts.h"
#include "model/apparatus.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
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
    for (QLabel* label : {window.widgets.voltlb, window.widgets.intlb, window.widgets.wavelb})
        texts[label->objectName()] = label->text();
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        texts[box->objectName()] = box->title();
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(window.widgets.photonbt), static_cast<QAbstractButton*>(window.widgets.Zoombt),
          static_cast<QAbstractButton*>(window.widgets.slowrb),
          static_cast<QAbstractButton*>(window.widgets.unknownrb)})
        texts[button->objectName()] = button->text();
    const QList<QRadioButton*> items = window.widgets.metalused->findChildren<QRadioButton*>();
    for (qsizetype i = 0; i < items.size(); ++i)
        texts[QStringLiteral("metalused.%1").arg(i)] = items[i]->text();
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (!widget->accessibleName().isEmpty())
            texts[widget->objectName() + QStringLiteral(".accessibleName")] = widget->accessibleName();
    for (QMenu* menu :
         {window.widgets.Edit1, window.widgets.Options1, window.widgets.Notebook1, window.widgets.Help1,
          window.widgets.PopupMenu1}) {
        texts[menu->menuAction()->objectName()] = menu->title();
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts[action->objectName()] = action->text();
    }
    // The notebook's window, under keys of their own: its texts are the
    // notebook's, not the main window's.
    window.ShowNotebook1Click();
    const NotebookWindow& notebook = *window.notebookWindow();
    for (const QAbstractButton* button : notebook.findChildren<QAbstractButton*>())
        if (!button->objectName().isEmpty())
            texts[QStringLiteral("notebook.") + button->objectName()] = button->text();
    for (int tab = 0; tab < notebook.charts()->count(); ++tab)
        texts[QStringLiteral("notebook.tab%1").arg(tab)] = notebook.charts()->tabText(tab);
    for (const QLabel* label : notebook.findChildren<QLabel*>())
        if (label->buddy())
            texts[QStringLiteral("notebook.") + label->buddy()->objectName()] = label->text();
    for (int column = 0; column < NotebookTableModel::ColumnCount; ++column)
        texts[QStringLiteral("notebook.column%1").arg(column)] =
            notebook.table()->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    for (const QWidget* widget : {static_cast<QWidget*>(notebook.table()), static_cast<QWidget*>(notebook.results())})
        texts[QStringLiteral("notebook.") + widget->objectName() + QStringLiteral(".accessibleName")] =
            widget->accessibleName();
    window.photonbtClick();
    window.ZoombtClick();
    texts[QStringLiteral("photonbt.on")] = window.widgets.photonbt->text();
    texts[QStringLiteral("Zoombt.in")] = window.widgets.Zoombt->text();
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
        EXPECT_FALSE(taken.contains(letter))
            << where.toStdString() << ": " << text.toStdString() << " and " << taken.value(letter).toStdString();
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
void expectCaptionsFit(const QList<QAbstractButton*>& buttons)
{
    for (QAbstractButton* button : buttons) {
        // The room the style leaves for the caption: the control less its
        // frame, check mark or radio indicator.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
            : qobject_cast<QRadioButton*>(button)                            ? QStyle::SE_RadioButtonContents
                                                                             : QStyle::SE_PushButtonContents;
        const int room = button->style()->subElementRect(contents, &option, button).width();
        const int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        EXPECT_LE(width, room) << button->text().toStdString();
    }
}

void expectEverythingFits(Tphotofrm& window)
{
    QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    buttons.removeIf([&](const QAbstractButton* button) {
        return button->text().isEmpty() || button == window.widgets.colourbt || button == window.widgets.tubebt
            || button == window.widgets.zoomtubebt;
    });
    expectCaptionsFit(buttons);
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        // The caption stands 8 pixels in from either side of the frame.
        const int width = QFontMetrics(box->font()).horizontalAdvance(withoutAccessKey(box->title()));
        EXPECT_LE(width + 16, box->width()) << box->title().toStdString();
    }
    for (QLabel* label : {window.widgets.voltlb, window.widgets.intlb, window.widgets.wavelb}) {
        const QWidget* parent = label->parentWidget();
        EXPECT_TRUE(parent->rect().contains(label->geometry())) << label->text().toStdString();
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != label && !other->isHidden() && other->objectName() != QStringLiteral("wfeb")) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << label->text().toStdString() << " runs into " << other->objectName().toStdString();
            }
    }
    // The photon properties at both ends of the colour scale, within their
    // box's frame.
    for (int position : {window.widgets.coloursb->minimum(), window.widgets.coloursb->maximum()}) {
        window.controls.coloursb.setValue(position);
        for (QLabel* label : {window.widgets.wlb, window.widgets.flb, window.widgets.elb})
            EXPECT_LE(label->x() + label->width(), window.widgets.GroupBox2->width() - 2)
                << label->text().toStdString();
    }
    // "Photocurrent" right of the meter, in the widest font the picture
    // draws it with (the one the copy's texts leave on the canvas).
    QFont pictureFont(QStringLiteral("arial"));
    pictureFont.setPixelSize(13);
    pictureFont.setBold(true);
    const ApparatusGeometry at = apparatusGeometry(window.state, window.widgets.tube->height());
    EXPECT_LE(at.rightWireX + 20 + QFontMetrics(pictureFont).horizontalAdvance(texts::photocurrent()),
              window.widgets.tube->width());
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
            const char* context = it.key().startsWith(QStringLiteral("notebook.")) ? "Notebook" : "Window";
            const QString translated = catalogue.translate(context, it.value().toUtf8().constData());
            EXPECT_FALSE(translated.isEmpty()) << it.key().toStdString() << ": " << it.value().toStdString();
            EXPECT_EQ(shown[it.key()], translated) << it.key().toStdString();
            EXPECT_EQ(QKeySequence::mnemonic(it.value()).isEmpty(), QKeySequence::mnemonic(shown[it.key()]).isEmpty())
                << it.key().toStdString() << ": " << shown[it.key()].toStdString();
        }
    }

    expectEverythingFits(*window);

    // The light button answers to the letter its caption underlines, alone.
    for (int press = 0; press < 2; ++press) {
        EXPECT_EQ(window->widgets.lightKey->key(),
                  QKeySequence(QKeySequence::mnemonic(window->widgets.photonbt->text())[0].key()))
            << window->widgets.photonbt->text().toStdString();
        window->photonbtClick();
    }

    expectUniqueAccessKeys(QStringLiteral("menu bar"), captionsOf(window->widgets.MainMenu1->actions()));
    for (QMenu* menu :
         {window->widgets.Edit1, window->widgets.Options1, window->widgets.Notebook1, window->widgets.Help1,
          window->widgets.PopupMenu1})
        expectUniqueAccessKeys(menu->objectName() + menu->title(), captionsOf(menu->actions()));

    // The notebook's window: its own texts, translated, fitting, with
    // access keys of their own.
    window->ShowNotebook1Click();
    NotebookWindow& notebook = *window->notebookWindow();
    QStringList notebookKeys;
    for (QAbstractButton* button : notebook.findChildren<QAbstractButton*>())
        notebookKeys << button->text();
    for (int tab = 0; tab < notebook.charts()->count(); ++tab)
        notebookKeys << notebook.charts()->tabText(tab);
    for (QLabel* label : notebook.findChildren<QLabel*>())
        notebookKeys << label->text();
    expectUniqueAccessKeys(QStringLiteral("notebook"), notebookKeys);
    QList<QAbstractButton*> notebookButtons;
    for (QAbstractButton* button : notebook.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            notebookButtons << button;
    expectCaptionsFit(notebookButtons);
    if (!language.isEmpty()) {
        EXPECT_FALSE(notebook.results()->toPlainText().startsWith(QStringLiteral("No results yet")));
    }
    QStringList controls = window->widgets.metalused->items();
    controls << shown[QStringLiteral("unknownrb")];
    expectUniqueAccessKeys(QStringLiteral("controls"),
                           controls + QStringList{shown[QStringLiteral("photonbt")], shown[QStringLiteral("Zoombt")]});
    expectUniqueAccessKeys(QStringLiteral("controls, light on and zoomed in"),
                           controls
                               + QStringList{shown[QStringLiteral("photonbt.on")], shown[QStringLiteral("Zoombt.in")]});
    // The notebook's menu came after the controls: it takes none of their keys.
    for (const char* state : {"Zoombt", "Zoombt.in", "photonbt", "photonbt.on"})
        expectUniqueAccessKeys(QStringLiteral("the Notebook menu and the controls"),
                               controls + QStringList{shown[QString::fromLatin1(state)], shown[QStringLiteral("Notebook1")]});
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow,
                         testing::Values(Language{"en_US", ""}, Language{"de_DE", "de"}, Language{"de_AT", "de"},
                                         Language{"fr_FR", "fr"}, Language{"es_ES", "es"}, Language{"pt_BR", "pt_BR"},
                                         Language{"it_IT", "it"}, Language{"pl_PL", "pl"}, Language{"tr_TR", "tr"},
                                         Language{"el_GR", "el"}, Language{"zh_CN", "zh_CN"}, Language{"ja_JP", ""}),
                         [](const testing::TestParamInfo<Language>& info) { return std::string(info.param.locale); });
