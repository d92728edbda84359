/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "hosttypes.h"

#include "timedated.h"
#include "timezones.h"

#include <QQmlEngine>

void registerHostTypes()
{
    // The page's documents live in this static library's resources, which only an explicit
    // initialisation links in.
    Q_INIT_RESOURCE(page);
    constexpr char uri[] = "nimbara.orvadmindate.host";
    // The machine's own zone is listed even where the database's list lacks it ("Etc/UTC").
    qmlRegisterSingletonType<TimeZones>(uri, 1, 0, "TimeZones", [](QQmlEngine *, QJSEngine *) -> QObject * {
        return new TimeZones({TimeZones::system()});
    });
    qmlRegisterType<Timedated>(uri, 1, 0, "Timedated");
}
