/* SPDX-License-Identifier: LGPL-2.1-or-later */

// The drop-down lists of the boxes as the user sees them.

.pragma library

// The list is open from the moment it starts to show until it starts to go. Styles
// that fade their lists in and out keep a list visible while it fades out, and call it
// opened only once it has faded in; a key pressed meanwhile must act as on the list
// that the user asked for.
function isOpen(popup) {
    return popup.visible && !(popup.exit && popup.exit.running)
}
