/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatetime.h"

#include <QDateTime>
#include <QTimeZone>

CurrentDateTime::CurrentDateTime(QObject *parent)
    : QObject(parent)
{
}

QVector<int> CurrentDateTime::getDateTimeForTimeZone(const QString &zoneName) const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime local = now.toTimeZone(QTimeZone(zoneName.toUtf8()));
    const QDate date = local.date();
    const QTime time = local.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}
