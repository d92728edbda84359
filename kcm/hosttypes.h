/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef HOSTTYPES_H
#define HOSTTYPES_H

/**
 * Makes the date and time page available to a host: its documents under qrc:/page and
 * the types they import from nimbara.orvadmindate.host. Call once before loading the page.
 */
void registerHostTypes();

#endif
