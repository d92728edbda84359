/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef NUMBEROFWEEKS_H
#define NUMBEROFWEEKS_H

#include <QObject>

/**
 * Number of ISO 8601 weeks of a year: 52 or 53.
 */
class NumberOfWeeks : public QObject
{
    Q_OBJECT

public:
    explicit NumberOfWeeks(QObject *parent = nullptr);

public Q_SLOTS:
    /// @return 52 or 53, or 0 for a year that does not exist (year 0)
    static int get(int year) noexcept;
};

#endif
