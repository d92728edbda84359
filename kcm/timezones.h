/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef TIMEZONES_H
#define TIMEZONES_H

#include <QObject>
#include <QStringList>

/// The identifiers of every time zone the machine's time-zone database lists, for the page's zone box.
class TimeZones : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList ids READ ids CONSTANT)
    /// The machine's own zone, as Qt reads it.
    Q_PROPERTY(QString system READ system CONSTANT)

public:
    /// @param alsoInclude zones to list even where the database's list lacks them, such as
    /// the system's own "Etc/UTC"
    explicit TimeZones(const QStringList &alsoInclude, QObject *parent = nullptr);

    QStringList ids() const;
    static QString system();

private:
    QStringList m_ids;
};

#endif
