// The notebook without a window: stopping voltages and the fit from rows,
// the CSV file read and written, and the file kept through damage, a folder
// that cannot be made and a crash in the middle of a burst of saves.

#include "notebook/csv.h"
#include "notebook/notebookstore.h"
#include "notebook/results.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

Measurement reading(double frequency, double voltage, int current, int metal = 1)
{
    Measurement row;
    row.metal = metal;
    row.wavelength = static_cast<int>(3000 / frequency);
    row.frequency = frequency;
    row.energy = std::round(41.4 * frequency) / 100; // as the label shows it
    row.voltage = voltage;
    row.current = current;
    return row;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(NotebookResults, EachColoursBracketAndTheLineThroughThem)
{
    using Stopping = ColourResult::Stopping;
    struct Case
    {
        const char* what;
        std::vector<Measurement> rows;
        std::vector<Stopping> stopping; // of metal 1's colours, in order
        double stoppingVoltage;         // of its first colour
    };
    Measurement hiddenFrequency = reading(5.0, 0.3, 0);
    hiddenFrequency.frequency.reset();
    const std::vector<Case> cases = {
        {"bracketed", {reading(5.0, 0.2, 5), reading(5.0, 0.6, 0), reading(5.0, 0.5, 0), reading(5.0, 0.1, 5)},
         {Stopping::Found}, 0.35},
        {"only currents", {reading(5.0, 0.2, 5)}, {Stopping::NoneWithout}, 0},
        {"no current", {reading(5.0, 0.2, 0)}, {Stopping::NoCurrent}, 0},
        {"a current above a voltage without", {reading(5.0, 0.4, 5), reading(5.0, 0.3, 0)}, {Stopping::Contradicting},
         0},
        {"a current at a voltage without", {reading(5.0, 0.3, 5), reading(5.0, 0.3, 0)}, {Stopping::Contradicting}, 0},
        {"by frequency, then by wavelength alone",
         {hiddenFrequency, reading(6.0, 0.2, 5), reading(6.0, 0.4, 0)},
         {Stopping::Found, Stopping::NoCurrent},
         0.3},
    };
    for (const Case& test : cases) {
        const std::vector<MetalResults> results = analyse(test.rows);
        ASSERT_EQ(results.size(), 1u) << test.what;
        std::vector<Stopping> stopping;
        for (const ColourResult& colour : results[0].colours)
            stopping.push_back(colour.stopping);
        EXPECT_EQ(stopping, test.stopping) << test.what;
        if (test.stopping[0] == Stopping::Found) {
            EXPECT_DOUBLE_EQ(results[0].colours[0].stoppingVoltage, test.stoppingVoltage) << test.what;
        }
        EXPECT_FALSE(results[0].fit) << test.what << ": one frequency makes no line";
    }
}

TEST(NotebookResults, TheLineGivesPlanckAndTheWorkFunctionOfKnownMetalsOnly)
{
    // Stopping voltages on V = 0.414 f - 1.5 at three frequencies, bracketed
    // by 0.01 V, and a colour known by wavelength alone off the line.
    std::vector<Measurement> rows;
    for (const double f : {5.0, 6.0, 7.0}) {
        const double stopping = 0.414 * f - 1.5;
        rows.push_back(reading(f, stopping - 0.01, 5));
        rows.push_back(reading(f, stopping + 0.01, 0));
    }
    Measurement byWavelength = reading(8.0, 0.1, 5);
    byWavelength.frequency.reset();
    rows.push_back(byWavelength);
    byWavelength.voltage = 0.2;
    byWavelength.current = 0;
    rows.push_back(byWavelength);
    // The same readings with unknown metal 1 and unknown metal 4 under two
    // numbers: three metals of their own, and none has a line.
    for (const Measurement& known : std::vector<Measurement>(rows)) {
        for (const QString& number : {QString(), QStringLiteral("2.5"), QStringLiteral("3")}) {
            Measurement unknown = known;
            unknown.unknown = true;
            unknown.metal = number.isEmpty() ? 1 : 4;
            unknown.metal4Number = number;
            unknown.energy.reset();
            rows.push_back(unknown);
        }
    }
    const std::vector<MetalResults> results = analyse(rows);
    ASSERT_EQ(results.size(), 4u);
    const std::optional<LineFit> fit = fitOfKnownMetal(results, 1);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->points, 3);
    EXPECT_NEAR(fit->slope, 0.414, 1e-12);
    EXPECT_NEAR(fit->workFunction, 1.5, 1e-12);
    EXPECT_NEAR(fit->planckJouleSeconds(), 6.633e-34, 1e-37);
    EXPECT_NEAR(percentFrom(fit->planckJouleSeconds(), acceptedPlanckConstant), 0.1, 0.01);
    EXPECT_FALSE(fitOfKnownMetal(results, 2));
    for (std::size_t i = 1; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].metal.unknown);
        EXPECT_FALSE(results[i].fit);
        EXPECT_FALSE(results[i].lines);
        EXPECT_EQ(results[i].colours.size(), 4u);
    }
    EXPECT_EQ(results[3].metal.metal4Number, QStringLiteral("3"));
}

TEST(NotebookCsv, RowsRoundTripAndASpreadsheetsCopyReadsTheSame)
{
    Measurement unknown4 = reading(5.86, 0.927, 0, 4);
    unknown4.unknown = true;
    unknown4.frequency.reset();
    unknown4.energy.reset();
    unknown4.metal4Number = QStringLiteral("2,5 \"typed\"\nand more");
    Measurement hidden = reading(4.47, 0.348, 5);
    hidden.wavelength.reset();
    const std::vector<Measurement> rows = {reading(5.86, 0.0, 5), unknown4, hidden};
    const QByteArray file = notebookcsv::write(rows);
    EXPECT_TRUE(file.startsWith(QByteArray(notebookcsv::header) + "\r\n1,0,,511,5.86,2.43,5,0.000,5\r\n"))
        << file.toStdString();
    EXPECT_TRUE(file.contains(",\"2,5 \"\"typed\"\"\nand more\",")) << file.toStdString();
    const notebookcsv::Read read = notebookcsv::read(file);
    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    EXPECT_EQ(read.rows, rows);

    // Saved again by a spreadsheet: a byte-order mark, every cell quoted,
    // line ends of either kind, a blank line at the end.
    const QByteArray spreadsheet = "\xEF\xBB\xBF" + QByteArray(notebookcsv::header).replace(",", "\",\"").prepend('"')
        + "\"\n\"1\",\"0\",\"\",\"511\",\"5.86\",\"2.43\",\"5\",\"0.000\",\"5\"\r\n\n";
    const notebookcsv::Read again = notebookcsv::read(spreadsheet);
    ASSERT_TRUE(again.ok()) << again.problem.toStdString();
    EXPECT_EQ(again.rows, std::vector<Measurement>{rows[0]});
}

TEST(NotebookCsv, WhatIsNotANotebookIsRefusedWithItsReason)
{
    const QByteArray header = QByteArray(notebookcsv::header) + "\r\n";
    const std::vector<std::pair<QByteArray, const char*>> damaged = {
        {"", "first line"},
        {"a,b,c\r\n1,2,3\r\n", "first line"},
        {header.left(40), "first line"},
        {QByteArray("\x00\xff\xfe binary", 10), "UTF-8"},
        {header + "1,0,,511,5.86,2.43,5,0.000\r\n", "line 2 has 8 cells"},
        {header + "5,0,,511,5.86,2.43,5,0.000,5\r\n", "metal \"5\""},
        {header + "1,0,,511,5.86,2.43,11,0.000,0\r\n", "intensity"},
        {header + "1,0,,511,5.86,2.43,5,0.000,3\r\n", "photocurrent"},
        {header + "1,0,,511,5.86,2.43,5,-1,0\r\n", "retarding_voltage_V"},
        {header + "1,0,,511,nan,2.43,5,0.5,0\r\n", "frequency"},
        {header + "1,1,,511,5.86,,5,0.5,0\r\n", "frequency"}, // unknown metals never show it
        {header + "2,1,7,511,,,5,0.5,0\r\n", "metal4_number"},
        {header + "1,0,\"open,511,5.86,2.43,5,0.5,0\r\n", "never closes"},
        {header + "1,0,a\"b,511,5.86,2.43,5,0.5,0\r\n", "stray quote"},
    };
    for (const auto& [bytes, reason] : damaged) {
        const notebookcsv::Read read = notebookcsv::read(bytes);
        EXPECT_TRUE(read.rows.empty()) << reason;
        EXPECT_TRUE(read.problem.contains(QString::fromUtf8(reason))) << reason << ": " << read.problem.toStdString();
    }
}

TEST(NotebookStore, RowsSurviveARestartAndADamagedFileIsMovedAsideUntouched)
{
    QTemporaryDir data;
    const QString path = data.path() + QStringLiteral("/lumetra/notebook.csv");
    QStringList messages;
    const auto report = [&](const QString& message) { messages << message; };
    {
        Notebook notebook;
        NotebookStore store(notebook, path, report);
        store.load();
        notebook.record(reading(5.86, 0.9, 5));
        notebook.record(reading(5.86, 0.95, 0));
        notebook.remove({0});
        notebook.undo();
    }
    Notebook restarted;
    NotebookStore store(restarted, path, report);
    store.load();
    EXPECT_EQ(restarted.rows(), (std::vector<Measurement>{reading(5.86, 0.9, 5), reading(5.86, 0.95, 0)}));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    const QByteArray damaged = contents(path).replace("5.86", "5.8x");
    write(path, damaged);
    Notebook fresh;
    NotebookStore again(fresh, path, report);
    again.load();
    EXPECT_TRUE(fresh.rows().empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("could not be read"))) << messages[0].toStdString();
    const QStringList aside = QDir(data.path() + QStringLiteral("/lumetra"))
                                  .entryList({QStringLiteral("notebook.csv.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(messages[0].contains(aside[0]));
    EXPECT_EQ(contents(data.path() + QStringLiteral("/lumetra/") + aside[0]), damaged);
    EXPECT_FALSE(QFile::exists(path));
    fresh.record(reading(6.0, 0.5, 5));
    EXPECT_EQ(notebookcsv::read(contents(path)).rows, fresh.rows());
}

// Root ignores permissions: a folder that cannot be made is one below a
// regular file.
TEST(NotebookStore, AFolderThatCannotBeMadeIsToldOnceAndTheRowsStayInMemory)
{
    QTemporaryDir data;
    write(data.path() + QStringLiteral("/lumetra"), "a file where the folder should be");
    QStringList messages;
    Notebook notebook;
    NotebookStore store(notebook, data.path() + QStringLiteral("/lumetra/notebook.csv"),
                        [&](const QString& message) { messages << message; });
    store.load();
    notebook.record(reading(5.86, 0.9, 5));
    notebook.record(reading(5.86, 0.95, 0));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("cannot be saved"))) << messages[0].toStdString();
    EXPECT_EQ(notebook.rows().size(), 2u);
}

// A disk that fills up in the middle of a save: the write fails, it is told,
// and the old file stays as it was.
TEST(NotebookStore, AWriteThatFailsHalfWayLeavesTheOldFile)
{
    QTemporaryDir data;
    const QString path = data.path() + QStringLiteral("/notebook.csv");
    std::vector<Measurement> rows(50, reading(5.86, 0.9, 5));
    const QByteArray before = notebookcsv::write(rows);
    write(path, before);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files may grow to a little past the old one's size, no further.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(before.size() + 10), static_cast<rlim_t>(before.size() + 10)};
        setrlimit(RLIMIT_FSIZE, &limit);
        Notebook notebook;
        int reports = 0;
        NotebookStore store(notebook, path, [&](const QString&) { ++reports; });
        store.load();
        for (int row = 0; row < 5; ++row)
            notebook.record(reading(6.0, 1.0, 0));
        _exit(notebook.rows().size() == 55 && reports == 1 ? 4 : 5);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4) << "the rows stay in memory and the failure is told once";
    EXPECT_EQ(contents(path), before);
}

// A student's burst of recordings, killed at a random moment, a few dozen
// times: the file always parses and holds every row saved before the burst,
// and never a torn row.
TEST(NotebookStore, AKillInTheMiddleOfABurstOfSavesLeavesAWholeFile)
{
    QTemporaryDir data;
    const QString path = data.path() + QStringLiteral("/notebook.csv");
    std::mt19937 random(19);
    std::vector<Measurement> before;
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Notebook notebook;
            NotebookStore store(notebook, path, [](const QString&) { _exit(3); });
            store.load();
            for (int row = 0; row < 1000; ++row)
                notebook.record(reading(5.0 + row % 30 / 10.0, row % 300 / 100.0, row % 2 ? 5 : 0));
            _exit(0);
        }
        usleep(std::uniform_int_distribution<int>(200, 20000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "the store reported a failure";
        // Killed before its first save, the child left no file at all.
        const notebookcsv::Read read =
            QFile::exists(path) ? notebookcsv::read(contents(path)) : notebookcsv::Read{};
        ASSERT_TRUE(read.ok()) << "kill " << kill << ": " << read.problem.toStdString();
        ASSERT_GE(read.rows.size(), before.size()) << "kill " << kill;
        EXPECT_TRUE(std::equal(before.begin(), before.end(), read.rows.begin())) << "kill " << kill;
        before = read.rows;
    }
    EXPECT_FALSE(before.empty());
}

#include "notebook/graphs.h"

// What the graphs plot from a session: never a hidden reading, never a line
// through what the window hid or through an unknown metal.
TEST(NotebookGraphs, SeriesFromTheRowsWithoutWhatWasHidden)
{
    Measurement hiddenFrequency = reading(7.0, 0.8, 5);
    hiddenFrequency.frequency.reset();
    Measurement unknown = hiddenFrequency;
    unknown.unknown = true;
    unknown.metal = 2;
    unknown.energy.reset();
    Measurement noColour = reading(5.0, 0.1, 5);
    noColour.frequency.reset();
    noColour.wavelength.reset();
    std::vector<Measurement> rows = {reading(5.0, 0.4, 5), reading(5.0, 0.6, 0), reading(6.0, 0.8, 5),
                                     reading(6.0, 1.0, 0), hiddenFrequency, noColour, unknown};
    hiddenFrequency.voltage = 1.0;
    hiddenFrequency.current = 0;
    unknown.voltage = 1.0;
    unknown.current = 0;
    Measurement brighter = reading(5.0, 0.6, 0);
    brighter.intensity = 8;
    rows.insert(rows.end(), {hiddenFrequency, unknown, brighter, reading(5.0, 0.2, 5)});

    const Graphs graphs = graphsOf(rows);
    ASSERT_EQ(graphs.conditions.size(), 4u) << "5.0 and 6.0 x 10^14 Hz, 428 nm alone, unknown metal 2 at 428 nm";
    EXPECT_EQ(graphs.conditions[2].frequency, std::nullopt);
    EXPECT_EQ(graphs.conditions[2].wavelength, 428);
    EXPECT_TRUE(graphs.conditions[3].metal.unknown);

    ASSERT_EQ(graphs.stopping.size(), 2u);
    EXPECT_EQ(graphs.stopping[0].byFrequency, (std::vector<GraphPoint>{{5.0, 0.5}, {6.0, 0.9}}));
    EXPECT_EQ(graphs.stopping[0].byWavelength, (std::vector<GraphPoint>{{428, 0.9}}));
    ASSERT_TRUE(graphs.stopping[0].fit);
    EXPECT_NEAR(graphs.stopping[0].fit->slope, 0.4, 1e-12);
    EXPECT_TRUE(graphs.stopping[1].metal.unknown);
    EXPECT_TRUE(graphs.stopping[1].byFrequency.empty());
    EXPECT_FALSE(graphs.stopping[1].fit);

    // Current against voltage: a series for each condition and intensity,
    // by rising voltage; against intensity, one for each condition and
    // voltage; a lone reading (the brighter one, most voltages) is none.
    ASSERT_EQ(graphs.currentAgainstVoltage.size(), 4u);
    EXPECT_EQ(graphs.currentAgainstVoltage[0].conditionIndex, 0);
    EXPECT_EQ(graphs.currentAgainstVoltage[0].setting, 5);
    EXPECT_EQ(graphs.currentAgainstVoltage[0].points, (std::vector<GraphPoint>{{0.2, 5}, {0.4, 5}, {0.6, 0}}));
    EXPECT_EQ(graphs.currentAgainstVoltage[1].conditionIndex, 1);
    ASSERT_EQ(graphs.currentAgainstIntensity.size(), 1u);
    EXPECT_EQ(graphs.currentAgainstIntensity[0].conditionIndex, 0);
    EXPECT_EQ(graphs.currentAgainstIntensity[0].setting, 0.6);
    EXPECT_EQ(graphs.currentAgainstIntensity[0].points, (std::vector<GraphPoint>{{5, 0}, {8, 0}}));
}
