/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// CurrentDateTime::getDateTimeForTimeZone with arbitrary bytes as the zone name: six
// values of a real date and time or exactly the invalid ones, and never a zone for a
// name that leaves the zone database.

#include "currentdatetime.h"
#include "fuzzing.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The pointer-and-size form keeps NUL bytes, which QByteArray's conversions cut at.
    const QString zoneName = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));

    const QVector<int> parts = CurrentDateTime().getDateTimeForTimeZone(zoneName);
    require(parts.size() == 6, "six values");
    if (parts == QVector<int>{0, 0, 0, -1, -1, -1}) {
        return 0;
    }
    require(QDate::isValid(parts[CurrentDateTime::Year], parts[CurrentDateTime::Month], parts[CurrentDateTime::Day]), "an existing date");
    require(parts[CurrentDateTime::Hour] >= 0 && parts[CurrentDateTime::Hour] <= 23, "an hour of the day");
    require(parts[CurrentDateTime::Minute] >= 0 && parts[CurrentDateTime::Minute] <= 59, "a minute");
    require(parts[CurrentDateTime::Second] >= 0 && parts[CurrentDateTime::Second] <= 59, "a second");

    const QByteArray name = zoneName.toUtf8();
    require(!name.startsWith('/'), "no zone from an absolute path");
    require(!name.contains('\0'), "no zone from a name with a NUL byte");
    require(!name.split('/').contains(".."), "no zone from a path with a dot-dot component");
    return 0;
}
