/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef DATETOWEEK_H
#define DATETOWEEK_H

#include <QObject>

/**
 * ISO 8601 week number of a calendar date, as QDate::weekNumber() counts it.
 */
class DateToWeek : public QObject
{
    Q_OBJECT

public:
    explicit DateToWeek(QObject *parent = nullptr);

public Q_SLOTS:
    /**
     * @param month 0 for January to 11 for December, as the QML Date counts
     * @return the week number 1 to 53, or 0 when the date does not exist;
     * nothing is rolled over into a neighbouring month or year
     */
    static int convert(int year, int month, int day) noexcept;
};

#endif
