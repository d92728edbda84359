/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef CURRENTDATETIME_H
#define CURRENTDATETIME_H

#include <QObject>
#include <QVector>

/**
 * The current date and time of day in a named time zone, for the host.
 */
class CurrentDateTime : public QObject
{
    Q_OBJECT

public:
    /// Positions in the result of getDateTimeForTimeZone().
    enum DateTimeValue {
        Year,
        Month, ///< 1 = January, unlike QML's Date
        Day,
        Hour,
        Minute,
        Second,
    };
    Q_ENUM(DateTimeValue)

    explicit CurrentDateTime(QObject *parent = nullptr);

public Q_SLOTS:
    /**
     * @param zoneName an IANA identifier or a UTC-offset identifier QTimeZone knows
     * @return year, month, day, hour, minute, second (seconds truncated), or
     * 0, 0, 0, -1, -1, -1 when the name gives no valid zone. A name that is no
     * relative path of plain components ("..", a leading "/", control bytes) gives
     * no zone, nor does an IANA name missing from $TZDIR when that is set, as for
     * the C library.
     */
    QVector<int> getDateTimeForTimeZone(const QString &zoneName) const;
};

#endif
