/* SPDX-License-Identifier: LGPL-2.1-or-later */

pragma Singleton

import QtQml 2.15

// The preview's zone list, as the host registers it, with a few zones of its own.
QtObject {
    readonly property var ids: ["Africa/Abidjan", "America/Havana", "America/Santiago", "America/Sao_Paulo",
                                "Asia/Beirut", "Europe/Berlin", "UTC"]
}
