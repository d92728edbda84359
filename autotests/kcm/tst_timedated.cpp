/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "timedated.h"

#include <QDateTime>
#include <QTest>

// The instant SetTime is given for a wall-clock time in a zone, where the zone's clocks
// skip or repeat it.
class TimedatedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wallTimeToInstant_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("wallTime");
        QTest::addColumn<QString>("instant");

        QTest::newRow("Berlin in summer") << "Europe/Berlin" << "2021-06-15T12:00:00" << "2021-06-15T10:00:00Z";
        QTest::newRow("Sao Paulo 2018-11-04 00:30, skipped at midnight") << "America/Sao_Paulo" << "2018-11-04T00:30:00" << "2018-11-04T03:30:00Z";
        QTest::newRow("Sao Paulo 2018-11-04 01:00, the first time after") << "America/Sao_Paulo" << "2018-11-04T01:00:00" << "2018-11-04T03:00:00Z";
        QTest::newRow("Sao Paulo 2019-02-16 23:30, repeated: the first") << "America/Sao_Paulo" << "2019-02-16T23:30:00" << "2019-02-17T01:30:00Z";
        QTest::newRow("Havana 2019-03-10 00:00, skipped at midnight") << "America/Havana" << "2019-03-10T00:00:00" << "2019-03-10T05:00:00Z";
        QTest::newRow("Beirut 2022-10-29 23:59:59, repeated: the first") << "Asia/Beirut" << "2022-10-29T23:59:59" << "2022-10-29T20:59:59Z";
        QTest::newRow("Lord Howe 2021-04-04 01:45, repeated half an hour") << "Australia/Lord_Howe" << "2021-04-04T01:45:00" << "2021-04-03T14:45:00Z";
        QTest::newRow("Kiritimati 1994-12-31, a day skipped") << "Pacific/Kiritimati" << "1994-12-31T12:00:00" << "1994-12-31T22:00:00Z";
        QTest::newRow("an unknown zone") << "Mars/Olympus_Mons" << "2021-06-15T12:00:00" << QString();
    }

    void wallTimeToInstant()
    {
        QFETCH(QString, zone);
        QFETCH(QString, wallTime);
        QFETCH(QString, instant);

        const QDateTime wall = QDateTime::fromString(wallTime, Qt::ISODate);
        const qint64 microseconds = Timedated::toEpochMicroseconds(wall.date(), wall.time(), QTimeZone(zone.toUtf8()));
        QCOMPARE(microseconds % 1000000, 0);
        QCOMPARE(microseconds == 0 ? QString() : QDateTime::fromMSecsSinceEpoch(microseconds / 1000, Qt::UTC).toString(Qt::ISODate), instant);
    }
};

QTEST_GUILESS_MAIN(TimedatedTest)

#include "tst_timedated.moc"
