/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef SHOTCOMPARISON_H
#define SHOTCOMPARISON_H

#include <QStringList>

/**
 * Compares two directories of tools/grid-shots.sh image by image: "--compare-shots BEFORE
 * AFTER [offscreen|xvfb]". Prints the worst image and fails beyond the renderer's tolerance.
 */
int compareShots(const QStringList &arguments);

#endif
