/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef COORDINATOR_H
#define COORDINATOR_H

#include "figures.h"

#include <QProcessEnvironment>
#include <QStringList>

/**
 * Runs every figure in child processes, on each platform, and gathers them: start to
 * first frame and peak memory of the three pages, month steps of the panel and of the
 * reference page, the label's tick, the preview's idle CPU, and callgrind's
 * instruction counts of the steps and the tick.
 */
class Coordinator
{
public:
    struct Options {
        int runs = 5;
        int steps = 600;
        int ticks = 2000;
        int idleSeconds = 20;
        int idleRuns = 3;
        bool callgrind = true;
        bool timings = true;
        double maxLoad = 1.0;
        int loadWaitSeconds = 1800;
        QStringList platforms{QStringLiteral("offscreen"), QStringLiteral("xvfb")};
    };

    explicit Coordinator(const Options &options);

    /// Measures everything; false when a child failed.
    bool run();

    QString markdownTable() const;
    QJsonObject toJson() const;

private:
    struct Platform {
        QString name;
        QProcessEnvironment environment;
    };

    bool measureStarts(const Platform &platform);
    bool measureSteps(const Platform &platform);
    bool measureIdle(const Platform &platform);
    bool measureInstructions();
    bool measureStepInstructions(const QString &platform, const QProcessEnvironment &environment, const QStringList &pages);
    void waitForQuietMachine();
    void noteLoad(const QString &when);

    Options m_options;
    QProcessEnvironment m_offscreen;
    // Empty without an X display.
    QProcessEnvironment m_xvfb;
    QVector<Platform> m_platforms;
    QStringList m_notes;
    QJsonObject m_loads;
    QJsonObject m_graphicsApis;
    Figures m_figures;
};

#endif
