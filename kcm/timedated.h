/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef TIMEDATED_H
#define TIMEDATED_H

#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QTimeZone>
#include <QVariantMap>

/**
 * The machine's date, time and zone as systemd-timedated keeps them, read and set over
 * the system bus. Every call is asynchronous; results come back as signals.
 */
class Timedated : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Status status READ status NOTIFY changed)
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY changed)
    Q_PROPERTY(QString timezone READ timezone NOTIFY changed)
    Q_PROPERTY(bool ntp READ ntp NOTIFY changed)
    Q_PROPERTY(bool canNtp READ canNtp NOTIFY changed)
    Q_PROPERTY(bool ntpSynchronized READ ntpSynchronized NOTIFY changed)
    Q_PROPERTY(bool localRtc READ localRtc NOTIFY changed)
    /// How long a call may go unanswered, in milliseconds; an authorisation prompt counts.
    Q_PROPERTY(int callTimeout READ callTimeout WRITE setCallTimeout NOTIFY changed)

public:
    enum class Status { Reading, Available, Missing };
    Q_ENUM(Status)

    /// How an apply() ended.
    enum class Outcome { Applied, Refused, TimedOut, NoService, Failed };
    Q_ENUM(Outcome)

    explicit Timedated(QObject *parent = nullptr);

    Status status() const noexcept;
    bool isBusy() const noexcept;
    QString timezone() const;
    bool ntp() const noexcept;
    bool canNtp() const noexcept;
    bool ntpSynchronized() const noexcept;
    bool localRtc() const noexcept;
    int callTimeout() const noexcept;
    void setCallTimeout(int milliseconds);

    /**
     * The instant at which the clocks of @p zone read @p date and @p time. A time that
     * occurs twice (clocks going back) is its first occurrence; one that a change skips
     * is read with the offset in force before the change, as a clock not yet moved on reads it.
     * Microseconds since the epoch; 0 for an invalid date, time or zone.
     */
    static qint64 toEpochMicroseconds(const QDate &date, const QTime &time, const QTimeZone &zone);

    /**
     * Sends what @p changes holds, in this order and each only when present: "ntp" (bool),
     * "date" (YYYY-MM-DD) with "time" (HH:MM:SS) on the clocks of "timeZoneOfTime",
     * "timezone". A call is sent only once the previous one succeeded.
     */
    Q_INVOKABLE void apply(const QVariantMap &changes);

Q_SIGNALS:
    void changed();
    /// One call and the service's answer: empty for success, else the error's name and text.
    void called(const QString &method, const QVariantList &arguments, const QString &answer);
    /// The end of an apply(); @p message is the service's own text where it gave one.
    void applied(Timedated::Outcome outcome, const QString &message);

private Q_SLOTS:
    void onPropertiesChanged(const QString &interface, const QVariantMap &changedProperties, const QStringList &invalidated);

private:
    void readAll();
    void takeProperties(const QVariantMap &properties);
    void sendNext();
    void finish(Outcome outcome, const QString &message);
    static Outcome outcomeOf(const QString &errorName);

    Status m_status = Status::Reading;
    QString m_timezone;
    bool m_ntp = false;
    bool m_canNtp = false;
    bool m_ntpSynchronized = false;
    bool m_localRtc = false;
    // Long enough for an administrator to type a password into the authentication agent.
    int m_callTimeout = 120000;
    QList<QDBusMessage> m_queue;
    // Since apply(): a time waits behind the calls before it, an authorisation prompt included.
    QElapsedTimer m_sinceApply;
};

#endif
