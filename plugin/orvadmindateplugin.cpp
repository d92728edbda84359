/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "orvadmindateplugin.h"

#include "basecalendarcontroller.h"
#include "currentdatenameprovider.h"
#include "currentdatetime.h"
#include "datetoweek.h"
#include "focusannouncer.h"
#include "monthgriddrawing.h"
#include "monthmodel.h"
#include "numberofweeks.h"

#include <QQmlEngine>

void OrvAdminDatePlugin::registerTypes(const char *uri)
{
    qmlRegisterType<DateToWeek>(uri, 1, 0, "DateToWeek");
    qmlRegisterType<NumberOfWeeks>(uri, 1, 0, "NumberOfWeeks");
    qmlRegisterType<CurrentDateTime>(uri, 1, 0, "CurrentDateTime");
    qmlRegisterType<CurrentDateNameProvider>(uri, 1, 0, "CurrentDateNameProvider");
    qmlRegisterType<BaseCalendarController>(uri, 1, 0, "BaseCalendarController");
    qmlRegisterType<FocusAnnouncer>(uri, 1, 0, "FocusAnnouncer");
    qmlRegisterType<MonthModel>(uri, 1, 0, "MonthModel");
    qmlRegisterType<MonthGridDrawing>(uri, 1, 0, "MonthGridDrawing");
}
