/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The panel beside Qt's own calendar: start-up, month steps, the label's tick, idle
// CPU and memory, each page in processes of its own. tools/bench.sh runs it under
// xvfb-run; "--child ..." is how it starts its own pages.

#include "childpage.h"
#include "coordinator.h"
#include "shotcomparison.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>

#include <cstdio>
#include <limits>

namespace
{
int intValue(const QCommandLineParser &parser, const QCommandLineOption &option, int minimum, int maximum = std::numeric_limits<int>::max())
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        std::fprintf(stderr, "--%s needs a whole number from %d to %d\n", qPrintable(option.names().constFirst()), minimum, maximum);
        std::exit(2);
    }
    return value;
}
}

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (arguments.value(0) == QLatin1String("--child")) {
        return runChild(argc, argv, arguments.mid(1));
    }
    if (arguments.value(0) == QLatin1String("--compare-shots")) {
        return compareShots(arguments.mid(1));
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orv-admin-date-bench"));
    const Coordinator::Options defaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Measures the calendar panel beside Qt's own calendar and prints a Markdown table."));
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs of each timing figure."), QStringLiteral("N"), QString::number(defaults.runs));
    const QCommandLineOption steps(QStringLiteral("steps"), QStringLiteral("Month steps per run."), QStringLiteral("N"), QString::number(defaults.steps));
    const QCommandLineOption ticks(QStringLiteral("ticks"), QStringLiteral("Label ticks per run."), QStringLiteral("N"), QString::number(defaults.ticks));
    const QCommandLineOption idleSeconds(QStringLiteral("idle-seconds"), QStringLiteral("Length of an idle measurement."), QStringLiteral("S"),
                                         QString::number(defaults.idleSeconds));
    const QCommandLineOption idleRuns(QStringLiteral("idle-runs"), QStringLiteral("Idle measurements per platform."), QStringLiteral("N"),
                                      QString::number(defaults.idleRuns));
    const QCommandLineOption noCallgrind(QStringLiteral("no-callgrind"), QStringLiteral("Leave out the instruction counts (they take minutes)."));
    const QCommandLineOption instructionsOnly(QStringLiteral("instructions-only"),
                                              QStringLiteral("Only the instruction counts, which a busy machine does not skew."));
    const QCommandLineOption maxLoad(QStringLiteral("max-load"), QStringLiteral("Wait until the 1-minute load average is below L."), QStringLiteral("L"),
                                     QString::number(defaults.maxLoad));
    const QCommandLineOption loadWait(QStringLiteral("load-wait"), QStringLiteral("Wait for a quiet machine at most S seconds."), QStringLiteral("S"),
                                      QString::number(defaults.loadWaitSeconds));
    const QCommandLineOption platforms(QStringLiteral("platforms"), QStringLiteral("Comma-separated: offscreen, xvfb."), QStringLiteral("LIST"),
                                       defaults.platforms.join(QLatin1Char(',')));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Write the figures as JSON to FILE."), QStringLiteral("FILE"));
    parser.addOptions({runs, steps, ticks, idleSeconds, idleRuns, noCallgrind, instructionsOnly, maxLoad, loadWait, platforms, json});
    parser.process(app);

    Coordinator::Options options;
    options.runs = intValue(parser, runs, 1);
    // From January 2000 the panel reaches the end of its range (December 2105) after 1271 steps.
    options.steps = intValue(parser, steps, 1, 1200);
    options.ticks = intValue(parser, ticks, 1);
    options.idleSeconds = intValue(parser, idleSeconds, 1);
    options.idleRuns = intValue(parser, idleRuns, 0);
    options.callgrind = !parser.isSet(noCallgrind);
    options.timings = !parser.isSet(instructionsOnly);
    options.maxLoad = parser.value(maxLoad).toDouble();
    options.loadWaitSeconds = intValue(parser, loadWait, 0);
    options.platforms = parser.value(platforms).split(QLatin1Char(','), Qt::SkipEmptyParts);

    Coordinator coordinator(options);
    const bool ok = coordinator.run();
    std::printf("%s\n", qPrintable(coordinator.markdownTable()));
    if (parser.isSet(json)) {
        QFile file(parser.value(json));
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(coordinator.toJson()).toJson()) < 0) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(parser.value(json)));
            return 1;
        }
    }
    return ok ? 0 : 1;
}
