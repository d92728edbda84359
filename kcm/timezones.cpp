/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "timezones.h"

#include <QTimeZone>

TimeZones::TimeZones(const QStringList &alsoInclude, QObject *parent)
    : QObject(parent)
{
    const QList<QByteArray> ids = QTimeZone::availableTimeZoneIds();
    m_ids.reserve(ids.size() + alsoInclude.size());
    for (const QByteArray &id : ids) {
        m_ids.append(QString::fromUtf8(id));
    }
    for (const QString &id : alsoInclude) {
        if (!m_ids.contains(id) && QTimeZone(id.toUtf8()).isValid()) {
            m_ids.append(id);
        }
    }
    m_ids.sort();
}

QStringList TimeZones::ids() const
{
    return m_ids;
}

QString TimeZones::system()
{
    return QString::fromUtf8(QTimeZone::systemTimeZoneId());
}
