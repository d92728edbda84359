/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "focusannouncer.h"

#include <QAccessible>
#include <QVariant>

FocusAnnouncer::FocusAnnouncer(QObject *parent)
    : QObject(parent)
{
}

void FocusAnnouncer::announce(QObject *item)
{
    if (!item) {
        return;
    }
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
