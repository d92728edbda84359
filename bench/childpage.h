/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef CHILDPAGE_H
#define CHILDPAGE_H

#include <QStringList>

/**
 * The bench's child processes, one page each. The coordinator starts them with the
 * platform and the renderer of the figure it measures:
 *   show PAGE             show the page until terminated (start-up and memory)
 *   steps PAGE COUNT      COUNT month steps with a frame each, then COUNT without;
 *                         prints {"withFrameUs":..,"withoutFrameUs":..,"graphicsApi":..}
 *   ticks COUNT           COUNT calls of the long date label's updateDate(); prints {"tickUs":..}
 * PAGE is "panel" or "reference".
 */
int runChild(int argc, char **argv, const QStringList &arguments);

#endif
