/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatetime.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

namespace
{
const QVector<int> invalid = {0, 0, 0, -1, -1, -1};

QVector<int> partsOf(const QDateTime &dateTime)
{
    return {dateTime.date().year(),
            dateTime.date().month(),
            dateTime.date().day(),
            dateTime.time().hour(),
            dateTime.time().minute(),
            dateTime.time().second()};
}

// Points TZDIR somewhere else for the lifetime of the object.
class ZoneDirectory
{
public:
    explicit ZoneDirectory(const QString &path)
        : m_previous(qgetenv("TZDIR"))
        , m_wasSet(qEnvironmentVariableIsSet("TZDIR"))
    {
        qputenv("TZDIR", QFile::encodeName(path));
    }
    ~ZoneDirectory()
    {
        if (m_wasSet) {
            qputenv("TZDIR", m_previous);
        } else {
            qunsetenv("TZDIR");
        }
    }
    ZoneDirectory(const ZoneDirectory &) = delete;
    ZoneDirectory &operator=(const ZoneDirectory &) = delete;

private:
    const QByteArray m_previous;
    const bool m_wasSet;
};
}

class CurrentDateTimeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enumeration()
    {
        const QMetaObject &metaObject = CurrentDateTime::staticMetaObject;
        QCOMPARE(metaObject.enumeratorCount(), 1);
        const QMetaEnum values = metaObject.enumerator(0);
        QCOMPARE(values.name(), "DateTimeValue");
        QVERIFY(!values.isFlag());
        QVERIFY(!values.isScoped());
        const char *const keys[] = {"Year", "Month", "Day", "Hour", "Minute", "Second"};
        QCOMPARE(values.keyCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(values.key(i), keys[i]);
            QCOMPARE(values.value(i), i);
        }
    }

    // Each row names a zone and an independent way to get its wall-clock time from UTC.
    void currentTime_data()
    {
        QTest::addColumn<QString>("zoneName");
        QTest::addColumn<int>("offsetSeconds");

        QTest::newRow("UTC") << "UTC" << 0;
        QTest::newRow("a UTC-offset identifier") << "UTC+03:00" << 3 * 3600;
        QTest::newRow("a negative UTC-offset identifier") << "UTC-09:30" << -(9 * 3600 + 1800);
        QTest::newRow("Etc/GMT+12 is twelve hours behind") << "Etc/GMT+12" << -12 * 3600;
        QTest::newRow("Pacific/Kiritimati, UTC+14 without daylight saving") << "Pacific/Kiritimati" << 14 * 3600;
        QTest::newRow("Asia/Kolkata, UTC+05:30") << "Asia/Kolkata" << 5 * 3600 + 1800;
    }

    void currentTime()
    {
        QFETCH(QString, zoneName);
        QFETCH(int, offsetSeconds);

        CurrentDateTime currentDateTime;
        // Sample the clock around the call; retry if a second boundary falls between.
        for (int attempt = 0; attempt < 5; ++attempt) {
            const QDateTime before = QDateTime::currentDateTimeUtc();
            const QVector<int> parts = currentDateTime.getDateTimeForTimeZone(zoneName);
            const QDateTime after = QDateTime::currentDateTimeUtc();
            if (before.toSecsSinceEpoch() != after.toSecsSinceEpoch()) {
                continue;
            }
            QDateTime wallClock = before.addSecs(offsetSeconds);
            wallClock.setTimeSpec(Qt::UTC);
            QCOMPARE(parts, partsOf(wallClock));
            return;
        }
        QFAIL("the clock kept crossing second boundaries");
    }

    void zonesOnEitherSideOfTheDateLineDiffer()
    {
        // 25 hours apart: their days of the month differ at every instant.
        CurrentDateTime currentDateTime;
        const QVector<int> ahead = currentDateTime.getDateTimeForTimeZone(QStringLiteral("Pacific/Kiritimati"));
        const QVector<int> behind = currentDateTime.getDateTimeForTimeZone(QStringLiteral("Pacific/Pago_Pago"));
        QVERIFY(ahead.at(CurrentDateTime::Day) != behind.at(CurrentDateTime::Day));
    }

    void invalidZones_data()
    {
        QTest::addColumn<QString>("zoneName");

        QTest::newRow("not a zone") << "Not/AZone";
        QTest::newRow("plain words") << "half past nine";
        QTest::newRow("an offset out of range") << "UTC+99:00";
        QTest::newRow("a path outside the zone database") << "../../../etc/passwd";
        QTest::newRow("control characters") << QStringLiteral("Europe/\nBerlin");
        QTest::newRow("a very long name") << QString(4096, QLatin1Char('A'));
        QTest::newRow("a path out of the database through a zone folder") << "Europe/../../../../etc/passwd";
        QTest::newRow("a dot-dot path to a real zone") << "Europe/../Europe/Berlin";
        QTest::newRow("an absolute path to a zone file") << "/usr/share/zoneinfo/Europe/Berlin";
        QTest::newRow("an empty component") << "Europe//Berlin";
        QTest::newRow("a trailing slash") << "Europe/Berlin/";
        QTest::newRow("a NUL byte after a real zone") << QString::fromUtf8("Europe/Berlin\0", 14);
        QTest::newRow("a POSIX TZ rule is no identifier") << "<+0330>-3:30";
    }

    void invalidZones()
    {
        QFETCH(QString, zoneName);
        QCOMPARE(CurrentDateTime().getDateTimeForTimeZone(zoneName), invalid);
    }

    // Names are checked before Qt sees them; none of the database's may be caught.
    void everyKnownZoneWorks()
    {
        QList<QByteArray> names = QTimeZone::availableTimeZoneIds();
        QVERIFY(names.size() > 300);
        names += {"right/America/Argentina/ComodRivadavia", "posix/Europe/Berlin", "America/Port-au-Prince", "Etc/GMT-14", "UTC-12:00", "UTC+05:45"};
        const CurrentDateTime currentDateTime;
        for (const QByteArray &name : std::as_const(names)) {
            const QVector<int> parts = currentDateTime.getDateTimeForTimeZone(QString::fromLatin1(name));
            QVERIFY2(parts.at(CurrentDateTime::Year) != 0, name.constData());
        }
    }

    // Opening a FIFO blocks until a writer comes: a name that reached one outside the
    // database would hang the caller.
    void namesOpenNothingOutsideTheDatabase()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QByteArray fifo = QFile::encodeName(directory.filePath(QStringLiteral("fifo")));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        const QString name = QStringLiteral("Europe/../../../..") + QFile::decodeName(fifo);

        auto parts = std::async(std::launch::async, [name] {
            return CurrentDateTime().getDateTimeForTimeZone(name);
        });
        const bool returned = parts.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (!returned) {
            // Releases the blocked reader, so that the test fails instead of hanging.
            ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
        }
        QVERIFY2(returned, "the zone name opened a FIFO outside the zone database");
        QCOMPARE(parts.get(), invalid);
    }

    // TZDIR at an empty folder: the machine has no zone database.
    void zoneDatabaseMissing_data()
    {
        QTest::addColumn<QString>("zoneName");
        QTest::addColumn<bool>("valid");

        QTest::newRow("an IANA name") << "Europe/Berlin" << false;
        QTest::newRow("Etc/UTC, a name from the database") << "Etc/UTC" << false;
        QTest::newRow("UTC") << "UTC" << true;
        QTest::newRow("a UTC-offset identifier") << "UTC+03:00" << true;
    }

    void zoneDatabaseMissing()
    {
        QFETCH(QString, zoneName);
        QFETCH(bool, valid);

        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const ZoneDirectory zoneDirectory(empty.path());
        const QVector<int> parts = CurrentDateTime().getDateTimeForTimeZone(zoneName);
        if (valid) {
            QVERIFY(parts.at(CurrentDateTime::Year) != 0);
        } else {
            QCOMPARE(parts, invalid);
        }
    }

    // A database of its own in TZDIR decides which zones exist, as for the C library.
    void zoneDatabaseElsewhere()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("Europe")));
        QVERIFY(QFile::copy(QStringLiteral("/usr/share/zoneinfo/Europe/Berlin"), directory.filePath(QStringLiteral("Europe/Berlin"))));
        const ZoneDirectory zoneDirectory(directory.path());

        const CurrentDateTime currentDateTime;
        QVERIFY(currentDateTime.getDateTimeForTimeZone(QStringLiteral("Europe/Berlin")).at(CurrentDateTime::Year) != 0);
        QCOMPARE(currentDateTime.getDateTimeForTimeZone(QStringLiteral("Europe/Paris")), invalid);
        QCOMPARE(currentDateTime.getDateTimeForTimeZone(QStringLiteral("Europe")), invalid);
    }
};

QTEST_GUILESS_MAIN(CurrentDateTimeTest)

#include "tst_currentdatetime.moc"
