/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef STARTUPACTIONS_H
#define STARTUPACTIONS_H

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

class JsonLineWriter;

/**
 * What the preview does on its own once the page has drawn its first frame:
 * drive a zone, a day and Reset, report the page's geometry, save a screenshot and quit.
 */
class StartupActions : public QObject
{
    Q_OBJECT

public:
    struct Plan {
        QString driveZone; ///< empty: none
        int driveDay = 0; ///< 0: none
        bool driveReset = false;
        bool dumpGeometry = false;
        QString screenshotFile; ///< empty: keep running
    };

    StartupActions(QQuickWindow *window, const Plan &plan, JsonLineWriter *writer, QObject *parent = nullptr);

    /// The page as it is on screen; null when neither the window nor its screen can be grabbed.
    static QImage grab(QQuickWindow *window);

private:
    void start();
    void runAfterFrame(void (StartupActions::*step)());
    bool isDriven() const;
    void drive();
    void reportGeometry();
    void saveScreenshot();

    QPointer<QQuickWindow> m_window;
    Plan m_plan;
    JsonLineWriter *m_writer;
};

#endif
