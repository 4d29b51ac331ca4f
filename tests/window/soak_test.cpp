// A long, seeded random walk through the main window: user actions through
// Qt's own paths, the program's own changes and timer ticks, with the
// window's invariants checked after every step. LUMETRA_SOAK_STEPS sets the
// length (default 200000), LUMETRA_SOAK_SEED the seed.

#include "app/radiogroup.h"
#include "app/razorez.h"
#include "render/canvas.h"
#include "support/recordingprinter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

long envNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// Counts the electrons drawn across the edge of the 709 x 373 picture, where
// only clipping keeps the drawing inside it.
struct EdgeCounter : CanvasObserver
{
    long crossings = 0;
    void shape(const Canvas&, const char* operation, std::span<const int> xy) override
    {
        crossings += std::strcmp(operation, "Ellipse") == 0 && (xy[0] < 0 || xy[1] < 0 || xy[2] > 709 || xy[3] > 373);
    }
    void text(const Canvas&, int, int, const QString&) override { }
    void copy(const Canvas&, const TRect&, const Canvas&, const TRect&) override { }
};

class Soak
{
public:
    explicit Soak(std::uint32_t seed)
        : seed_(seed)
        , random_(seed)
    {
        Seams seams;
        seams.screenSize = [] { return QSize(1024, 768); };
        seams.showError = [this](const QString& caption, const QString& text) { onError(caption, text); };
        seams.runModal = [](QDialog&) {};
        seams.printer = &printer_;
        seams.drawingObserver = &edges;
        w_ = std::make_unique<Tphotofrm>(seams);
        w_->FormResize();
        w_->FormActivate();
        current_ = this;
#if defined(__SANITIZE_ADDRESS__)
        // A sanitizer report ends the process: say how to get there again.
        __sanitizer_set_death_callback([] {
            if (current_)
                std::fputs(current_->log().c_str(), stderr);
        });
#endif
    }
    ~Soak()
    {
        current_ = nullptr;
    }

    void run(long steps);
    bool failed() const
    {
        return failed_;
    }
    std::string coverage() const;

    // How much of the window the walk reached.
    EdgeCounter edges;
    long ticks = 0, fullViewTicks = 0, zoomedTicks = 0, fullZoomedStreams = 0, turnedBack = 0, wraps = 0,
         expectedErrors = 0;

private:
    struct Action
    {
        const char* name;
        double weight;
        std::function<bool()> run; // false: a user could not do it now
    };

    std::vector<Action> actions();
    void tick();
    void onError(const QString& caption, const QString& text);
    void check(double metal4Before);
    QString randomText();
    int pick(int from, int to)
    {
        return std::uniform_int_distribution<int>(from, to)(random_);
    }
    bool chance(double p)
    {
        return std::bernoulli_distribution(p)(random_);
    }
    bool usable(QWidget* control) const
    {
        return control->isVisibleTo(w_.get()) && control->isEnabled();
    }
    void note(const QString& what)
    {
        log_.push_back(what.toStdString());
        if (log_.size() > 20)
            log_.pop_front();
    }
    std::string log() const
    {
        std::string text = "soak seed " + std::to_string(seed_) + ", step " + std::to_string(step_)
            + "; the last actions, oldest first:\n";
        for (const std::string& action : log_)
            text += "  " + action + '\n';
        return text;
    }

    static inline Soak* current_ = nullptr;
    std::uint32_t seed_;
    std::mt19937 random_;
    RecordingPrinter printer_;
    std::unique_ptr<Tphotofrm> w_;
    std::deque<std::string> log_;
    long step_ = 0;
    int pendingTicks_ = 0;
    bool failed_ = false;
    // What the present step may report, and what it did.
    bool wfebErrorsAllowed_ = false, noPrinterAllowed_ = false, wfebErrorSeen_ = false, fullViewTicked_ = false;
    std::vector<QString> unexpected_;
};

// Characters a user might type into the metal-4 box: mostly a number's, some
// that break it, some from outside ASCII.
QString Soak::randomText()
{
    static const QString alphabet = QStringLiteral("0123456789012345678.-+eE  ax,\u00e9\u0192\u00a0\uff11\u0663");
    QString text;
    for (int n = pick(0, 10); n > 0; --n)
        text += alphabet[pick(0, int(alphabet.size()) - 1)];
    return text;
}

std::vector<Soak::Action> Soak::actions()
{
    Tphotofrm& w = *w_;
    const auto bar = [&w, this] {
        return std::array{w.widgets.retardsb, w.widgets.intensitysb, w.widgets.coloursb}[pick(0, 2)];
    };
    // The retarding voltage leans high, so that electrons turn back.
    const auto position = [&w, this](QScrollBar* b) {
        return b == w.widgets.retardsb && chance(0.5) ? pick(2000, 3000) : pick(b->minimum(), b->maximum());
    };
    const auto click = [this](QAbstractButton* button) {
        if (!usable(button))
            return false;
        note(QStringLiteral("click %1").arg(button->objectName()));
        button->click();
        return true;
    };
    const auto trigger = [this](QAction* item) {
        if (!item->isEnabled())
            return false;
        note(QStringLiteral("trigger %1").arg(item->objectName()));
        item->trigger();
        return true;
    };
    const auto runOfTicks = [this](int from, int to) {
        pendingTicks_ = pick(from, to);
        tick();
        return true;
    };
    using Slider = QAbstractSlider;
    return {
        {"arrow or page click", 10,
         [=, &w, this] {
             QScrollBar* b = bar();
             const int kind = pick(0, 3);
             if (!usable(b))
                 return false;
             note(QStringLiteral("%1 action %2").arg(b->objectName()).arg(kind));
             b->triggerAction(std::array{Slider::SliderSingleStepAdd, Slider::SliderSingleStepSub,
                                         Slider::SliderPageStepAdd, Slider::SliderPageStepSub}[kind]);
             return true;
         }},
        {"thumb drag", 6,
         [=, this] {
             QScrollBar* b = bar();
             const int to = position(b);
             if (!usable(b))
                 return false;
             note(QStringLiteral("drag %1 to %2").arg(b->objectName()).arg(to));
             b->setValue(to);
             return true;
         }},
        {"light switch", 4, [=, &w] { return click(w.widgets.photonbt); }},
        {"zoom button", 5, [=, &w] { return click(w.widgets.Zoombt); }},
        {"unknown metals", 2,
         [=, &w, this] {
             wfebErrorsAllowed_ = true;
             return click(w.widgets.unknownrb);
         }},
        {"slower photoelectrons", 3, [=, &w] { return click(w.widgets.slowrb); }},
        {"options item", 4,
         [=, &w, this] {
             return trigger(std::array{w.widgets.ShowWavelength1, w.widgets.ShowFrequency1, w.widgets.ShowEnergyev1,
                                       w.widgets.ShowPhoto}[pick(0, 3)]);
         }},
        {"copy", 1, [=, &w, this] { return trigger(chance(0.5) ? w.widgets.Copy1 : w.widgets.copy2); }},
        {"print", 1,
         [=, &w, this] {
             const int width = std::array{-1, 0, 1000, 2400, 9583}[pick(0, 4)];
             printer_.width = width < 0 ? std::nullopt : std::optional<int>(width);
             printer_.calls.clear();
             noPrinterAllowed_ = width < 0;
             note(QStringLiteral("printer width %1").arg(width));
             return trigger(chance(0.5) ? w.widgets.Print1 : w.widgets.Print2);
         }},
        {"choose a metal", 4,
         [&w, this] {
             const int index = pick(0, 3);
             note(QStringLiteral("choose metal %1").arg(index));
             w.widgets.metalused->setItemIndex(index);
             return true;
         }},
        {"key in the metal-4 box", 8,
         [&w, this] {
             const bool erase = chance(0.35);
             const QString text = erase ? QString() : randomText().left(1);
             if (!usable(w.widgets.wfeb))
                 return false;
             note(erase ? QStringLiteral("key backspace") : QStringLiteral("key \"%1\"").arg(text));
             wfebErrorsAllowed_ = true;
             w.widgets.wfeb->end(false);
             QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : 0, Qt::NoModifier, text);
             QApplication::sendEvent(w.widgets.wfeb, &press);
             return true;
         }},
        {"focus the metal-4 box", 2,
         [&w, this] {
             if (!usable(w.widgets.wfeb))
                 return false;
             note(QStringLiteral("focus wfeb"));
             QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
             QApplication::sendEvent(w.widgets.wfeb, &focusIn);
             return true;
         }},
        {"activation", 1,
         [&w, this] {
             note(QStringLiteral("activate"));
             w.guarded([&w] { w.FormActivate(); });
             return true;
         }},
        // The program's own changes, with values a user could not give.
        {"program sets a scroll bar", 3,
         [=, &w, this] {
             QScrollBar* b = bar();
             const int to = chance(0.2) ? pick(-5000, 5000) : position(b);
             note(QStringLiteral("set %1 %2").arg(b->objectName()).arg(to));
             w.guarded([&w, b, to] { static_cast<ScrollBar*>(w.controls.find(b->objectName()))->setValue(to); });
             return true;
         }},
        {"program sets a check box", 2,
         [&w, this] {
             QCheckBox* box = chance(0.5) ? w.widgets.unknownrb : w.widgets.slowrb;
             const bool checked = chance(0.5);
             note(QStringLiteral("set %1 %2").arg(box->objectName()).arg(checked));
             wfebErrorsAllowed_ = true;
             w.guarded([&w, box, checked] {
                 static_cast<CheckBox*>(w.controls.find(box->objectName()))->setChecked(checked);
             });
             return true;
         }},
        {"program sets the metal-4 text", 2,
         [&w, this] {
             const QString text = chance(0.1) ? QStringLiteral("1e%1").arg(pick(15, 400)) : randomText();
             note(QStringLiteral("set wfeb \"%1\"").arg(text));
             wfebErrorsAllowed_ = true;
             w.guarded([&w, &text] { w.controls.wfeb.setText(text); });
             return true;
         }},
        // Timer ticks, one at a time or in runs; long runs while zoomed, so
        // that the zoomed view holds many electrons of great age.
        {"tick", 20,
         [this] {
             tick();
             return true;
         }},
        {"full-view run of ticks", 0.2, [=, &w] { return w.controls.photons.isEnabled() && runOfTicks(20, 300); }},
        {"zoomed run of ticks", 0.4, [=, &w] { return w.controls.zoomtimer.isEnabled() && runOfTicks(200, 1200); }},
        // The counter is the animation's only state: this stands for a light
        // left on for tens of thousands of ticks.
        {"long-running light", 1,
         [&w, this] {
             if (!w.controls.photons.isEnabled() && !w.controls.zoomtimer.isEnabled())
                 return false;
             w.controls.photons.setTag(pick(31800, 32000));
             note(QStringLiteral("photons.Tag := %1").arg(w.controls.photons.tag()));
             return true;
         }},
    };
}

// One tick of whichever timer is running, as the event loop would deliver it.
void Soak::tick()
{
    Tphotofrm& w = *w_;
    ++ticks;
    if (w.controls.photons.isEnabled()) {
        note(QStringLiteral("tick photons at %1").arg(w.controls.photons.tag()));
        const bool wrapping = w.controls.photons.tag() >= 32000;
        w.guarded([&w] { w.photonsTimer(); });
        ++fullViewTicks;
        fullViewTicked_ = true;
        wraps += wrapping && w.controls.photons.tag() == 10000;
    } else if (w.controls.zoomtimer.isEnabled()) {
        note(QStringLiteral("tick zoomtimer at %1").arg(w.controls.photons.tag()));
        w.guarded([&w] { w.zoomtimerTimer(); });
        ++zoomedTicks;
        const double e = w.state.photonenergy - w.state.workfunctions[w.widgets.metalused->itemIndex()];
        const bool full = e > 0 && w.controls.photons.tag() >= 1000 && w.widgets.ShowPhoto->isChecked();
        fullZoomedStreams += full;
        // The oldest straight-across electron has come back behind the plate.
        turnedBack += full && w.widgets.retardsb->value() * 0.005 / 800 * 999 > e;
    } else {
        note(QStringLiteral("tick, no timer running"));
    }
}

void Soak::onError(const QString& caption, const QString& text)
{
    const bool wfebError = text
            == QStringLiteral("'%1' is not a valid floating point value.").arg(w_->widgets.wfeb->text())
        || text == QStringLiteral("Invalid floating point operation.");
    const bool noPrinter = text == QStringLiteral("There is no default printer currently selected.");
    if (caption == QStringLiteral("Lumetra Photoelectric Effect")
        && ((wfebError && wfebErrorsAllowed_) || (noPrinter && noPrinterAllowed_))) {
        ++expectedErrors;
        wfebErrorSeen_ = wfebErrorSeen_ || wfebError;
    } else {
        unexpected_.push_back(caption + QStringLiteral(": ") + text);
    }
}

void Soak::check(double metal4Before)
{
    const Tphotofrm& w = *w_;
    const auto expect = [this](bool holds, const std::string& what) {
        if (!holds && !failed_)
            ADD_FAILURE() << what << '\n' << log();
        failed_ = failed_ || !holds;
    };
    for (const QString& message : unexpected_)
        expect(false, "unexpected error report: " + message.toStdString());
    unexpected_.clear();
    expect(!(w.controls.photons.isEnabled() && w.controls.zoomtimer.isEnabled()), "both timers are enabled");
    const int zoom = w.controls.Zoombt.tag();
    expect(zoom == 0 || zoom == 1, "Zoombt.Tag is " + std::to_string(zoom));
    expect(w.widgets.Zoombt->text() == (zoom == 1 ? QStringLiteral("&Zoom Out") : QStringLiteral("&Zoom In")),
           "Zoombt's caption " + w.widgets.Zoombt->text().toStdString() + " with Tag " + std::to_string(zoom));
    expect(zoom == int(w.controls.zoomtimer.isEnabled()), "the zoomed view and its timer disagree");
    expect(!w.widgets.slowrb->isEnabled() || zoom == 1, "slowrb is enabled outside the zoomed view");
    expect(w.widgets.Zoombt->isEnabled() == (w.controls.photons.isEnabled() || w.controls.zoomtimer.isEnabled()),
           "Zoombt is enabled exactly while the light is on");
    expect(!fullViewTicked_ || w.controls.photons.tag() <= 32000,
           "photons.Tag is " + std::to_string(w.controls.photons.tag()) + " after a full-view tick");
    expect(w.state.currentflowing == 0 || w.state.currentflowing == 1,
           "currentflowing is " + std::to_string(w.state.currentflowing));
    for (double wf : w.state.workfunctions)
        expect(std::isfinite(wf), "a work function is " + std::to_string(wf));
    expect(w.state.workfunctions[3] > -0.15 && w.state.workfunctions[3] < 2.61,
           "metal 4 is " + std::to_string(w.state.workfunctions[3]) + " eV");
    expect(!wfebErrorSeen_ || w.state.workfunctions[3] == metal4Before, "metal 4 changed on unreadable text");
    expect(w.widgets.metalused->itemIndex() >= 0 && w.widgets.metalused->itemIndex() <= 3, "no metal is chosen");
    expect(!printer_.documentOpen, "a printed document was left open");
    expect(!w.closed(), "the window closed");
}

void Soak::run(long steps)
{
    std::vector<Action> table = actions();
    std::vector<double> weights;
    for (const Action& action : table)
        weights.push_back(action.weight);
    std::discrete_distribution<int> choose(weights.begin(), weights.end());
    for (step_ = 1; step_ <= steps && !failed_; ++step_) {
        wfebErrorsAllowed_ = noPrinterAllowed_ = wfebErrorSeen_ = fullViewTicked_ = false;
        const double metal4Before = w_->state.workfunctions[3];
        if (pendingTicks_ > 0) {
            --pendingTicks_;
            tick();
        } else {
            while (!table[choose(random_)].run()) { }
        }
        check(metal4Before);
    }
}

std::string Soak::coverage() const
{
    return std::to_string(ticks) + " ticks (" + std::to_string(fullViewTicks) + " full view, "
        + std::to_string(zoomedTicks) + " zoomed, " + std::to_string(fullZoomedStreams)
        + " zoomed with 1000 electrons, " + std::to_string(turnedBack) + " of them with the oldest turned back), "
        + std::to_string(edges.crossings) + " electrons across the picture's edge, " + std::to_string(wraps)
        + " counter wraps, " + std::to_string(expectedErrors) + " expected error reports";
}

TEST(Soak, TheWindowKeepsItsInvariantsThroughARandomWalk)
{
    const long steps = envNumber("LUMETRA_SOAK_STEPS", 200000);
    const auto seed = static_cast<std::uint32_t>(envNumber("LUMETRA_SOAK_SEED", 20240611));
    Soak soak(seed);
    soak.run(steps);
    std::printf("soak seed %u, %ld steps: %s\n", seed, steps, soak.coverage().c_str());

    // The walk must reach what it is meant to stress; thresholds scale with
    // its length.
    if (steps >= 200000 && !soak.failed()) {
        const double share = steps / 200000.0;
        EXPECT_GT(soak.ticks, steps * 2 / 5) << soak.coverage();
        EXPECT_GT(soak.fullZoomedStreams, 500 * share) << soak.coverage();
        EXPECT_GT(soak.turnedBack, 50 * share) << soak.coverage();
        EXPECT_GT(soak.edges.crossings, 100000 * share) << soak.coverage();
        EXPECT_GT(soak.wraps, 5 * share) << soak.coverage();
        EXPECT_GT(soak.expectedErrors, 1000 * share) << soak.coverage();
    }
}

} // namespace
