/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef PREVIEWPALETTE_H
#define PREVIEWPALETTE_H

#include <QObject>
#include <QPalette>

/**
 * The preview's light and dark desktop palettes, complete, so that --light and --dark
 * look the same on every machine; the page's settings menu switches between them.
 */
class PreviewPalette : public QObject
{
    Q_OBJECT

public:
    explicit PreviewPalette(QObject *parent = nullptr);

    static QPalette palette(bool dark);
    /// Whether a palette is a light one: dark text on a light window.
    static bool isLight(const QPalette &palette);

    /// Makes the light or the dark palette the application's; SystemPalette follows.
    Q_INVOKABLE void apply(bool dark);
};

#endif
