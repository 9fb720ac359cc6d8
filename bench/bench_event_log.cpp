// How the event log copes with millions of lines: KeyDown messages of 40 characters raised by a provider, through
// the real engine into a shown frmMain, beside the same engine path into a QListWidget (the log as it used to be)
// and into a vector of QString (the floor). Run by hand; prints a table.
#include "cao/engine.h"
#include "cao/provider.h"
#include "console/frmMain.h"
#include "eventlog/logmodel.h"
#include "eventlog/logview.h"
#include "statistics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int RaisedPerTurn = 20'000; // what arrives from the pendant between two turns of the event loop
constexpr qint32 KeyDown = 1;

QString valueText(int i)
{
    return QStringLiteral("%1").arg(i, 30, 10, QLatin1Char('0'));
}

QString lineText(int i)
{
    return QStringLiteral("KeyDown : ") + valueText(i);
}

qint64 residentBytes()
{
    FILE *statm = std::fopen("/proc/self/statm", "r");
    long size = 0, resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &size, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

class FeedSession : public cao::ProviderSession
{
public:
    void addVariable(const QString &, const QString &) override {}
    void writeVariable(const QString &, const cao::Value &) override {}
    cao::Value readVariable(const QString &) override { return cao::Value::i4(0); }
    cao::Value execute(const QString &, const cao::Value &) override { return {}; }
};

class FeedProvider : public cao::Provider
{
public:
    std::unique_ptr<cao::ProviderSession> open(const cao::ControllerRequest &, cao::MessageSink &sink) override
    {
        this->sink = &sink;
        return std::make_unique<FeedSession>();
    }
    cao::MessageSink *sink = nullptr;
};

struct Ingest
{
    double linesPerSecond = 0;
    double longestGapMs = 0;
    double bytesPerLine = 0;
    bool complete = false;
};

// Raises n KeyDown messages, RaisedPerTurn per turn, and runs the event loop until `present` says all are there.
Ingest ingest(cao::MessageSink &sink, int n, const std::function<int()> &present,
              const std::function<bool(int)> &lineMatches)
{
    malloc_trim(0); // what earlier runs freed must not be counted as room for this one
    const qint64 rssBefore = residentBytes();
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    double longestGap = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.start();
    });
    int raised = 0;
    QTimer feeder;
    feeder.setInterval(0);
    QObject::connect(&feeder, &QTimer::timeout, &feeder, [&] {
        const int stop = std::min(n, raised + RaisedPerTurn);
        for (; raised < stop; ++raised)
            sink.raise(KeyDown, cao::Value::text(valueText(raised)));
        if (raised == n)
            feeder.stop();
    });
    clock.start();
    sinceTick.start();
    tick.start();
    feeder.start();
    while (present() < n)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    tick.stop();
    Ingest result;
    result.linesPerSecond = n / seconds;
    result.longestGapMs = longestGap;
    result.bytesPerLine = double(residentBytes() - rssBefore) / n;
    result.complete = present() == n;
    for (int i = 0; i < n && result.complete; ++i)
        result.complete = lineMatches(i);
    return result;
}

// The median cost of one appended line and the event-loop turn that shows it.
double appendCost(const std::function<void(const QString &)> &append)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < 101; ++i) {
        clock.start();
        append(QStringLiteral("KeyDown : appended line of forty chars"));
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e3);
    }
    std::nth_element(times.begin(), times.begin() + 50, times.end());
    return times[50];
}

double clearCost(const std::function<void()> &clear)
{
    QElapsedTimer clock;
    clock.start();
    clear();
    QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

struct Figures
{
    Ingest small, large;
    double append0 = 0, append100k = 0, append1m = 0, clear1m = 0;
};

// One way of keeping the log, behind the same engine path.
struct Target
{
    std::function<cao::MessageSink &()> open;
    std::function<int()> present;
    std::function<bool(int)> lineMatches;
    std::function<void(const QString &)> append;
    std::function<void()> clear;
};

Figures measure(const Target &target, int small, int large)
{
    Figures f;
    cao::MessageSink &sink = target.open();
    settle();
    f.append0 = appendCost(target.append);
    target.clear();
    settle();
    f.small = ingest(sink, small, target.present, target.lineMatches);
    settle();
    f.append100k = appendCost(target.append);
    target.clear();
    settle();
    f.large = ingest(sink, large, target.present, target.lineMatches);
    settle();
    f.append1m = appendCost(target.append);
    f.clear1m = clearCost(target.clear);
    return f;
}

// A controller of a private engine whose messages become lines the way frmMain writes them.
struct EngineFeed
{
    std::unique_ptr<cao::Engine> engine = std::make_unique<cao::Engine>();
    std::shared_ptr<cao::Controller> controller;
    cao::MessageSink &connect(FeedProvider &provider, const std::function<void(const QString &)> &append)
    {
        controller = engine->Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"),
                                                                 QString::fromLatin1(frmMain::ProviderId), {}, {});
        QObject::connect(controller.get(), &cao::Controller::OnMessage, controller.get(),
                         [append](const std::shared_ptr<cao::Message> &message) {
                             if (message->Number() == KeyDown)
                                 append(QStringLiteral("KeyDown : ") + message->Value().toText());
                         });
        return *provider.sink;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int large = argc > 1 ? std::max(100'000, std::atoi(argv[1])) : 1'000'000;
    const int small = 100'000;
    auto provider = std::make_shared<FeedProvider>();
    cao::ScopedProviderRegistration registration(QString::fromLatin1(frmMain::ProviderId), provider);

    // The console itself.
    frmMain window;
    window.show();
    auto *log = window.findChild<eventlog::LogView *>(QStringLiteral("lstLog"));
    const Target console{
        [&]() -> cao::MessageSink & {
            window.cmdEng_Click(0);
            return *provider->sink;
        },
        [&] {
            log->logModel().announcePending();
            return log->logModel().rowCount();
        },
        [&](int i) { return log->logModel().store().line(i) == lineText(i); },
        [&](const QString &line) { window.AddLog(1, line); },
        [&] { window.cmdTester_Click(1); },
    };
    const Figures mine = measure(console, small, large);

    // Recording to a file as lines arrive, beside the same ingest without it, modes alternated over three rounds.
    QTemporaryDir recordFolder;
    const QString recordPath = recordFolder.filePath(QStringLiteral("record.log"));
    struct RecordMode
    {
        const char *name;
        bool record;
        bool timestamps;
        std::vector<double> linesPerSecond;
        bool fileComplete = true;
    };
    std::vector<RecordMode> modes{{"not recorded (baseline)", false, false, {}},
                                  {"recorded", true, false, {}},
                                  {"recorded with time stamps", true, true, {}}};
    for (int round = 0; round < 3; ++round)
        for (RecordMode &mode : modes) {
            window.cmdTester_Click(1);
            settle();
            if (mode.record) {
                eventlog::RecordOptions options;
                options.timestamps = mode.timestamps;
                options.replace = true;
                if (!log->startRecording(recordPath, options).isEmpty())
                    return 1;
            }
            const Ingest run = ingest(*provider->sink, large, console.present, [](int) { return true; });
            mode.linesPerSecond.push_back(run.linesPerSecond);
            if (mode.record) {
                log->stopRecording();
                QFile file(recordPath);
                file.open(QIODevice::ReadOnly);
                const QByteArray bytes = file.readAll();
                mode.fileComplete = mode.fileComplete && bytes.count('\n') == large && bytes.endsWith(lineText(large - 1).toUtf8() + '\n');
            }
        }
    window.cmdEng_Click(1);
    window.hide();

    // The log as it was: a QListWidget with uniform rows laid out in batches.
    QListWidget list;
    list.setUniformItemSizes(true);
    list.setLayoutMode(QListView::Batched);
    list.setBatchSize(1000);
    list.resize(log->size());
    list.show();
    EngineFeed listFeed;
    auto appendToList = [&list](const QString &line) { list.addItem(line); };
    const Target listTarget{
        [&]() -> cao::MessageSink & { return listFeed.connect(*provider, appendToList); },
        [&] { return list.count(); },
        [&](int i) { return list.item(i)->text() == lineText(i); },
        appendToList,
        [&] { list.clear(); },
    };
    const Figures widget = measure(listTarget, small, large);
    listFeed.controller.reset();
    list.hide();

    // The floor: the same engine path into a vector of QString.
    std::vector<QString> lines;
    EngineFeed vectorFeed;
    auto appendToVector = [&lines](const QString &line) { lines.push_back(line); };
    const Target vectorTarget{
        [&]() -> cao::MessageSink & { return vectorFeed.connect(*provider, appendToVector); },
        [&] { return int(lines.size()); },
        [&](int i) { return lines[size_t(i)] == lineText(i); },
        appendToVector,
        [&] { std::vector<QString>().swap(lines); },
    };
    const Figures floor = measure(vectorTarget, small, large);

    std::printf("Event log: KeyDown lines of 40 characters through the engine, %d and %d lines\n\n", small, large);
    std::printf("| measure                                   |     frmMain log |  QListWidget |  vector<QString> | goal |\n");
    std::printf("|-------------------------------------------|----------------:|-------------:|-----------------:|------|\n");
    auto row = [](const char *name, double a, double b, double c, const char *format, const char *goal) {
        char cells[3][32];
        std::snprintf(cells[0], sizeof cells[0], format, a);
        std::snprintf(cells[1], sizeof cells[1], format, b);
        std::snprintf(cells[2], sizeof cells[2], format, c);
        std::printf("| %-41s | %15s | %12s | %16s | %s |\n", name, cells[0], cells[1], cells[2], goal);
    };
    char name[64];
    std::snprintf(name, sizeof name, "lines/s at %d", small);
    row(name, mine.small.linesPerSecond, widget.small.linesPerSecond, floor.small.linesPerSecond, "%.0f", "");
    std::snprintf(name, sizeof name, "lines/s at %d", large);
    row(name, mine.large.linesPerSecond, widget.large.linesPerSecond, floor.large.linesPerSecond, "%.0f", ">= 1,000,000");
    row("bytes per line (RSS delta / N)", mine.large.bytesPerLine, widget.large.bytesPerLine, floor.large.bytesPerLine,
        "%.1f", "<= 80");
    row("longest event-loop gap while ingesting, ms", mine.large.longestGapMs, widget.large.longestGapMs,
        floor.large.longestGapMs, "%.1f", "<= 50");
    row("append + processEvents at 0 lines, us", mine.append0, widget.append0, floor.append0, "%.1f", "");
    std::snprintf(name, sizeof name, "append + processEvents at %d, us", small);
    row(name, mine.append100k, widget.append100k, floor.append100k, "%.1f", "");
    std::snprintf(name, sizeof name, "append + processEvents at %d, us", large);
    row(name, mine.append1m, widget.append1m, floor.append1m, "%.1f", "<= 2x at 0 lines");
    std::snprintf(name, sizeof name, "Clear at %d, ms", large);
    row(name, mine.clear1m, widget.clear1m, floor.clear1m, "%.1f", "<= 20");
    std::printf("\nRecording the log to a file while %d lines arrive (median of 3 rounds, modes alternated)\n\n", large);
    std::printf("| frmMain log                     |  lines/s | / baseline | file complete | goal    |\n");
    std::printf("|---------------------------------|---------:|-----------:|---------------|---------|\n");
    const double baseline = median(modes[0].linesPerSecond);
    for (const RecordMode &mode : modes)
        std::printf("| %-31s | %8.0f | %10.2f | %-13s | %-7s |\n", mode.name, median(mode.linesPerSecond),
                    median(mode.linesPerSecond) / baseline, mode.record ? (mode.fileComplete ? "yes" : "NO") : "",
                    mode.record ? ">= 0.9" : "");
    std::printf("\nAll lines present and in order: frmMain log %s, QListWidget %s, vector %s\n",
                mine.small.complete && mine.large.complete ? "yes" : "NO",
                widget.small.complete && widget.large.complete ? "yes" : "NO",
                floor.small.complete && floor.large.complete ? "yes" : "NO");
    return mine.small.complete && mine.large.complete ? 0 : 1;
}
