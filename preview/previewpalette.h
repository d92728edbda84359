/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef PREVIEWPALETTE_H
#define PREVIEWPALETTE_H

#include <QPalette>

/// A complete light or dark desktop palette, so that --light and --dark look the same on every machine.
QPalette previewPalette(bool dark);

/// Whether a palette is a light one: dark text on a light window.
bool isLightPalette(const QPalette &palette);

#endif
