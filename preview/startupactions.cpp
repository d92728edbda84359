/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "startupactions.h"

#include "jsonlinewriter.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{
// Images and the artwork's shadows load asynchronously: a short pause after a frame
// lets them settle before anything is read off the page.
constexpr int settleMilliseconds = 300;
// A window that never draws (no display, a broken platform) must not leave a script waiting.
constexpr int firstFrameTimeoutMilliseconds = 30000;
}

StartupActions::StartupActions(QQuickWindow *window, const Plan &plan, JsonLineWriter *writer, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_plan(plan)
    , m_writer(writer)
{
    if (!isDriven() && !m_plan.dumpGeometry && m_plan.screenshotFile.isEmpty()) {
        return;
    }
    runAfterFrame(&StartupActions::start);
    if (!m_plan.screenshotFile.isEmpty()) {
        QTimer::singleShot(firstFrameTimeoutMilliseconds, this, [] {
            std::fprintf(stderr, "the page drew no frame to save\n");
            QCoreApplication::exit(1);
        });
    }
}

void StartupActions::runAfterFrame(void (StartupActions::*step)())
{
    // The threaded render loop emits frameSwapped on its own thread: the signals of frames
    // that followed quickly may be queued already when the first arrives, and run after
    // the disconnection. Only the first counts.
    auto connection = std::make_shared<QMetaObject::Connection>();
    auto fired = std::make_shared<bool>(false);
    *connection = connect(m_window, &QQuickWindow::frameSwapped, this, [this, connection, fired, step] {
        disconnect(*connection);
        if (*fired) {
            return;
        }
        *fired = true;
        QTimer::singleShot(settleMilliseconds, this, step);
    });
    m_window->update();
}

void StartupActions::start()
{
    if (isDriven()) {
        drive();
        // The driven change redraws the panel: read the page after that frame.
        runAfterFrame(&StartupActions::reportGeometry);
        return;
    }
    reportGeometry();
}

bool StartupActions::isDriven() const
{
    return !m_plan.driveZone.isEmpty() || m_plan.driveDay != 0 || m_plan.driveReset;
}

void StartupActions::drive()
{
    if (!m_plan.driveZone.isEmpty()) {
        QMetaObject::invokeMethod(m_window, "driveZone", Q_ARG(QVariant, m_plan.driveZone));
    }
    if (m_plan.driveDay != 0) {
        QMetaObject::invokeMethod(m_window, "driveDayOfMonth", Q_ARG(QVariant, m_plan.driveDay));
    }
    if (m_plan.driveReset) {
        QMetaObject::invokeMethod(m_window, "driveReset");
    }
}

void StartupActions::reportGeometry()
{
    if (m_plan.dumpGeometry) {
        QVariant geometry;
        QMetaObject::invokeMethod(m_window, "pageGeometry", Q_RETURN_ARG(QVariant, geometry));
        QVariantMap line = geometry.toMap();
        line.insert(QStringLiteral("event"), QStringLiteral("geometry"));
        line.insert(QStringLiteral("devicePixelRatio"), m_window->effectiveDevicePixelRatio());
        m_writer->write(line);
    }
    if (!m_plan.screenshotFile.isEmpty()) {
        saveScreenshot();
    }
}

void StartupActions::saveScreenshot()
{
    const QImage image = grab(m_window);
    const bool saved = !image.isNull() && image.save(m_plan.screenshotFile, "PNG");
    if (!saved) {
        std::fprintf(stderr, "could not save the page to %s\n", qPrintable(m_plan.screenshotFile));
    }
    QCoreApplication::exit(saved ? 0 : 1);
}

QImage StartupActions::grab(QQuickWindow *window)
{
    QImage image = window->grabWindow();
    if (image.isNull() && window->screen()) {
        // The software renderer on the offscreen platform paints into a backing store
        // that only the screen can read back.
        image = window->screen()->grabWindow(window->winId()).toImage();
    }
    return image;
}
