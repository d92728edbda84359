/* SPDX-License-Identifier: LGPL-2.1-or-later */

pragma Singleton

import QtQml 2.15

// Stands in for the zone list that the hosts register.
QtObject {
    readonly property var ids: ["Africa/Abidjan", "America/Havana", "America/Santiago", "America/Sao_Paulo", "Europe/Berlin", "UTC"]
    readonly property string system: "UTC"
}
