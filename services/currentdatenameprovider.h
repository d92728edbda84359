/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef CURRENTDATENAMEPROVIDER_H
#define CURRENTDATENAMEPROVIDER_H

#include <QObject>
#include <QStringList>

/**
 * Month and weekday names for the long date label, translated through the
 * "orv-admin-date-plugin" catalogue or as their English source texts.
 *
 * The translation switch is one flag for the whole process: every instance, in
 * every engine, reads and writes it. The messages are kept untranslated and
 * translated at each call, so a change of language shows at the next call.
 */
class CurrentDateNameProvider : public QObject
{
    Q_OBJECT

public:
    explicit CurrentDateNameProvider(QObject *parent = nullptr);

public Q_SLOTS:
    static void setTranslate(bool translate) noexcept;
    static bool translate() noexcept;
    /// January to December: 12 entries, indexed as QML's Date::getMonth()
    static QStringList getMonthNames();
    /// Sunday to Saturday: 7 entries, indexed as QML's Date::getDay()
    static QStringList getDaysOfWeek();
    /**
     * The day (month 0 to 11, as QML's Date::getMonth()) in the long date form of the
     * language the names are in: the first of the process's languages that the
     * catalogue translates into, or English; empty for what is no day.
     */
    static QString getLongDate(int year, int month, int day);

private:
    static bool m_translate;
};

#endif
