/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "childpage.h"

#include <KLocalizedContext>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

// Callgrind's client requests zero its counts and dump them around each measured loop;
// outside valgrind they cost a few instructions. Without valgrind's headers there is
// no valgrind to count either.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace
{
constexpr int warmUpSteps = 24;
constexpr int frameTimeoutMs = 10000;

// A page in a window of its own, as a host would show it.
class PageWindow
{
public:
    explicit PageWindow(const QString &page)
    {
        m_engine.addImportPath(QStringLiteral(ORV_QML_BUILD_DIR));
        auto *context = new KLocalizedContext(&m_engine);
        context->setTranslationDomain(QStringLiteral("orv-admin-date-plugin"));
        m_engine.rootContext()->setContextObject(context);
        m_engine.load(QUrl(QStringLiteral("qrc:/bench/%1Page.qml").arg(page)));
        if (!m_engine.rootObjects().isEmpty()) {
            m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().constFirst());
        }
    }

    QQuickWindow *window() const
    {
        return m_window;
    }

    // Asks for a frame and returns once it is on screen.
    bool renderFrame()
    {
        QEventLoop loop;
        bool swapped = false;
        QObject::connect(m_window, &QQuickWindow::frameSwapped, &loop, [&] {
            swapped = true;
            loop.quit();
        });
        QTimer::singleShot(frameTimeoutMs, &loop, &QEventLoop::quit);
        m_window->update();
        loop.exec();
        return swapped;
    }

    void call(const char *function)
    {
        QMetaObject::invokeMethod(m_window, function);
    }

private:
    QQmlApplicationEngine m_engine;
    QQuickWindow *m_window = nullptr;
};

QString graphicsApiName(QQuickWindow *window)
{
    switch (window->rendererInterface()->graphicsApi()) {
    case QSGRendererInterface::Software:
        return QStringLiteral("software");
    case QSGRendererInterface::OpenGL:
        return QStringLiteral("opengl");
    default:
        return QStringLiteral("other");
    }
}

void printJson(const QJsonObject &object)
{
    std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// Nanoseconds for `count` runs of `step`, -1 when one fails. Callgrind's counts are
// zeroed before and dumped after, the dump named `name`.
template<typename Step>
qint64 measure(const char *name, int count, Step step)
{
    CALLGRIND_ZERO_STATS;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        if (!step()) {
            return -1;
        }
    }
    const qint64 elapsed = timer.nsecsElapsed();
    CALLGRIND_DUMP_STATS_AT(name);
    return elapsed;
}

qint64 runStepsWithFrames(PageWindow &page, int count)
{
    return measure("runStepsWithFrames", count, [&] {
        page.call("nextMonth");
        return page.renderFrame();
    });
}

qint64 runStepsWithoutFrames(PageWindow &page, int count)
{
    return measure("runStepsWithoutFrames", count, [&] {
        page.call("nextMonth");
        // What the event loop would do between two key presses, short of drawing:
        // let the items the step released go.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    });
}

qint64 runTicks(QObject *label, int count)
{
    return measure("runTicks", count, [label] {
        return QMetaObject::invokeMethod(label, "updateDate");
    });
}

int runSteps(PageWindow &page, const QString &name, int count)
{
    if (name == QLatin1String("panel")) {
        QObject *panel = page.window()->findChild<QObject *>(QStringLiteral("panel"));
        // Its first child of that name is the month grid; the grid's own cell grid lies deeper.
        QObject *grid = panel ? panel->findChild<QObject *>(QStringLiteral("calendar")) : nullptr;
        if (!grid || grid->metaObject()->indexOfMethod("showNextMonth(QVariant)") < 0) {
            std::fprintf(stderr, "the panel's month grid was not found\n");
            return 1;
        }
        page.window()->setProperty("grid", QVariant::fromValue(grid));
    }

    page.call("resetMonth");
    for (int i = 0; i < warmUpSteps; ++i) {
        page.call("nextMonth");
        page.renderFrame();
    }
    page.call("resetMonth");
    page.renderFrame();
    const qint64 withFrames = runStepsWithFrames(page, count);
    page.call("resetMonth");
    page.renderFrame();
    const qint64 withoutFrames = runStepsWithoutFrames(page, count);
    page.renderFrame();
    if (withFrames < 0) {
        std::fprintf(stderr, "a step was not followed by a frame\n");
        return 1;
    }
    printJson({{QStringLiteral("withFrameUs"), withFrames / 1000.0 / count},
               {QStringLiteral("withoutFrameUs"), withoutFrames / 1000.0 / count},
               {QStringLiteral("graphicsApi"), graphicsApiName(page.window())}});
    return 0;
}

int runTickCount(PageWindow &page, int count)
{
    QObject *label = page.window()->findChild<QObject *>(QStringLiteral("label"));
    if (!label) {
        std::fprintf(stderr, "the long date label was not found\n");
        return 1;
    }
    runTicks(label, 10);
    const qint64 elapsed = runTicks(label, count);
    printJson({{QStringLiteral("tickUs"), elapsed / 1000.0 / count}});
    return 0;
}
}

int runChild(int argc, char **argv, const QStringList &arguments)
{
    const QString mode = arguments.value(0);
    const bool ticks = mode == QLatin1String("ticks");
    const QString page = ticks ? QStringLiteral("tick") : arguments.value(1);
    const int count = arguments.value(ticks ? 1 : 2).toInt();
    const bool knownPage = ticks || page == QLatin1String("panel") || page == QLatin1String("grid") || page == QLatin1String("reference")
        || (page == QLatin1String("shots") && arguments.size() == 3);
    if (!knownPage || !(mode == QLatin1String("show") || ((ticks || mode == QLatin1String("steps")) && count > 0))) {
        std::fprintf(stderr, "child: show PAGE | show shots DIRECTORY | steps PAGE COUNT | ticks COUNT\n");
        return 2;
    }

    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }
    QGuiApplication app(argc, argv);
    // The preview page's style, so that the three pages are drawn alike.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE")) {
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }
    // Capitalised as the page documents are named.
    PageWindow window(page.at(0).toUpper() + page.mid(1));
    if (!window.window()) {
        return 1;
    }
    if (mode == QLatin1String("show")) {
        return app.exec();
    }
    // The loops run outside app.exec(): the items a step releases go at the next frame's
    // event processing, as they would under a running loop.
    if (!window.renderFrame()) {
        std::fprintf(stderr, "no first frame\n");
        return 1;
    }
    return ticks ? runTickCount(window, count) : runSteps(window, page, count);
}
