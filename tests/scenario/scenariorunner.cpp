#include "scenariorunner.h"

#include "app/aboutbox.h"
#include "app/imagecontrol.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "output.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

// A whole number, or nothing when the word is not one.
std::optional<int> number(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ScenarioRunner::ScenarioRunner() = default;

ScenarioRunner::~ScenarioRunner()
{
    if (!window_)
        return;
    for (Canvas* canvas : {&window_->pictures.tube, &window_->pictures.colourim, &window_->pictures.intentim})
        canvas->setObserver(nullptr);
}

void ScenarioRunner::refuse(const QString& reason)
{
    out::line(QStringLiteral("error: ") + reason);
    refused_ = true;
}

Tphotofrm& ScenarioRunner::window()
{
    return *window_;
}

void ScenarioRunner::run(const QString& line)
{
    if (line.isEmpty() || line.startsWith(u'#'))
        return;
    const QStringList words = line.split(u' ');
    const QString& command = words[0];
    const QString name = words.value(1);

    if (window_ && window_->closed() && command != QStringLiteral("get"))
        return refuse(QStringLiteral("the window is closed"));
    const bool needsWindow = command != QStringLiteral("create") && command != QStringLiteral("start")
        && command != QStringLiteral("screen") && command != QStringLiteral("trace")
        && command != QStringLiteral("printer");
    if (needsWindow && !window_ && !command.isEmpty())
        return refuse(QStringLiteral("no window yet: %1 needs create or start first").arg(command));

    if (command == QStringLiteral("create") && words.size() == 1) {
        create();
    } else if (command == QStringLiteral("show") && words.size() == 1) {
        show();
    } else if (command == QStringLiteral("start") && words.size() == 1) {
        create();
        show();
    } else if (command == QStringLiteral("resize") && words.size() == 1) {
        window().guarded([this] { window().FormResize(); });
    } else if (command == QStringLiteral("activate") && words.size() == 1) {
        window().guarded([this] { window().FormActivate(); });
    } else if (command == QStringLiteral("screen") && words.size() == 3 && number(words[1]) && number(words[2])) {
        screen_ = QSize(*number(words[1]), *number(words[2]));
    } else if (command == QStringLiteral("set") && words.size() >= 2) {
        set(name, line.mid(command.size() + name.size() + 2));
    } else if (command == QStringLiteral("step") && words.size() == 3) {
        step(name, words[2]);
    } else if (command == QStringLiteral("type") && words.size() >= 2) {
        type(name, line.mid(command.size() + name.size() + 2));
    } else if (command == QStringLiteral("key") && words.size() == 3) {
        key(name, words[2]);
    } else if (command == QStringLiteral("focus") && words.size() == 2) {
        focus(name);
    } else if (command == QStringLiteral("click") && words.size() == 2) {
        click(name);
    } else if (command == QStringLiteral("invoke") && words.size() == 2) {
        invoke(name);
    } else if (command == QStringLiteral("tick") && words.size() <= 2) {
        const std::optional<int> count = words.size() == 2 ? number(name) : 1;
        if (!count || *count < 0)
            return refuse(QStringLiteral("tick takes a whole number of ticks: %1").arg(name));
        tick(*count);
    } else if (command == QStringLiteral("trace") && words.size() == 2
               && (name == QStringLiteral("on") || name == QStringLiteral("off"))) {
        trace_.on = name == QStringLiteral("on");
    } else if (command == QStringLiteral("get") && name.startsWith(QStringLiteral("notebook."))) {
        getNotebook(line.mid(command.size() + 1));
    } else if (command == QStringLiteral("get") && words.size() == 2) {
        const qsizetype dot = name.indexOf(u'.');
        get(dot < 0 ? name : name.left(dot), dot < 0 ? QString() : name.mid(dot + 1));
    } else if (command == QStringLiteral("pixel") && words.size() == 4 && number(words[2]) && number(words[3])) {
        pixel(name, *number(words[2]), *number(words[3]));
    } else if (command == QStringLiteral("printer") && words.size() == 2) {
        if (name == QStringLiteral("none"))
            printer_.width.reset();
        else if (number(name))
            printer_.width = *number(name);
        else
            refuse(QStringLiteral("printer takes none or a width: %1").arg(name));
    } else {
        refuse(QStringLiteral("unknown command: %1").arg(line));
    }
    reportClosing();
}

void ScenarioRunner::reportClosing()
{
    if (window_ && window_->closed() && !closedReported_) {
        out::line(QStringLiteral("window closed"));
        closedReported_ = true;
    }
}

void ScenarioRunner::create()
{
    if (window_)
        return refuse(QStringLiteral("the window exists already"));
    Seams seams;
    seams.screenSize = [this] { return screen_; };
    seams.showError = [](const QString& caption, const QString& text) {
        out::line(QStringLiteral("error box %1 %2").arg(out::quoted(caption), out::quoted(text)));
    };
    seams.runModal = [](QDialog&) {};
    seams.printer = &printer_;
    printer_.echo = true;
    seams.decimalSeparator = u'.';
    seams.drawingObserver = &trace_;
    try {
        window_ = std::make_unique<Tphotofrm>(seams);
    } catch (const std::exception& error) {
        out::line(QStringLiteral("error: the window could not be created: %1").arg(QString::fromUtf8(error.what())));
        refused_ = true;
        return;
    }
    window_->aboutboxp = new Taboutboxp(window_.get());
}

void ScenarioRunner::show()
{
    window().guarded([this] { window().FormResize(); });
    window().guarded([this] { window().FormActivate(); });
}

QObject* ScenarioRunner::control(const QString& name)
{
    if (name == QStringLiteral("photofrm"))
        return window_.get();
    QObject* found = window().findChild<QObject*>(name);
    if (!found && window().aboutboxp && window().aboutboxp->objectName() == name)
        found = window().aboutboxp;
    if (!found)
        refuse(QStringLiteral("unknown name: %1").arg(name));
    return found;
}

void ScenarioRunner::set(const QString& name, const QString& value)
{
    QObject* target = control(name);
    if (!target)
        return;
    Control* core = window().controls.find(name);
    if (qobject_cast<QLineEdit*>(target))
        return window().guarded([&] { static_cast<EditBox*>(core)->setText(value); });
    const std::optional<int> n = number(value);
    if (!n)
        return refuse(QStringLiteral("%1 takes a whole number: %2").arg(name, value));
    if (qobject_cast<QScrollBar*>(target))
        return window().guarded([&] { static_cast<ScrollBar*>(core)->setValue(*n); });
    if (qobject_cast<QCheckBox*>(target)) {
        if (*n != 0 && *n != 1)
            return refuse(QStringLiteral("%1 takes 1 or 0: %2").arg(name, value));
        return window().guarded([&] { static_cast<CheckBox*>(core)->setChecked(*n == 1); });
    }
    if (auto* group = dynamic_cast<RadioGroupBox*>(target)) {
        if (*n < -1 || *n >= group->items().size())
            return refuse(QStringLiteral("%1 has no item %2").arg(name, value));
        return static_cast<RadioGroup*>(core)->setItemIndex(*n);
    }
    if (auto* action = qobject_cast<QAction*>(target); action && action->isCheckable()) {
        if (*n != 0 && *n != 1)
            return refuse(QStringLiteral("%1 takes 1 or 0: %2").arg(name, value));
        return static_cast<MenuItem*>(core)->setChecked(*n == 1);
    }
    refuse(QStringLiteral("%1 has no value to set").arg(name));
}

void ScenarioRunner::step(const QString& name, const QString& amount)
{
    auto* bar = qobject_cast<QScrollBar*>(control(name));
    if (!bar)
        return refused_ ? void() : refuse(QStringLiteral("%1 is not a scroll bar").arg(name));
    // The keys a user presses on a focused scroll bar for its arrows and
    // page areas.
    Qt::Key key;
    if (amount == QStringLiteral("+1"))
        key = Qt::Key_Right;
    else if (amount == QStringLiteral("-1"))
        key = Qt::Key_Left;
    else if (amount == QStringLiteral("+page"))
        key = Qt::Key_PageUp;
    else if (amount == QStringLiteral("-page"))
        key = Qt::Key_PageDown;
    else
        return refuse(QStringLiteral("step takes +1, -1, +page or -page: %1").arg(amount));
    QTest::keyClick(bar, key);
}

void ScenarioRunner::type(const QString& name, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(control(name));
    if (!edit)
        return refused_ ? void() : refuse(QStringLiteral("%1 is not an edit box").arg(name));
    for (const QChar c : text) {
        edit->end(false);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        if (window().closed())
            return;
    }
}

void ScenarioRunner::key(const QString& name, const QString& key)
{
    auto* edit = qobject_cast<QLineEdit*>(control(name));
    if (!edit)
        return refused_ ? void() : refuse(QStringLiteral("%1 is not an edit box").arg(name));
    if (key != QStringLiteral("backspace"))
        return refuse(QStringLiteral("unknown key: %1").arg(key));
    edit->end(false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
}

void ScenarioRunner::focus(const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(control(name));
    if (!widget)
        return refused_ ? void() : refuse(QStringLiteral("%1 cannot take the focus").arg(name));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusIn);
}

void ScenarioRunner::click(const QString& name)
{
    QObject* target = control(name);
    if (!target)
        return;
    if (auto* action = qobject_cast<QAction*>(target)) {
        if (!action->isVisible())
            return refuse(QStringLiteral("%1 is hidden").arg(name));
        if (!action->isEnabled())
            return refuse(QStringLiteral("%1 is disabled").arg(name));
        action->trigger();
        return afterAbout(target);
    }
    auto* button = qobject_cast<QAbstractButton*>(target);
    if (!button)
        return refuse(QStringLiteral("%1 cannot be clicked").arg(name));
    if (!button->isVisibleTo(&window()))
        return refuse(QStringLiteral("%1 is hidden").arg(name));
    if (!button->isEnabled())
        return refuse(QStringLiteral("%1 is disabled").arg(name));
    // A check box is hit on its mark, a button anywhere on its face.
    const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void ScenarioRunner::invoke(const QString& name)
{
    QObject* target = control(name);
    if (!target)
        return;
    // The click handler bound to the control, if it has one.
    const Control* core = window().controls.find(name);
    const Handler* handler = nullptr;
    if (const auto* button = dynamic_cast<const Button*>(core))
        handler = &button->onClick;
    else if (const auto* box = dynamic_cast<const CheckBox*>(core))
        handler = &box->onClick;
    else if (const auto* item = dynamic_cast<const MenuItem*>(core))
        handler = &item->onClick;
    const bool known = handler && *handler;
    window().guarded([&] {
        if (known)
            (*handler)();
    });
    if (!known)
        return refuse(QStringLiteral("%1 has no click handler").arg(name));
    afterAbout(target);
}

// Closing the About dialog gives the main window the focus back, which
// activates it.
void ScenarioRunner::afterAbout(QObject* control)
{
    if (control == window().widgets.About1 && !window().closed())
        window().guarded([this] { window().FormActivate(); });
}

void ScenarioRunner::tick(int count)
{
    for (int i = 0; i < count && !window().closed(); ++i) {
        if (window().controls.photons.isEnabled())
            window().guarded([this] { window().photonsTimer(); });
        else if (window().controls.zoomtimer.isEnabled())
            window().guarded([this] { window().zoomtimerTimer(); });
    }
}

void ScenarioRunner::pixel(const QString& image, int x, int y)
{
    QImage picture;
    if (image == QStringLiteral("clipboard")) {
        picture = QApplication::clipboard()->image();
        if (picture.isNull())
            return refuse(QStringLiteral("the clipboard holds no bitmap"));
    } else if (auto* control = dynamic_cast<ImageControl*>(this->control(image))) {
        picture = control->picture();
    } else {
        return refused_ ? void() : refuse(QStringLiteral("%1 is not an image").arg(image));
    }
    if (!picture.rect().contains(x, y))
        return refuse(QStringLiteral("%1 %2 lies outside %3").arg(x).arg(y).arg(image));
    out::line(
        QStringLiteral("pixel %1 %2 %3 = %4").arg(image).arg(x).arg(y).arg(out::colour(fromQRgb(picture.pixel(x, y)))));
}
