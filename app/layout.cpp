// The window's panels and controls, at their controls' positions.

#include "bevelpanel.h"
#include "imagecontrol.h"
#include "radiogroup.h"
#include "razorez.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr Colour paleYellow = 0xC7FDFE;
constexpr Colour khaki = 0x6D96A9;
constexpr Colour navy = 0x800000;

void fillWith(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(toQRgb(colour)));
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// Names the widget after its control and puts it where the control is.
template <typename Widget>
Widget* place(Widget* widget, const Control& control)
{
    widget->setObjectName(control.name());
    widget->setGeometry(control.geometry());
    return widget;
}

QScrollBar* scrollBar(QWidget* parent, const ScrollBar& control)
{
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), control);
    bar->setRange(control.minimum(), control.maximum());
    bar->setValue(control.value());
    bar->setSingleStep(control.singleStep());
    bar->setPageStep(control.pageStep());
    // A value, not a document: Right, Up, Page Up and the wheel turned away
    // all move it up, as on a slider.
    bar->setInvertedControls(false);
    return bar;
}

QLabel* label(QWidget* parent, const Control& control)
{
    auto* label = place(new QLabel(control.caption(), parent), control);
    label->adjustSize();
    return label;
}

QPushButton* button(QWidget* parent, const Button& control)
{
    return place(new QPushButton(control.caption(), parent), control);
}

} // namespace

void setCaptionWithoutAccessKey(QAbstractButton* button, const QString& caption, QShortcut* plainKey)
{
    button->setText(caption);
    button->setShortcut(QKeySequence());
    const QKeySequence withAlt = QKeySequence::mnemonic(caption);
    plainKey->setKey(withAlt.isEmpty() ? QKeySequence() : QKeySequence(withAlt[0].key()));
}

std::vector<QWidget*> Tphotofrm::keyboardOrder() const
{
    const WindowWidgets& w = widgets;
    std::vector<QWidget*> order{w.retardsb, w.intensitysb, w.coloursb, w.unknownrb, w.photonbt};
    for (QWidget* item : w.metalused->buttons())
        order.push_back(item);
    order.insert(order.end(), {w.Zoombt, w.slowrb, w.wfeb, w.BitBtn1, w.tube});
    return order;
}

void Tphotofrm::createPanels()
{
    WindowWidgets& w = widgets;
    fillWith(this, colours::white);
    QFont systemFont(QStringLiteral("System"));
    systemFont.setPixelSize(13);
    setFont(systemFont);

    w.clientArea = new QWidget(this);
    w.colourbt = button(w.clientArea, controls.colourbt);
    w.tubebt = button(w.clientArea, controls.tubebt);

    w.photopl = place(new BevelPanel(w.clientArea, paleYellow, 1, 0, 0), controls.photopl);
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(13);
    panelFont.setBold(true);
    w.photopl->setFont(panelFont);
    QPalette panelText = w.photopl->palette();
    panelText.setColor(QPalette::WindowText, Qt::black);
    w.photopl->setPalette(panelText);

    w.GroupBox1 = place(new FrameGroupBox(controls.GroupBox1.caption(), w.photopl), controls.GroupBox1);
    fillWith(w.GroupBox1, khaki);
    w.Panel1 = place(new BevelPanel(w.photopl, navy, 5, 4, 5), controls.Panel1);
    w.zoomtubebt = button(w.photopl, controls.zoomtubebt);

    w.colourim = place(new ImageControl(pictures.colourim, w.Panel1), controls.colourim);
    w.intentim = place(new ImageControl(pictures.intentim, w.Panel1), controls.intentim);
    w.tube = place(new ImageControl(pictures.tube, w.Panel1), controls.tube);

    w.variablepl = place(new BevelPanel(w.Panel1, colours::white, 0, 0, 0), controls.variablepl);
    w.GroupBox2 = place(new FrameGroupBox(controls.GroupBox2.caption(), w.variablepl), controls.GroupBox2);
    w.wlb = label(w.GroupBox2, controls.wlb);
    w.flb = label(w.GroupBox2, controls.flb);
    w.elb = label(w.GroupBox2, controls.elb);

    w.BitBtn1 = place(new QPushButton(w.photopl), controls.BitBtn1);
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
        w.BitBtn1->setIcon(icon);
        w.BitBtn1->setIconSize(glyph.size());
    }
    w.BitBtn1->raise();
}

void Tphotofrm::createControls()
{
    WindowWidgets& w = widgets;
    w.voltlb = label(w.GroupBox1, controls.voltlb);
    w.intlb = label(w.GroupBox1, controls.intlb);
    w.wavelb = label(w.GroupBox1, controls.wavelb);
    w.retardsb = scrollBar(w.GroupBox1, controls.retardsb);
    w.intensitysb = scrollBar(w.GroupBox1, controls.intensitysb);
    w.coloursb = scrollBar(w.GroupBox1, controls.coloursb);
    w.photonbt = button(w.GroupBox1, controls.photonbt);
    w.Zoombt = button(w.GroupBox1, controls.Zoombt);
    w.slowrb = place(new QCheckBox(controls.slowrb.caption(), w.GroupBox1), controls.slowrb);
    w.metalused = place(new RadioGroupBox(controls.metalused.caption(), controls.metalused.items(), 2, w.GroupBox1),
                        controls.metalused);
    w.metalused->setItemIndex(controls.metalused.itemIndex());
    w.unknownrb = place(new QCheckBox(controls.unknownrb.caption(), w.GroupBox1), controls.unknownrb);
    w.wfeb = place(new QLineEdit(controls.wfeb.text(), w.GroupBox1), controls.wfeb);
    // The check boxes and the radio group are opaque in the group's colour:
    // unknownrb hides the part of the radio group's frame behind it.
    for (QWidget* control :
         {static_cast<QWidget*>(w.slowrb), static_cast<QWidget*>(w.metalused), static_cast<QWidget*>(w.unknownrb)})
        fillWith(control, khaki);
    w.unknownrb->raise();
    w.wfeb->raise();

    // Scroll bars take no focus unless told; the picture takes it last, so
    // that its description and pop-up menu can be reached from the keyboard.
    for (QWidget* focusable : {static_cast<QWidget*>(w.retardsb), static_cast<QWidget*>(w.intensitysb),
                               static_cast<QWidget*>(w.coloursb), static_cast<QWidget*>(w.tube)})
        focusable->setFocusPolicy(Qt::StrongFocus);
    QWidget* previous = nullptr;
    for (QWidget* next : keyboardOrder()) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    w.retardsb->setFocus();

    // Alt+O belongs to the Options menu; the light button answers to a plain
    // O (the letter its caption underlines) while the focus is inside the
    // controls.
    w.lightKey = new QShortcut(QKeySequence(), w.GroupBox1, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    setCaptionWithoutAccessKey(w.photonbt, w.photonbt->text(), w.lightKey);
    connect(w.lightKey, &QShortcut::activated, w.photonbt, &QAbstractButton::click);

    // Buttons, check boxes and radio items are announced by their captions;
    // the controls without one by the label a sighted user reads beside them.
    w.retardsb->setAccessibleName(w.voltlb->text());
    w.intensitysb->setAccessibleName(w.intlb->text());
    w.coloursb->setAccessibleName(w.wavelb->text());
    w.wfeb->setAccessibleName(QCoreApplication::translate("Window", "Metal 4 number"));
    w.BitBtn1->setAccessibleName(QCoreApplication::translate("Window", "Exit"));
    w.tube->setAccessibleName(QCoreApplication::translate("Window", "Picture of the apparatus"));

    for (const Timer* control : {&controls.photons, &controls.zoomtimer}) {
        auto* timer = new QTimer(this);
        timer->setObjectName(control->name());
        timer->setInterval(control->interval());
        timer->setTimerType(Qt::PreciseTimer);
        (control == &controls.photons ? w.photons : w.zoomtimer) = timer;
    }
}
