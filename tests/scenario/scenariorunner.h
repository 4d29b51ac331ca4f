#pragma once

#include "support/recordingprinter.h"
#include "traceprinter.h"

#include <QSize>
#include <QStringList>
#include <memory>

class QObject;
class Tphotofrm;

// Drives the main window through a script, one command a line, and prints
// what it holds and draws.
class ScenarioRunner
{
public:
    ScenarioRunner();
    ~ScenarioRunner();

    void run(const QString& line);
    bool refused() const { return refused_; }

private:
    void create();
    void show();
    void set(const QString& name, const QString& value);
    void step(const QString& name, const QString& amount);
    void type(const QString& name, const QString& text);
    void key(const QString& name, const QString& key);
    void focus(const QString& name);
    void click(const QString& name);
    void invoke(const QString& name);
    void tick(int count);
    void get(const QString& name, const QString& property);
    void getNotebook(const QString& asked);
    void pixel(const QString& image, int x, int y);
    void afterAbout(QObject* control);

    QObject* control(const QString& name);
    Tphotofrm& window();
    void refuse(const QString& reason);
    void reportClosing();

    QSize screen_{1024, 768};
    RecordingPrinter printer_;
    TracePrinter trace_;
    std::unique_ptr<Tphotofrm> window_;
    bool closedReported_ = false;
    bool refused_ = false;
};
