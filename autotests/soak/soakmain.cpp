/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The Qt Quick Test main of the suites that need to see past QML: the same setup as
// every suite, and three context properties.
//   heap          the bytes glibc's allocator has handed out and not taken back
//   systemZone    the changes of the local UTC offset, as Qt's zone database lists them
//   machineClock  the machine's clock as libfaketime shows it to this process, which
//                 the test moves by rewriting the file libfaketime reads it from

#include "../qmltestsetup.h"

#include <QDateTime>
#include <QSaveFile>
#include <QTimeZone>
#include <QVariantMap>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define ORV_SANITIZED_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_SANITIZED_HEAP 1
#endif
#endif

class Heap : public QObject
{
    Q_OBJECT
    // False where another allocator (AddressSanitizer's) serves the heap: glibc's
    // figures then tell nothing.
    Q_PROPERTY(bool measured READ measured CONSTANT)

public:
    using QObject::QObject;

    static bool measured()
    {
#ifdef ORV_SANITIZED_HEAP
        return false;
#else
        return true;
#endif
    }

    Q_INVOKABLE double inUse() const
    {
        return double(mallinfo2().uordblks);
    }
};

class SystemZone : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The changes of the UTC offset from `fromMs` to `toMs` (milliseconds since the
    // epoch), each as { at: the first instant of the new offset in milliseconds,
    // before: the offset until then, after: the offset from then on, in seconds }.
    // Changes of the name or daylight-saving flag alone are left out.
    Q_INVOKABLE QVariantList transitions(double fromMs, double toMs) const
    {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        QVariantList changes;
        const auto transitions = zone.transitions(QDateTime::fromMSecsSinceEpoch(qint64(fromMs), Qt::UTC),
                                                  QDateTime::fromMSecsSinceEpoch(qint64(toMs), Qt::UTC));
        for (const QTimeZone::OffsetData &transition : transitions) {
            const int before = zone.offsetFromUtc(transition.atUtc.addMSecs(-1));
            if (before == transition.offsetFromUtc) {
                continue;
            }
            changes.append(QVariantMap{{QStringLiteral("at"), double(transition.atUtc.toMSecsSinceEpoch())},
                                       {QStringLiteral("before"), before},
                                       {QStringLiteral("after"), transition.offsetFromUtc}});
        }
        return changes;
    }

    Q_INVOKABLE QString id() const
    {
        return QString::fromUtf8(QTimeZone::systemTimeZoneId());
    }
};

class MachineClock : public QObject
{
    Q_OBJECT
    // True when libfaketime runs this process with a time file it reads anew on every
    // clock call; only then can the test move the clock.
    Q_PROPERTY(bool movable READ movable CONSTANT)

public:
    using QObject::QObject;

    static bool movable()
    {
        return qEnvironmentVariableIsSet("LD_PRELOAD") && qEnvironmentVariableIsSet("FAKETIME_TIMESTAMP_FILE")
            && qgetenv("FAKETIME_NO_CACHE") == "1";
    }

    // `time` in libfaketime's form: "2026-03-08 12:00:00" stands the clock still at
    // that local time, "+1d" puts it a day ahead of the real one. Written whole and
    // renamed into place, so that no clock call reads half a line.
    Q_INVOKABLE bool set(const QString &time) const
    {
        QSaveFile file(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
        return movable() && file.open(QIODevice::WriteOnly) && file.write(time.toUtf8() + '\n') > 0 && file.commit();
    }
};

class SoakSetup : public Setup
{
    Q_OBJECT

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        Setup::qmlEngineAvailable(engine);
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("heap"), &m_heap);
        context->setContextProperty(QStringLiteral("systemZone"), &m_systemZone);
        context->setContextProperty(QStringLiteral("machineClock"), &m_machineClock);
    }

private:
    Heap m_heap;
    SystemZone m_systemZone;
    MachineClock m_machineClock;
};

QUICK_TEST_MAIN_WITH_SETUP(orvadmindate, SoakSetup)

#include "soakmain.moc"
