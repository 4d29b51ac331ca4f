// What `get` knows: control properties, canvas state and shared variables.

#include "app/imagecontrol.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "notebook/results.h"
#include "output.h"
#include "scenariorunner.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <optional>

namespace {

template <typename Values, typename Format>
QString list(const Values& values, Format format)
{
    QStringList words;
    for (const auto& value : values)
        words << format(value);
    return words.join(u' ');
}

std::optional<QString> sharedVariable(const Tphotofrm& window, const QString& name)
{
    const Experiment& s = window.state;
    if (name == QStringLiteral("scale"))
        return out::real(s.scale);
    if (name == QStringLiteral("emitterx"))
        return QString::number(s.emitterx);
    if (name == QStringLiteral("collectorx"))
        return QString::number(s.collectorx);
    if (name == QStringLiteral("platetop"))
        return QString::number(s.platetop);
    if (name == QStringLiteral("plateheight"))
        return QString::number(s.plateheight);
    if (name == QStringLiteral("photonenergy"))
        return out::real(s.photonenergy);
    if (name == QStringLiteral("currentflowing"))
        return QString::number(s.currentflowing);
    if (name == QStringLiteral("colourindex"))
        return QString::number(s.colourindex);
    if (name == QStringLiteral("colourcanvas"))
        return s.colourcanvas ? s.colourcanvas->name() : QStringLiteral("nil");
    if (name == QStringLiteral("workfunctions"))
        return list(s.workfunctions, out::real);
    if (name == QStringLiteral("electronoffsets"))
        return list(s.electronoffsets, [](int lane) { return QString::number(lane); });
    return std::nullopt;
}

// Visible and Enabled are the control's own flags, as the program set them.
std::optional<QString> widgetProperty(QWidget* widget, const QString& property)
{
    if (property == QStringLiteral("Visible"))
        return out::boolean(!widget->isHidden());
    if (property == QStringLiteral("Enabled"))
        return out::boolean(widget->isEnabled());
    return std::nullopt;
}

std::optional<QString> controlProperty(Tphotofrm& window, QObject* control, const QString& property)
{
    if (control == &window) {
        const QRect outer = window.frameGeometry();
        if (property == QStringLiteral("Caption"))
            return out::quoted(window.windowTitle());
        if (property == QStringLiteral("Left"))
            return QString::number(outer.x());
        if (property == QStringLiteral("Top"))
            return QString::number(outer.y());
        if (property == QStringLiteral("Width"))
            return QString::number(outer.width());
        if (property == QStringLiteral("Height"))
            return QString::number(outer.height());
        return std::nullopt;
    }
    if (auto* bar = qobject_cast<QScrollBar*>(control)) {
        if (property == QStringLiteral("Position"))
            return QString::number(bar->value());
        if (property == QStringLiteral("Min"))
            return QString::number(bar->minimum());
        if (property == QStringLiteral("Max"))
            return QString::number(bar->maximum());
        if (property == QStringLiteral("SmallChange"))
            return QString::number(bar->singleStep());
        if (property == QStringLiteral("LargeChange"))
            return QString::number(bar->pageStep());
        return widgetProperty(bar, property);
    }
    if (auto* timer = qobject_cast<QTimer*>(control)) {
        if (property == QStringLiteral("Enabled"))
            return out::boolean(timer->isActive());
        if (property == QStringLiteral("Interval"))
            return QString::number(timer->interval());
        if (property == QStringLiteral("Tag"))
            return QString::number(static_cast<const Timer*>(window.controls.find(timer->objectName()))->tag());
        return std::nullopt;
    }
    if (auto* action = qobject_cast<QAction*>(control)) {
        if (property == QStringLiteral("Caption"))
            return out::quoted(action->text());
        if (property == QStringLiteral("Visible"))
            return out::boolean(action->isVisible());
        if (property == QStringLiteral("Enabled"))
            return out::boolean(action->isEnabled());
        if (property == QStringLiteral("Checked"))
            return out::boolean(action->isChecked());
        return std::nullopt;
    }
    if (auto* image = dynamic_cast<ImageControl*>(control)) {
        Canvas& canvas = image->canvas();
        if (property == QStringLiteral("Width"))
            return QString::number(image->width());
        if (property == QStringLiteral("Height"))
            return QString::number(image->height());
        if (property == QStringLiteral("Pen"))
            return out::pen(canvas);
        if (property == QStringLiteral("Brush"))
            return out::brush(canvas);
        if (property == QStringLiteral("Font"))
            return out::font(canvas);
        if (property == QStringLiteral("CopyMode"))
            return out::copyMode(canvas);
        return widgetProperty(image, property);
    }
    if (auto* group = dynamic_cast<RadioGroupBox*>(control)) {
        if (property == QStringLiteral("ItemIndex"))
            return QString::number(group->itemIndex());
        if (property == QStringLiteral("Items"))
            return list(group->items(), out::quoted);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (property == QStringLiteral("Text"))
            return out::quoted(edit->text());
        return widgetProperty(edit, property);
    }
    auto* widget = qobject_cast<QWidget*>(control);
    if (!widget)
        return std::nullopt;
    if (property == QStringLiteral("Caption")) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return out::quoted(button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            return out::quoted(label->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            return out::quoted(box->title());
        return out::quoted(QString());
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget); box && property == QStringLiteral("Checked"))
        return out::boolean(box->isChecked());
    if (qobject_cast<QPushButton*>(widget) && property == QStringLiteral("Tag"))
        return QString::number(static_cast<const Button*>(window.controls.find(widget->objectName()))->tag());
    return widgetProperty(widget, property);
}

} // namespace

void ScenarioRunner::get(const QString& name, const QString& property)
{
    const QString asked = property.isEmpty() ? name : name + u'.' + property;
    if (name == QStringLiteral("clipboard") && property.isEmpty()) {
        const QImage image = QApplication::clipboard()->image();
        return out::line(asked + QStringLiteral(" = ")
                         + (image.isNull() ? QStringLiteral("empty")
                                           : QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
    }
    if (property.isEmpty()) {
        if (const std::optional<QString> value = sharedVariable(window(), name))
            return out::line(asked + QStringLiteral(" = ") + *value);
        if (!window().findChild<QObject*>(name) && name != QStringLiteral("photofrm"))
            return refuse(QStringLiteral("unknown name: %1").arg(name));
        return refuse(QStringLiteral("%1 needs a property, as in %1.Caption").arg(name));
    }
    QObject* target = control(name);
    if (!target)
        return;
    if (const std::optional<QString> value = controlProperty(window(), target, property))
        return out::line(asked + QStringLiteral(" = ") + *value);
    refuse(QStringLiteral("%1 has no property %2").arg(name, property));
}

namespace {

// One field of a recorded row, as `get notebook.Row N.FIELD` prints it.
std::optional<QString> rowField(const Measurement& row, const QString& field)
{
    const QString hidden = QStringLiteral("hidden");
    if (field == QStringLiteral("Metal"))
        return QString::number(row.metal);
    if (field == QStringLiteral("Unknown"))
        return out::boolean(row.unknown);
    if (field == QStringLiteral("Metal4Number"))
        return row.unknown && row.metal == 4 ? out::quoted(row.metal4Number) : QStringLiteral("none");
    if (field == QStringLiteral("Wavelength"))
        return row.wavelength ? QString::number(*row.wavelength) : hidden;
    if (field == QStringLiteral("Frequency"))
        return row.frequency ? out::real(*row.frequency) : hidden;
    if (field == QStringLiteral("Energy"))
        return row.energy ? out::real(*row.energy) : hidden;
    if (field == QStringLiteral("Intensity"))
        return QString::number(row.intensity);
    if (field == QStringLiteral("Voltage"))
        return out::real(row.voltage);
    if (field == QStringLiteral("Current"))
        return QString::number(row.current);
    return std::nullopt;
}

// A known metal's least-squares line (`Fit`), its standard errors
// (`FitError`) or the range of lines through its error bars (`FitRange`).
QString fitValue(const MetalResults* metal, const QString& what)
{
    const QString none = QStringLiteral("none");
    const LineFit* fit = metal && metal->fit ? &*metal->fit : nullptr;
    if (what == QStringLiteral("Fit"))
        return fit ? out::real(fit->slope) + u' ' + out::real(fit->workFunction) : none;
    if (what == QStringLiteral("FitError"))
        return fit && fit->errors ? out::real(fit->errors->slope) + u' ' + out::real(fit->errors->workFunction) : none;
    if (!metal || !metal->lines)
        return none;
    const LinesThroughBars& lines = *metal->lines;
    if (!lines.consistent)
        return QStringLiteral("inconsistent");
    return QStringList{out::real(lines.slopeMin), out::real(lines.slopeMax), out::real(lines.workFunctionMin),
                       out::real(lines.workFunctionMax)}
        .join(u' ');
}

} // namespace

// `notebook.Rows`, `notebook.Row N.FIELD`, and `notebook.Fit M` with its errors and range.
void ScenarioRunner::getNotebook(const QString& asked)
{
    const std::vector<Measurement>& rows = window().notebook.rows();
    static const QRegularExpression rowPattern(QStringLiteral("^notebook\\.Row (\\d+)\\.(\\w+)$"));
    static const QRegularExpression fitPattern(QStringLiteral("^notebook\\.(Fit|FitError|FitRange) (U?)([1-4])$"));
    if (asked == QStringLiteral("notebook.Rows"))
        return out::line(asked + QStringLiteral(" = ") + QString::number(rows.size()));
    if (const QRegularExpressionMatch match = rowPattern.match(asked); match.hasMatch()) {
        const qsizetype number = match.captured(1).toLongLong();
        if (number < 1 || number > static_cast<qsizetype>(rows.size()))
            return refuse(QStringLiteral("the notebook has no row %1").arg(match.captured(1)));
        if (const std::optional<QString> value = rowField(rows[number - 1], match.captured(2)))
            return out::line(asked + QStringLiteral(" = ") + *value);
        return refuse(QStringLiteral("a notebook row has no field %1").arg(match.captured(2)));
    }
    if (const QRegularExpressionMatch match = fitPattern.match(asked); match.hasMatch()) {
        if (!match.captured(2).isEmpty())
            return out::line(asked + QStringLiteral(" = hidden"));
        const std::vector<MetalResults> results = analyse(rows);
        const MetalResults* metal = knownMetal(results, match.captured(3).toInt());
        return out::line(asked + QStringLiteral(" = ") + fitValue(metal, match.captured(1)));
    }
    refuse(QStringLiteral("unknown name: %1").arg(asked));
}
