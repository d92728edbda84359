/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "coordinator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace
{
constexpr int childTimeoutMs = 15 * 60 * 1000;
constexpr int firstFrameTimeoutMs = 60 * 1000;
// Memory is read once the page has settled: images decoded, deferred work done.
constexpr int settleAfterFrameMs = 1000;
constexpr int idleSettleMs = 3000;
constexpr double kibPerMib = 1024.0;

const QString panelPage = QStringLiteral("panel");
const QString previewPage = QStringLiteral("preview");
const QString gridPage = QStringLiteral("grid");
const QString referencePage = QStringLiteral("reference");

void say(const QString &text)
{
    std::fprintf(stderr, "bench: %s\n", qPrintable(text));
    std::fflush(stderr);
}

QString benchProgram()
{
    return QCoreApplication::applicationFilePath();
}

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : 0;
}

// A field of /proc/PID/status in kB, as VmHWM, the peak resident set size.
qint64 statusKb(qint64 pid, const QByteArray &field)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).simplified().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

// User and system CPU time of a process and all its threads, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray stat = file.readAll();
    // The fields after the command name, which may hold spaces: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

void stop(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

struct StartSample {
    double milliseconds;
    double peakRssMiB;
};

// From starting the process to the render loop's report of its first frame, and the
// peak memory once the page has settled. The render loop's timing category reports
// every frame it draws, with any backend; the preview is measured through it without
// any hook of its own.
std::optional<StartSample> startToFirstFrame(const QString &program, const QStringList &arguments, QProcessEnvironment environment)
{
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.scenegraph.time.renderloop.debug=true"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    std::optional<StartSample> sample;
    while (!sample && clock.elapsed() < firstFrameTimeoutMs) {
        if (!process.canReadLine() && !process.waitForReadyRead(firstFrameTimeoutMs - int(clock.elapsed()))) {
            break;
        }
        while (process.canReadLine()) {
            const QByteArray line = process.readLine();
            if (line.contains("rendered") && line.contains("ms")) {
                sample = StartSample{clock.nsecsElapsed() / 1e6, 0};
                break;
            }
        }
    }
    if (sample) {
        QThread::msleep(settleAfterFrameMs);
        sample->peakRssMiB = statusKb(process.processId(), "VmHWM") / kibPerMib;
    } else {
        say(QStringLiteral("no first frame from %1 %2: %3").arg(program, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAll())));
    }
    stop(process);
    return sample;
}

// Runs a child to its end and reads the JSON object of its last line of output.
std::optional<QJsonObject> childResult(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(childTimeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        say(QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError())));
        stop(process);
        return std::nullopt;
    }
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    const QJsonDocument document = QJsonDocument::fromJson(lines.last());
    if (!document.isObject()) {
        say(QStringLiteral("%1 printed no result").arg(arguments.join(QLatin1Char(' '))));
        return std::nullopt;
    }
    return document.object();
}

// Instructions counted by callgrind inside each of `functions` of a child, from its last
// call: the child zeroes the counts when it enters one and dumps them, named after it,
// when it leaves.
std::optional<QHash<QString, double>> instructionsIn(const QStringList &functions, const QStringList &childArguments, const QProcessEnvironment &environment)
{
    QTemporaryDir directory;
    // Per thread: the counts of the GUI thread alone, where the pages do all their work
    // with the software renderer. Zeroing leaves a sleeping thread's earlier costs, as
    // those of the QML type loader, to its next dump.
    QStringList arguments{QStringLiteral("--tool=callgrind"), QStringLiteral("--separate-threads=yes"),
                          QStringLiteral("--callgrind-out-file=%1/callgrind.out").arg(directory.path())};
    arguments << benchProgram() << QStringLiteral("--child") << childArguments;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("valgrind"), arguments);
    if (!process.waitForFinished(childTimeoutMs) || process.exitCode() != 0) {
        say(QStringLiteral("callgrind of %1 failed: %2").arg(childArguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError().right(2000))));
        stop(process);
        return std::nullopt;
    }
    // Dumps are numbered in the order they were made (callgrind.out.N-01 for thread 1);
    // a later dump of a function replaces an earlier one.
    QHash<QString, double> counts;
    QFileInfoList dumps = QDir(directory.path()).entryInfoList({QStringLiteral("callgrind.out.*-01")}, QDir::Files);
    const auto dumpNumber = [](const QFileInfo &dump) {
        return dump.fileName().section(QLatin1Char('.'), 2).section(QLatin1Char('-'), 0, 0).toInt();
    };
    std::sort(dumps.begin(), dumps.end(), [&](const QFileInfo &a, const QFileInfo &b) {
        return dumpNumber(a) < dumpNumber(b);
    });
    static const QRegularExpression totals(QStringLiteral("^(?:summary|totals): (\\d+)"), QRegularExpression::MultilineOption);
    for (const QFileInfo &dump : std::as_const(dumps)) {
        QFile file(dump.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        const QString trigger = text.section(QStringLiteral("desc: Trigger: "), 1, 1).section(QLatin1Char('\n'), 0, 0);
        const QRegularExpressionMatch match = totals.match(text);
        for (const QString &function : functions) {
            if (trigger == QLatin1String("Client Request: ") + function && match.hasMatch()) {
                counts.insert(function, match.captured(1).toDouble());
            }
        }
    }
    for (const QString &function : functions) {
        if (!counts.contains(function)) {
            say(QStringLiteral("callgrind made no dump for %1: was the bench built without valgrind's headers?").arg(function));
            return std::nullopt;
        }
    }
    return counts;
}
}

Coordinator::Coordinator(const Options &options)
    : m_options(options)
{
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.remove(QStringLiteral("QT_LOGGING_RULES"));
    m_offscreen = base;
    m_offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_offscreen.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    if (!base.value(QStringLiteral("DISPLAY")).isEmpty()) {
        m_xvfb = base;
        m_xvfb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_xvfb.remove(QStringLiteral("QT_QUICK_BACKEND"));
        // The default OpenGL backend, drawn on the GUI thread: the threaded render loop
        // would first report an empty frame on exposure, before the page's first one,
        // and would draw where callgrind's counts of the GUI thread do not look.
        m_xvfb.insert(QStringLiteral("QSG_RENDER_LOOP"), QStringLiteral("basic"));
    }
    for (const QString &name : std::as_const(m_options.platforms)) {
        if (!m_options.timings) {
            break;
        }
        QProcessEnvironment environment = base;
        if (name == QLatin1String("offscreen")) {
            environment = m_offscreen;
        } else if (name == QLatin1String("xvfb")) {
            if (m_xvfb.isEmpty()) {
                m_notes << QStringLiteral("no X display: the Xvfb figures were left out (run under xvfb-run, as tools/bench.sh does)");
                continue;
            }
            environment = m_xvfb;
        } else {
            m_notes << QStringLiteral("unknown platform %1 left out").arg(name);
            continue;
        }
        m_platforms.append({name, environment});
    }

    // The table's order: every row made now, filled as the figures come in.
    const QString ms = QStringLiteral("ms");
    const QString us = QStringLiteral("µs");
    const QString mib = QStringLiteral("MiB");
    for (const Platform &platform : std::as_const(m_platforms)) {
        m_figures.row(QStringLiteral("start"), platform.name, QStringLiteral("Start to first frame, panel window"), ms, {Target::RatioAtMost, 1.2});
        m_figures.row(QStringLiteral("startPreview"), platform.name, QStringLiteral("Start to first frame, preview page"), ms);
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        m_figures.row(QStringLiteral("stepWithFrame"), platform.name, QStringLiteral("Month step with a frame"), us, {Target::RatioAtMost, 0.5});
        m_figures.row(QStringLiteral("step"), platform.name, QStringLiteral("Month step without a frame"), us);
    }
    const QString callgrind = QStringLiteral("offscreen, callgrind");
    const QString xvfbCallgrind = QStringLiteral("xvfb, callgrind");
    const QString mi = QStringLiteral("M instructions");
    // Offscreen: no worse than before the grid moved onto its model and its drawing item
    // (5.32 M and 4.47 M).
    m_figures.row(QStringLiteral("stepWithFrameInstructions"), callgrind, QStringLiteral("Month step with a frame"), mi, {Target::ValueBelow, 5.325});
    m_figures.row(QStringLiteral("stepInstructions"), callgrind, QStringLiteral("Month step without a frame"), mi);
    m_figures.row(QStringLiteral("gridStepWithFrameInstructions"), callgrind, QStringLiteral("Month step with a frame, month grid alone"), mi,
                  {Target::ValueBelow, 4.475});
    if (!m_xvfb.isEmpty()) {
        m_figures.row(QStringLiteral("stepWithFrameInstructions"), xvfbCallgrind, QStringLiteral("Month step with a frame"), mi, {Target::RatioAtMost, 1.0});
        m_figures.row(QStringLiteral("stepInstructions"), xvfbCallgrind, QStringLiteral("Month step without a frame"), mi);
        m_figures.row(QStringLiteral("gridStepWithFrameInstructions"), xvfbCallgrind, QStringLiteral("Month step with a frame, month grid alone"), mi,
                      {Target::RatioAtMost, 0.5});
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        m_figures.row(QStringLiteral("tick"), platform.name, QStringLiteral("Label tick, updateDate()"), us, {Target::ValueBelow, 50});
    }
    m_figures.row(QStringLiteral("tickInstructions"), callgrind, QStringLiteral("Label tick, updateDate()"), QStringLiteral("k instructions"));
    for (const Platform &platform : std::as_const(m_platforms)) {
        m_figures.row(QStringLiteral("idle"), platform.name, QStringLiteral("Idle CPU of the preview page over %1 s").arg(m_options.idleSeconds), QStringLiteral("%"),
                      {Target::ValueBelow, 0.5});
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        m_figures.row(QStringLiteral("rss"), platform.name, QStringLiteral("Peak RSS, panel window"), mib);
        m_figures.row(QStringLiteral("rssPreview"), platform.name, QStringLiteral("Peak RSS, preview page"), mib);
    }
}

bool Coordinator::run()
{
    bool ok = true;
    if (m_options.timings) {
        waitForQuietMachine();
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        ok = measureStarts(platform) && ok;
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        ok = measureSteps(platform) && ok;
    }
    for (const Platform &platform : std::as_const(m_platforms)) {
        ok = measureIdle(platform) && ok;
    }
    noteLoad(QStringLiteral("afterTimings"));
    if (m_options.callgrind) {
        if (QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty()) {
            m_notes << QStringLiteral("valgrind is not installed: the instruction counts were left out");
        } else {
            ok = measureInstructions() && ok;
        }
    }
    return ok;
}

void Coordinator::waitForQuietMachine()
{
    QElapsedTimer waited;
    waited.start();
    double load = loadAverage();
    while (load >= m_options.maxLoad && waited.elapsed() < m_options.loadWaitSeconds * 1000LL) {
        say(QStringLiteral("load average %1, waiting for it to fall below %2").arg(load).arg(m_options.maxLoad));
        QThread::sleep(30);
        load = loadAverage();
    }
    if (load >= m_options.maxLoad) {
        m_notes << QStringLiteral("the load average was still %1 after waiting %2 s: timings may be high").arg(load).arg(m_options.loadWaitSeconds);
    }
    noteLoad(QStringLiteral("start"));
}

void Coordinator::noteLoad(const QString &when)
{
    m_loads.insert(when, loadAverage());
}

bool Coordinator::measureStarts(const Platform &platform)
{
    say(QStringLiteral("start to first frame on %1").arg(platform.name));
    Row &start = m_figures.row(QStringLiteral("start"), platform.name, {}, {});
    Row &startPreview = m_figures.row(QStringLiteral("startPreview"), platform.name, {}, {});
    Row &rss = m_figures.row(QStringLiteral("rss"), platform.name, {}, {});
    Row &rssPreview = m_figures.row(QStringLiteral("rssPreview"), platform.name, {}, {});
    bool ok = true;
    // The pages take turns, so that a drift of the machine touches all of them alike.
    for (int run = 0; run < m_options.runs; ++run) {
        for (const QString &page : {panelPage, previewPage, referencePage}) {
            const auto sample = page == previewPage
                ? startToFirstFrame(QStringLiteral(ORV_PREVIEW_FILE), QStringList(), platform.environment)
                : startToFirstFrame(benchProgram(), {QStringLiteral("--child"), QStringLiteral("show"), page}, platform.environment);
            if (!sample) {
                ok = false;
                continue;
            }
            if (page == referencePage) {
                start.reference.values << sample->milliseconds;
                startPreview.reference.values << sample->milliseconds;
                rss.reference.values << sample->peakRssMiB;
                rssPreview.reference.values << sample->peakRssMiB;
            } else {
                (page == panelPage ? start : startPreview).ours.values << sample->milliseconds;
                (page == panelPage ? rss : rssPreview).ours.values << sample->peakRssMiB;
            }
        }
    }
    noteLoad(QStringLiteral("afterStarts-") + platform.name);
    return ok;
}

bool Coordinator::measureSteps(const Platform &platform)
{
    say(QStringLiteral("month steps and ticks on %1").arg(platform.name));
    QProcessEnvironment environment = platform.environment;
    // Without it a requested frame waits for a 5 ms timer of the platform window.
    environment.insert(QStringLiteral("QT_QPA_UPDATE_IDLE_TIME"), QStringLiteral("0"));
    Row &withFrame = m_figures.row(QStringLiteral("stepWithFrame"), platform.name, {}, {});
    Row &withoutFrame = m_figures.row(QStringLiteral("step"), platform.name, {}, {});
    Row &tick = m_figures.row(QStringLiteral("tick"), platform.name, {}, {});
    const QString steps = QString::number(m_options.steps);
    bool ok = true;
    for (int run = 0; run < m_options.runs; ++run) {
        for (const QString &page : {panelPage, referencePage}) {
            const auto result = childResult(benchProgram(), {QStringLiteral("--child"), QStringLiteral("steps"), page, steps}, environment);
            if (!result) {
                ok = false;
                continue;
            }
            (page == panelPage ? withFrame.ours : withFrame.reference).values << result->value(QStringLiteral("withFrameUs")).toDouble();
            (page == panelPage ? withoutFrame.ours : withoutFrame.reference).values << result->value(QStringLiteral("withoutFrameUs")).toDouble();
            m_graphicsApis.insert(platform.name, result->value(QStringLiteral("graphicsApi")));
        }
        const auto ticks = childResult(benchProgram(), {QStringLiteral("--child"), QStringLiteral("ticks"), QString::number(m_options.ticks)}, environment);
        if (ticks) {
            tick.ours.values << ticks->value(QStringLiteral("tickUs")).toDouble();
        } else {
            ok = false;
        }
    }
    noteLoad(QStringLiteral("afterSteps-") + platform.name);
    return ok;
}

bool Coordinator::measureIdle(const Platform &platform)
{
    say(QStringLiteral("idle preview on %1, %2 × %3 s").arg(platform.name).arg(m_options.idleRuns).arg(m_options.idleSeconds));
    Row &idle = m_figures.row(QStringLiteral("idle"), platform.name, {}, {});
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    bool ok = true;
    for (int run = 0; run < m_options.idleRuns; ++run) {
        QProcess preview;
        preview.setProcessEnvironment(platform.environment);
        preview.setStandardOutputFile(QProcess::nullDevice());
        preview.setStandardErrorFile(QProcess::nullDevice());
        preview.start(QStringLiteral(ORV_PREVIEW_FILE), QStringList());
        if (!preview.waitForStarted()) {
            ok = false;
            continue;
        }
        QThread::msleep(idleSettleMs);
        const qint64 before = cpuTicks(preview.processId());
        QElapsedTimer clock;
        clock.start();
        QThread::sleep(m_options.idleSeconds);
        const qint64 after = cpuTicks(preview.processId());
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (before < 0 || after < 0 || preview.state() != QProcess::Running) {
            say(QStringLiteral("the preview ended before its idle time was over"));
            ok = false;
        } else {
            idle.ours.values << 100.0 * (after - before) / ticksPerSecond / seconds;
        }
        stop(preview);
    }
    return ok;
}

// The software renderer, and OpenGL under the basic render loop, draw on the GUI thread,
// whose counts are the ones read.
bool Coordinator::measureInstructions()
{
    say(QStringLiteral("instruction counts under callgrind (slow)"));
    bool ok = measureStepInstructions(QStringLiteral("offscreen, callgrind"), m_offscreen, {panelPage, gridPage, referencePage});
    if (m_xvfb.isEmpty()) {
        m_notes << QStringLiteral("no X display: the Xvfb instruction counts were left out");
    } else {
        ok = measureStepInstructions(QStringLiteral("xvfb, callgrind"), m_xvfb, {panelPage, gridPage, referencePage}) && ok;
    }
    QProcessEnvironment environment = m_offscreen;
    environment.insert(QStringLiteral("QT_QPA_UPDATE_IDLE_TIME"), QStringLiteral("0"));
    Row &tick = m_figures.row(QStringLiteral("tickInstructions"), QStringLiteral("offscreen, callgrind"), {}, {});
    const auto ticks = instructionsIn({QStringLiteral("runTicks")}, {QStringLiteral("ticks"), QString::number(m_options.ticks)}, environment);
    if (ticks) {
        tick.ours.values << ticks->value(QStringLiteral("runTicks")) / m_options.ticks / 1e3;
    } else {
        ok = false;
    }
    return ok;
}

// The reference page's counts stand beside the panel's and the grid's alike.
bool Coordinator::measureStepInstructions(const QString &platform, const QProcessEnvironment &pageEnvironment, const QStringList &pages)
{
    QProcessEnvironment environment = pageEnvironment;
    environment.insert(QStringLiteral("QT_QPA_UPDATE_IDLE_TIME"), QStringLiteral("0"));
    Row &withFrame = m_figures.row(QStringLiteral("stepWithFrameInstructions"), platform, {}, {});
    Row &withoutFrame = m_figures.row(QStringLiteral("stepInstructions"), platform, {}, {});
    Row &gridWithFrame = m_figures.row(QStringLiteral("gridStepWithFrameInstructions"), platform, {}, {});
    const QStringList stepFunctions{QStringLiteral("runStepsWithFrames"), QStringLiteral("runStepsWithoutFrames")};
    const double steps = m_options.steps;
    bool ok = true;
    for (const QString &page : pages) {
        say(QStringLiteral("callgrind: %1 on %2").arg(page, platform));
        const auto counts = instructionsIn(stepFunctions, {QStringLiteral("steps"), page, QString::number(m_options.steps)}, environment);
        if (!counts) {
            ok = false;
            continue;
        }
        const double framed = counts->value(stepFunctions[0]) / steps / 1e6;
        const double bare = counts->value(stepFunctions[1]) / steps / 1e6;
        if (page == gridPage) {
            gridWithFrame.ours.values << framed;
        } else if (page == panelPage) {
            withFrame.ours.values << framed;
            withoutFrame.ours.values << bare;
        } else {
            withFrame.reference.values << framed;
            withoutFrame.reference.values << bare;
            gridWithFrame.reference.values << framed;
        }
    }
    return ok;
}

QString Coordinator::markdownTable() const
{
    QString text = m_figures.markdownTable();
    for (const QString &note : m_notes) {
        text += QStringLiteral("\nNote: ") + note;
    }
    return text;
}

QJsonObject Coordinator::toJson() const
{
    QJsonObject object = m_figures.toJson();
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    QString cpu;
    if (cpuInfo.open(QIODevice::ReadOnly)) {
        cpu = QString::fromUtf8(cpuInfo.readAll()).section(QStringLiteral("model name"), 1, 1).section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(':'), 1).trimmed();
    }
    object.insert(QStringLiteral("machine"),
                  QJsonObject{{QStringLiteral("cpu"), cpu},
                              {QStringLiteral("cores"), QThread::idealThreadCount()},
                              {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
                              {QStringLiteral("measuredAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}});
    object.insert(QStringLiteral("settings"),
                  QJsonObject{{QStringLiteral("runs"), m_options.runs},
                              {QStringLiteral("steps"), m_options.steps},
                              {QStringLiteral("ticks"), m_options.ticks},
                              {QStringLiteral("idleSeconds"), m_options.idleSeconds},
                              {QStringLiteral("idleRuns"), m_options.idleRuns}});
    object.insert(QStringLiteral("graphicsApis"), m_graphicsApis);
    object.insert(QStringLiteral("loadAverages"), m_loads);
    object.insert(QStringLiteral("notes"), QJsonArray::fromStringList(m_notes));
    return object;
}
