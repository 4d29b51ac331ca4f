// The window's panels and controls, at their design positions and sizes.

#include "bevelpanel.h"
#include "imagecontrol.h"
#include "radiogroup.h"
#include "razorez.h"
#include "tagbutton.h"
#include "tagtimer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

constexpr TColor paleYellow = 0xC7FDFE;
constexpr TColor khaki = 0x6D96A9;
constexpr TColor navy = 0x800000;

void fillWith(QWidget* widget, TColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(toQRgb(colour)));
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QScrollBar* scrollBar(QWidget* parent, const char* name, int left, int top, int min, int max, int position,
                      int smallStep, int largeStep)
{
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), name, left, top, 121, 17);
    bar->setRange(min, max);
    bar->setValue(position);
    bar->setSingleStep(smallStep);
    bar->setPageStep(largeStep);
    // A value, not a document: Right, Up, Page Up and the wheel turned away
    // all move it up, as on a slider.
    bar->setInvertedControls(false);
    return bar;
}

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& caption)
{
    auto* label = place(new QLabel(caption, parent), name, left, top, 0, 0);
    label->adjustSize();
    return label;
}

TagButton* hiddenAction(QWidget* parent, const char* name, int left)
{
    auto* button = place(new TagButton(QString::fromLatin1(name), parent), name, left, 0, 89, 17);
    button->hide();
    return button;
}

} // namespace

void dropAccessKey(QAbstractButton* button)
{
    button->setShortcut(QKeySequence());
}

void setCaptionWithoutAccessKey(QAbstractButton* button, const QString& caption, QShortcut* plainKey)
{
    button->setText(caption);
    dropAccessKey(button);
    if (plainKey) {
        const QKeySequence withAlt = QKeySequence::mnemonic(caption);
        plainKey->setKey(withAlt.isEmpty() ? QKeySequence() : QKeySequence(withAlt[0].key()));
    }
}

std::vector<QWidget*> Tphotofrm::keyboardOrder() const
{
    std::vector<QWidget*> order{retardsb, intensitysb, coloursb, unknownrb, photonbt};
    for (QWidget* item : metalused->items())
        order.push_back(item);
    order.insert(order.end(), {Zoombt, slowrb, wfeb, BitBtn1, tube});
    return order;
}

void Tphotofrm::createPanels()
{
    fillWith(this, clWhite);
    QFont systemFont(QStringLiteral("System"));
    systemFont.setPixelSize(13);
    setFont(systemFont);

    clientArea = new QWidget(this);
    colourbt = hiddenAction(clientArea, "colourbt", 8);
    tubebt = hiddenAction(clientArea, "tubebt", 112);

    photopl = place(new BevelPanel(clientArea, paleYellow, 1, 0, 0), "photopl", 0, 0, 801, 561);
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(13);
    panelFont.setBold(true);
    photopl->setFont(panelFont);
    QPalette panelText = photopl->palette();
    panelText.setColor(QPalette::WindowText, Qt::black);
    photopl->setPalette(panelText);

    GroupBox1 = place(new FrameGroupBox(QCoreApplication::translate("Window", "Controls"), photopl), "GroupBox1", 8,
                      412, 785, 137);
    fillWith(GroupBox1, khaki);
    Panel1 = place(new BevelPanel(photopl, navy, 5, 4, 5), "Panel1", 32, 8, 737, 401);
    zoomtubebt = hiddenAction(photopl, "zoomtubebt", 328);

    colourim = place(new ImageControl(QStringLiteral("colourim"), Panel1), "colourim", 14, 14, 709, 373);
    colourim->hide();
    intentim = place(new ImageControl(QStringLiteral("intentim"), Panel1), "intentim", 14, 14, 709, 373);
    intentim->hide();
    tube = place(new ImageControl(QStringLiteral("tube"), Panel1), "tube", 14, 14, 709, 373);

    variablepl = place(new BevelPanel(Panel1, clWhite, 0, 0, 0), "variablepl", 576, 160, 137, 81);
    GroupBox2 = place(new FrameGroupBox(QCoreApplication::translate("Window", "Photon Properties"), variablepl),
                      "GroupBox2", 0, 0, 137, 81);
    wlb = label(GroupBox2, "wlb", 10, 16, QStringLiteral("wlb"));
    flb = label(GroupBox2, "flb", 10, 36, QStringLiteral("flb"));
    elb = label(GroupBox2, "elb", 10, 56, QStringLiteral("elb"));

    BitBtn1 = place(new TagButton(photopl), "BitBtn1", 727, 487, 57, 57);
    QPixmap glyph(QStringLiteral(":/resources/exit.bmp"));
    if (!glyph.isNull()) {
        glyph.setMask(glyph.createMaskFromColor(glyph.toImage().pixelColor(0, glyph.height() - 1)));
        // On a scaled screen the glyph's pixels are repeated, never smoothed.
        QIcon icon(glyph);
        if (const qreal ratio = devicePixelRatioF(); ratio != 1.0) {
            QPixmap sharp = glyph.scaled(glyph.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            sharp.setDevicePixelRatio(ratio);
            icon.addPixmap(sharp);
        }
        BitBtn1->setIcon(icon);
        BitBtn1->setIconSize(glyph.size());
    }
    BitBtn1->raise();
}

void Tphotofrm::createControls()
{
    voltlb = label(GroupBox1, "voltlb", 27, 20, QCoreApplication::translate("Window", "Retarding Voltage"));
    intlb = label(GroupBox1, "intlb", 58, 81, QCoreApplication::translate("Window", "Intensity"));
    wavelb = label(GroupBox1, "wavelb", 198, 81, QCoreApplication::translate("Window", "Photon Energy"));
    retardsb = scrollBar(GroupBox1, "retardsb", 24, 48, 0, 3000, 0, 1, 20);
    intensitysb = scrollBar(GroupBox1, "intensitysb", 24, 104, 1, 10, 5, 1, 1);
    coloursb = scrollBar(GroupBox1, "coloursb", 186, 104, 0, 1279, 0, 1, 32);
    photonbt = place(new TagButton(QCoreApplication::translate("Window", "Light &On"), GroupBox1), "photonbt", 202,
                     28, 89, 33);
    Zoombt = place(new TagButton(QCoreApplication::translate("Window", "&Zoom In"), GroupBox1), "Zoombt", 360, 28,
                   89, 33);
    Zoombt->setEnabled(false);
    // A few pixels wider than the classic layout, so that the caption is not
    // cut short by this platform's wider check mark; nothing lies beside it.
    slowrb = place(new QCheckBox(QCoreApplication::translate("Window", "Slower Photoelectrons"), GroupBox1),
                   "slowrb", 336, 76, 161, 17);
    slowrb->setEnabled(false);
    metalused = place(new RadioGroup(QCoreApplication::translate("Window", "Metal"),
                                     {QCoreApplication::translate("Window", "&1 (1.50 eV)"),
                                      QCoreApplication::translate("Window", "&2 (1.75 eV)"),
                                      QCoreApplication::translate("Window", "&3 (2.10 eV) "),
                                      QCoreApplication::translate("Window", "&4 (2.60 eV)")},
                                     2, GroupBox1),
                      "metalused", 512, 32, 193, 89);
    metalused->setItemIndex(0);
    unknownrb = place(new QCheckBox(QCoreApplication::translate("Window", " &Unknown Metals"), GroupBox1),
                      "unknownrb", 568, 32, 129, 17);
    wfeb = place(new QLineEdit(QStringLiteral("1"), GroupBox1), "wfeb", 641, 89, 49, 24);
    wfeb->hide();
    // The check boxes and the radio group are opaque in the group's colour:
    // unknownrb hides the part of the radio group's frame behind it.
    for (QWidget* control : {static_cast<QWidget*>(slowrb), static_cast<QWidget*>(metalused),
                             static_cast<QWidget*>(unknownrb)})
        fillWith(control, khaki);
    unknownrb->raise();
    wfeb->raise();

    // Scroll bars take no focus unless told; the picture takes it last, so
    // that its description and pop-up menu can be reached from the keyboard.
    for (QWidget* focusable : {static_cast<QWidget*>(retardsb), static_cast<QWidget*>(intensitysb),
                               static_cast<QWidget*>(coloursb), static_cast<QWidget*>(tube)})
        focusable->setFocusPolicy(Qt::StrongFocus);
    QWidget* previous = nullptr;
    for (QWidget* next : keyboardOrder()) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    retardsb->setFocus();

    // Alt+O belongs to the Options menu; the light button answers to a plain
    // O (the letter its caption underlines) while the focus is inside the
    // controls.
    lightKey = new QShortcut(QKeySequence(), GroupBox1, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    setCaptionWithoutAccessKey(photonbt, photonbt->text(), lightKey);
    connect(lightKey, &QShortcut::activated, photonbt, &QAbstractButton::click);

    // Buttons, check boxes and radio items are announced by their captions;
    // the controls without one by the label a sighted user reads beside them.
    retardsb->setAccessibleName(voltlb->text());
    intensitysb->setAccessibleName(intlb->text());
    coloursb->setAccessibleName(wavelb->text());
    wfeb->setAccessibleName(QCoreApplication::translate("Window", "Metal 4 number"));
    BitBtn1->setAccessibleName(QCoreApplication::translate("Window", "Exit"));
    tube->setAccessibleName(QCoreApplication::translate("Window", "Picture of the apparatus"));

    photons = new TagTimer(this);
    photons->setObjectName(QStringLiteral("photons"));
    zoomtimer = new TagTimer(this);
    zoomtimer->setObjectName(QStringLiteral("zoomtimer"));
    for (TagTimer* timer : {photons, zoomtimer}) {
        timer->setInterval(50);
        timer->setTimerType(Qt::PreciseTimer);
    }
}
