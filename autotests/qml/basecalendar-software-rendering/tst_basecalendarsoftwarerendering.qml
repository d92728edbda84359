/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import "../basecalendar-rendering"

GridRendering {
    graphicsApi: GraphicsInfo.Software
}
