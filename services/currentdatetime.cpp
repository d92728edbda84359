/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatetime.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <algorithm>

namespace
{
// The longest name in the zone database is 38 characters
// ("right/America/Argentina/ComodRivadavia"), UTC-offset identifiers are shorter.
constexpr int maximumZoneNameLength = 64;

bool isZoneNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+' || c == ':' || c == '.';
}

// Qt 5.15 appends the name to the zone database's path and reads whatever file that
// names: "Europe/../../../../etc/passwd" opens /etc/passwd, and a name leading to a
// FIFO blocks the GUI thread. A name is therefore a relative path of plain components:
// no empty, "." or ".." component (nor any that starts with a dot), ASCII letters,
// digits and "_-+:." only, which every IANA and UTC-offset identifier is.
bool isZoneName(const QByteArray &name)
{
    if (name.size() > maximumZoneNameLength) {
        return false;
    }
    const QList<QByteArray> components = name.split('/');
    for (const QByteArray &component : components) {
        if (component.isEmpty() || component.startsWith('.')) {
            return false;
        }
        if (!std::all_of(component.cbegin(), component.cend(), isZoneNameCharacter)) {
            return false;
        }
    }
    return true;
}

// The C library, and with it the QML Date, reads zone files from $TZDIR when it is
// set; Qt 5.15 always reads /usr/share/zoneinfo. A zone that $TZDIR lacks does not
// exist on this machine, so it is not taken from elsewhere. Qt resolves UTC-offset
// identifiers ("UTC", "UTC+03:00") itself, without the database.
bool zoneDatabaseHas(const QByteArray &name)
{
    const QByteArray directory = qgetenv("TZDIR");
    if (directory.isEmpty() || name.startsWith("UTC")) {
        return true;
    }
    return QFileInfo(QFile::decodeName(directory + '/' + name)).isFile();
}
}

CurrentDateTime::CurrentDateTime(QObject *parent)
    : QObject(parent)
{
}

QVector<int> CurrentDateTime::getDateTimeForTimeZone(const QString &zoneName) const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QByteArray name = zoneName.toUtf8();
    // An empty name is Qt's own business (the system zone); any other must be a zone name.
    const bool known = name.isEmpty() || (isZoneName(name) && zoneDatabaseHas(name));
    // A default-constructed QTimeZone is invalid, and so is a date-time converted to it.
    const QDateTime local = now.toTimeZone(known ? QTimeZone(name) : QTimeZone());
    const QDate date = local.date();
    const QTime time = local.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}
