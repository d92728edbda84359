/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef BASECALENDARCONTROLLER_H
#define BASECALENDARCONTROLLER_H

#include <QObject>

/**
 * Day and week steps of the month grid, in milliseconds since the epoch.
 *
 * A step is a fixed amount of absolute time with no calendar arithmetic, so across
 * a daylight-saving change the local time of day of the result moves by the size
 * of the change; callers that want a calendar day correct for it themselves.
 * QML hands an instant before 1970 in as its two's-complement form, which the
 * wrapping arithmetic turns back into the right signed result.
 */
class BaseCalendarController : public QObject
{
    Q_OBJECT

public:
    explicit BaseCalendarController(QObject *parent = nullptr);

public Q_SLOTS:
    static qlonglong getDateOneWeekAgo(qulonglong currentDate) noexcept;
    static qlonglong getDateNextWeek(qulonglong currentDate) noexcept;
    static qlonglong getDateOneDayAgo(qulonglong currentDate) noexcept;
    static qlonglong getDateNextDay(qulonglong currentDate) noexcept;
    static qlonglong getMilliSecondsInOneDay() noexcept;
};

#endif
