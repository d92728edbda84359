/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15

GridRendering {
    graphicsApi: GraphicsInfo.OpenGL
}
