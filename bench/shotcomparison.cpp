/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "shotcomparison.h"

#include <QDir>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace
{
// The largest difference of a channel between two pixels.
int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

struct Tolerance {
    // No channel of any pixel may differ by more than `largest`, and at most `share` of an
    // image's pixels by more than `threshold`.
    int largest;
    int threshold;
    double share;
};
}

int compareShots(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        std::fprintf(stderr, "--compare-shots BEFORE AFTER [offscreen|xvfb]\n");
        return 2;
    }
    // Glyphs are cut and placed anew, so their anti-aliased edges may differ: a little with
    // the software renderer, more under OpenGL, whose own text had coloured sub-pixel edges.
    const bool openGl = arguments.value(2) == QLatin1String("xvfb");
    const Tolerance tolerance = openGl ? Tolerance{255, 64, 0.01} : Tolerance{64, 32, 0.005};
    const QDir before(arguments[0]);
    const QDir after(arguments[1]);
    const QStringList names = before.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    bool within = !names.isEmpty();
    QString worstName;
    double worstShare = 0;
    int largest = 0;
    for (const QString &name : names) {
        const QImage a = QImage(before.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(after.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        if (a.size() != b.size()) {
            std::printf("%s: %s\n", qPrintable(name), b.isNull() ? "missing" : "another size");
            within = false;
            continue;
        }
        int over = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const int d = difference(a.pixel(x, y), b.pixel(x, y));
                largest = std::max(largest, d);
                over += d > tolerance.threshold ? 1 : 0;
            }
        }
        const double share = double(over) / (a.width() * a.height());
        if (share >= worstShare) {
            worstShare = share;
            worstName = name;
        }
    }
    within = within && largest <= tolerance.largest && worstShare <= tolerance.share;
    std::printf("%lld images; largest channel difference %d (at most %d); worst image %s with %.2f %% of its pixels over %d (at most %.2f %%): %s\n",
                qlonglong(names.size()), largest, tolerance.largest, qPrintable(worstName), worstShare * 100, tolerance.threshold, tolerance.share * 100,
                within ? "within the tolerance" : "BEYOND the tolerance");
    return within ? 0 : 1;
}
