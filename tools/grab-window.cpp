/* SPDX-License-Identifier: LGPL-2.1-or-later */

// grab-window FILE [WINDOW-ID]: saves an X window (default: the whole screen) as a PNG,
// for screenshots of programs that cannot save their own (tools/kcm-shot.sh).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const WId window = argc > 2 ? QString::fromLatin1(argv[2]).toULongLong() : 0;
    return QGuiApplication::primaryScreen()->grabWindow(window).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
