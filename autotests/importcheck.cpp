/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// Imports the module from one QML directory only, as a plain engine of a host
// would, and checks that the types and the bundle came with it.
// Usage: orv-importcheck QMLDIR

#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: orv-importcheck QMLDIR\n");
        return 2;
    }

    QQmlEngine engine;
    engine.setImportPathList({app.arguments().at(1)});
    QQmlComponent component(&engine);
    component.setData("import nimbara.orvadmindate 1.0\nDateToWeek {}\n", QUrl());
    std::unique_ptr<QObject> dateToWeek(component.create());
    if (!dateToWeek) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(component.errorString()));
        return 1;
    }

    int week = 0;
    QMetaObject::invokeMethod(dateToWeek.get(), "convert", Q_RETURN_ARG(int, week), Q_ARG(int, 2021), Q_ARG(int, 0), Q_ARG(int, 1));
    if (week != 53) {
        std::fprintf(stderr, "DateToWeek.convert(2021, 0, 1) gave %d\n", week);
        return 1;
    }
    if (!QFile::exists(QStringLiteral(":/qml/OrvCalendar.qml"))) {
        std::fprintf(stderr, "the resource bundle did not come with the import\n");
        return 1;
    }
    std::printf("imported nimbara.orvadmindate from %s\n", qPrintable(app.arguments().at(1)));
    return 0;
}
