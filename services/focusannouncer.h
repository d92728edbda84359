/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef FOCUSANNOUNCER_H
#define FOCUSANNOUNCER_H

#include <QObject>

/**
 * Has screen readers read the focused control out again after it changed in place.
 *
 * Qt Quick sends nothing a screen reader speaks when a combo box takes a choice or a
 * button moves the date: readers speak a control as the keyboard arrives on it.
 */
class FocusAnnouncer : public QObject
{
    Q_OBJECT

public:
    explicit FocusAnnouncer(QObject *parent = nullptr);

public Q_SLOTS:
    /// Reports @p item to screen readers as the object the keyboard works on: the focused
    /// control after it changed, or the highlighted entry of a list the control opened.
    static void announce(QObject *item);
};

#endif
