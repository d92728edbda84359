/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "basecalendarcontroller.h"
#include "currentdatenameprovider.h"
#include "currentdatetime.h"
#include "datetoweek.h"
#include "focusannouncer.h"
#include "numberofweeks.h"

#include <QFile>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(const QMetaObject *)

namespace
{
const QStringList typeNames = {QStringLiteral("DateToWeek"),
                               QStringLiteral("NumberOfWeeks"),
                               QStringLiteral("CurrentDateTime"),
                               QStringLiteral("CurrentDateNameProvider"),
                               QStringLiteral("BaseCalendarController"),
                               QStringLiteral("FocusAnnouncer"),
                               QStringLiteral("MonthModel"),
                               QStringLiteral("MonthGridDrawing")};

QStringList bundleEntries()
{
    QStringList entries;
    for (const char *document : {"BaseCalendar", "YearInput", "DatePicker", "OrvCalendar", "CurrentDate", "Clock", "DigitalClock"}) {
        entries.append(QStringLiteral(":/qml/%1.qml").arg(QLatin1String(document)));
    }
    for (const char *variant : {"light", "dark"}) {
        for (const char *image : {"background", "face", "hour", "minute", "second", "minutePin", "secondPin", "center"}) {
            entries.append(QStringLiteral(":/images/%1/%2.svg").arg(QLatin1String(variant), QLatin1String(image)));
        }
        for (const char *icon : {"arrow-left", "arrow-right", "arrow-down", "arrow-left-double", "arrow-right-double", "object-rotate-left"}) {
            entries.append(QStringLiteral(":/icons/32x32/actions/%1/%2.png").arg(QLatin1String(variant), QLatin1String(icon)));
        }
    }
    return entries;
}

// Methods a class adds to QObject's, as "returnType name(parameterTypes)".
QStringList ownMethods(const QMetaObject &metaObject)
{
    QStringList methods;
    for (int i = metaObject.methodOffset(); i < metaObject.methodCount(); ++i) {
        const QMetaMethod method = metaObject.method(i);
        const QString kind = method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public ? QString() : QStringLiteral("(not a public slot) ");
        methods.append(kind + QLatin1String(method.typeName()) + QLatin1Char(' ') + QLatin1String(method.methodSignature()));
    }
    return methods;
}
}

class PluginTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaData()
    {
        QPluginLoader loader(QStringLiteral(ORV_PLUGIN_FILE));
        const QJsonObject metaData = loader.metaData();
        QCOMPARE(metaData.value(QLatin1String("IID")).toString(), QStringLiteral("org.qt-project.Qt.QQmlExtensionInterface/1.0"));
        QCOMPARE(metaData.value(QLatin1String("className")).toString(), QStringLiteral("OrvAdminDatePlugin"));
        QCOMPARE(metaData.value(QLatin1String("version")).toInt() >> 8, 0x050f);
        QVERIFY(metaData.value(QLatin1String("MetaData")).toObject().isEmpty());
        QVERIFY(!loader.isLoaded());
    }

    void bundleReachableOnceLoaded()
    {
        const QStringList entries = bundleEntries();
        for (const QString &entry : entries) {
            QVERIFY2(!QFile::exists(entry), qPrintable(entry + QStringLiteral(" exists before the library is loaded")));
        }

        QLibrary library(QStringLiteral(ORV_PLUGIN_FILE));
        QVERIFY2(library.load(), qPrintable(library.errorString()));

        // No engine has imported the module yet.
        for (const QString &entry : entries) {
            QFile file(entry);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(entry));
            QVERIFY2(file.size() > 0, qPrintable(entry));
        }
    }

    void oneInstance()
    {
        QLibrary library(QStringLiteral(ORV_PLUGIN_FILE));
        QVERIFY(library.load());
        using Instance = QObject *(*)();
        const auto instance = reinterpret_cast<Instance>(library.resolve("qt_plugin_instance"));
        QVERIFY(instance);
        QObject *first = instance();
        QVERIFY(first);
        QCOMPARE(instance(), first);

        QPluginLoader loader(QStringLiteral(ORV_PLUGIN_FILE));
        QCOMPARE(loader.instance(), first);
        QVERIFY(qobject_cast<QQmlExtensionPlugin *>(first));
        QVERIFY(first->parent() == nullptr);

        const QMetaObject *metaObject = first->metaObject();
        QCOMPARE(metaObject->className(), "OrvAdminDatePlugin");
        QCOMPARE(metaObject->methodCount(), QQmlExtensionPlugin::staticMetaObject.methodCount());
        QCOMPARE(metaObject->propertyCount(), QQmlExtensionPlugin::staticMetaObject.propertyCount());
        QCOMPARE(metaObject->enumeratorCount(), 0);
        QCOMPARE(metaObject->classInfoCount(), 0);
    }

    void registersUnderAnyUri()
    {
        QPluginLoader loader(QStringLiteral(ORV_PLUGIN_FILE));
        auto *plugin = qobject_cast<QQmlExtensionPlugin *>(loader.instance());
        QVERIFY(plugin);
        const char uri[] = "org.example.elsewhere";
        plugin->registerTypes(uri);

        int previous = -1;
        for (const QString &name : typeNames) {
            const int id = qmlTypeId(uri, 1, 0, qPrintable(name));
            QVERIFY2(id > previous, qPrintable(name + QStringLiteral(" is not registered after the type before it")));
            previous = id;
        }

        QQmlEngine engine;
        for (const QString &name : typeNames) {
            QQmlComponent component(&engine);
            component.setData(QStringLiteral("import org.example.elsewhere 1.0\n%1 {}\n").arg(name).toUtf8(), QUrl());
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            QCOMPARE(object->metaObject()->className(), qPrintable(name));
        }
        QQmlComponent unknown(&engine);
        unknown.setData("import org.example.elsewhere 1.0\nOrvAdminDatePlugin {}\n", QUrl());
        QVERIFY(unknown.isError());
    }

    void interfaces_data()
    {
        QTest::addColumn<const QMetaObject *>("metaObject");
        QTest::addColumn<QStringList>("methods");
        QTest::addColumn<int>("enumerators");

        QTest::newRow("BaseCalendarController") << &BaseCalendarController::staticMetaObject
                                                << QStringList{QStringLiteral("qlonglong getDateOneWeekAgo(qulonglong)"),
                                                               QStringLiteral("qlonglong getDateNextWeek(qulonglong)"),
                                                               QStringLiteral("qlonglong getDateOneDayAgo(qulonglong)"),
                                                               QStringLiteral("qlonglong getDateNextDay(qulonglong)"),
                                                               QStringLiteral("qlonglong getMilliSecondsInOneDay()")}
                                                << 0;
        QTest::newRow("DateToWeek") << &DateToWeek::staticMetaObject << QStringList{QStringLiteral("int convert(int,int,int)")} << 0;
        QTest::newRow("NumberOfWeeks") << &NumberOfWeeks::staticMetaObject << QStringList{QStringLiteral("int get(int)")} << 0;
        QTest::newRow("CurrentDateNameProvider") << &CurrentDateNameProvider::staticMetaObject
                                                 << QStringList{QStringLiteral("void setTranslate(bool)"),
                                                                QStringLiteral("bool translate()"),
                                                                QStringLiteral("QStringList getMonthNames()"),
                                                                QStringLiteral("QStringList getDaysOfWeek()"),
                                                                QStringLiteral("QString getLongDate(int,int,int)")}
                                                 << 0;
        QTest::newRow("CurrentDateTime") << &CurrentDateTime::staticMetaObject
                                         << QStringList{QStringLiteral("QVector<int> getDateTimeForTimeZone(QString)")} << 1;
        QTest::newRow("FocusAnnouncer") << &FocusAnnouncer::staticMetaObject << QStringList{QStringLiteral("void announce(QObject*)")} << 0;
    }

    void interfaces()
    {
        QFETCH(const QMetaObject *, metaObject);
        QFETCH(QStringList, methods);
        QFETCH(int, enumerators);

        QCOMPARE(metaObject->superClass(), &QObject::staticMetaObject);
        QCOMPARE(ownMethods(*metaObject), methods);
        QCOMPARE(metaObject->propertyCount(), QObject::staticMetaObject.propertyCount());
        QCOMPARE(metaObject->enumeratorCount(), enumerators);
        QCOMPARE(metaObject->constructorCount(), 0);
        QCOMPARE(metaObject->classInfoCount(), 0);
    }
};

QTEST_MAIN(PluginTest)

#include "tst_plugin.moc"
