/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "timedated.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDateTime>

#include <algorithm>

namespace
{
const QString service = QStringLiteral("org.freedesktop.timedate1");
const QString path = QStringLiteral("/org/freedesktop/timedate1");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage methodCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    // The service asks polkit, which may ask the administrator for a password.
    message.setInteractiveAuthorizationAllowed(true);
    return message;
}

qint64 offsetAt(const QTimeZone &zone, qint64 msecs)
{
    return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC)) * qint64(1000);
}
}

Timedated::Timedated(QObject *parent)
    : QObject(parent)
{
    QDBusConnection::systemBus().connect(service, path, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                                         SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    readAll();
}

Timedated::Status Timedated::status() const noexcept
{
    return m_status;
}

bool Timedated::isBusy() const noexcept
{
    return !m_queue.isEmpty();
}

QString Timedated::timezone() const
{
    return m_timezone;
}

bool Timedated::ntp() const noexcept
{
    return m_ntp;
}

bool Timedated::canNtp() const noexcept
{
    return m_canNtp;
}

bool Timedated::ntpSynchronized() const noexcept
{
    return m_ntpSynchronized;
}

bool Timedated::localRtc() const noexcept
{
    return m_localRtc;
}

int Timedated::callTimeout() const noexcept
{
    return m_callTimeout;
}

void Timedated::setCallTimeout(int milliseconds)
{
    if (milliseconds != m_callTimeout) {
        m_callTimeout = milliseconds;
        Q_EMIT changed();
    }
}

qint64 Timedated::toEpochMicroseconds(const QDate &date, const QTime &time, const QTimeZone &zone)
{
    if (!date.isValid() || !time.isValid() || !zone.isValid()) {
        return 0;
    }
    // The wall time read as if it were UTC; the instant lies within a day of it. The
    // offsets in force a day before and a day after are the only ones it can have.
    const qint64 wall = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    constexpr qint64 day = 86400000;
    const qint64 before = wall - offsetAt(zone, wall - day);
    const qint64 after = wall - offsetAt(zone, wall + day);
    const auto readsWall = [&](qint64 instant) { return instant + offsetAt(zone, instant) == wall; };
    qint64 instant = before;
    if (readsWall(before) && readsWall(after)) {
        instant = std::min(before, after);
    } else if (readsWall(after)) {
        instant = after;
    }
    return instant * 1000;
}

void Timedated::apply(const QVariantMap &changes)
{
    if (isBusy()) {
        return;
    }
    if (changes.contains(QStringLiteral("ntp"))) {
        m_queue.append(methodCall(QStringLiteral("SetNTP"), {changes.value(QStringLiteral("ntp")).toBool(), true}));
    }
    if (changes.contains(QStringLiteral("date"))) {
        const QDate date = QDate::fromString(changes.value(QStringLiteral("date")).toString(), Qt::ISODate);
        const QTime time = QTime::fromString(changes.value(QStringLiteral("time")).toString(), Qt::ISODate);
        const QTimeZone zone(changes.value(QStringLiteral("timeZoneOfTime")).toString().toUtf8());
        m_queue.append(methodCall(QStringLiteral("SetTime"), {toEpochMicroseconds(date, time, zone), false, true}));
    }
    if (changes.contains(QStringLiteral("timezone"))) {
        m_queue.append(methodCall(QStringLiteral("SetTimezone"), {changes.value(QStringLiteral("timezone")).toString(), true}));
    }
    if (m_queue.isEmpty()) {
        finish(Outcome::Applied, QString());
        return;
    }
    m_sinceApply.start();
    Q_EMIT changed();
    sendNext();
}

void Timedated::sendNext()
{
    QDBusMessage message = m_queue.constFirst();
    if (message.member() == QLatin1String("SetTime")) {
        // The pending time went on ticking while the calls before it were answered.
        QVariantList arguments = message.arguments();
        arguments[0] = arguments[0].toLongLong() + m_sinceApply.elapsed() * 1000;
        message.setArguments(arguments);
    }
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message, m_callTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, message](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusError error = call->error();
        Q_EMIT called(message.member(), message.arguments(), error.isValid() ? error.name() + QLatin1String(": ") + error.message() : QString());
        if (error.isValid()) {
            m_queue.clear();
            finish(outcomeOf(error.name()), error.message());
            return;
        }
        m_queue.removeFirst();
        if (m_queue.isEmpty()) {
            finish(Outcome::Applied, QString());
        } else {
            sendNext();
        }
    });
}

void Timedated::finish(Outcome outcome, const QString &message)
{
    Q_EMIT changed();
    Q_EMIT applied(outcome, message);
    // The service may have changed more than it announced, or gone away.
    if (outcome != Outcome::TimedOut) {
        readAll();
    }
}

Timedated::Outcome Timedated::outcomeOf(const QString &errorName)
{
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")
        || errorName == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired")
        || errorName.startsWith(QLatin1String("org.freedesktop.PolicyKit1.Error."))) {
        return Outcome::Refused;
    }
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.NoReply") || errorName == QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
        return Outcome::TimedOut;
    }
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || errorName == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return Outcome::NoService;
    }
    return Outcome::Failed;
}

void Timedated::readAll()
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, propertiesInterface, QStringLiteral("GetAll"));
    message.setArguments({service});
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message, m_callTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *call;
        if (reply.isError()) {
            if (outcomeOf(reply.error().name()) == Outcome::NoService || m_status == Status::Reading) {
                m_status = Status::Missing;
                Q_EMIT changed();
            }
            return;
        }
        m_status = Status::Available;
        takeProperties(reply.value());
    });
}

void Timedated::takeProperties(const QVariantMap &properties)
{
    const auto take = [&properties](const char *name, auto *field) {
        const auto found = properties.constFind(QString::fromLatin1(name));
        if (found != properties.constEnd()) {
            *field = found->value<std::remove_pointer_t<decltype(field)>>();
        }
    };
    take("Timezone", &m_timezone);
    take("NTP", &m_ntp);
    take("CanNTP", &m_canNtp);
    take("NTPSynchronized", &m_ntpSynchronized);
    take("LocalRTC", &m_localRtc);
    Q_EMIT changed();
}

void Timedated::onPropertiesChanged(const QString &interface, const QVariantMap &changedProperties, const QStringList &invalidated)
{
    if (interface != service) {
        return;
    }
    takeProperties(changedProperties);
    if (!invalidated.isEmpty()) {
        readAll();
    }
}
