/* SPDX-License-Identifier: LGPL-2.1-or-later */

// Where the page's parts are, for scripts that look at a screenshot.
.pragma library

function sceneRect(item) {
    if (!item) {
        return null;
    }
    const rect = item.mapToItem(null, 0, 0, item.width, item.height);
    return { "x": rect.x, "y": rect.y, "width": rect.width, "height": rect.height };
}

// The first item under `item` whose objectName is `name`, depth first.
function findByName(item, name) {
    const children = item.children;
    for (let i = 0; i < children.length; ++i) {
        const child = children[i];
        const found = child.objectName === name ? child : findByName(child, name);
        if (found) {
            return found;
        }
    }
    return null;
}

// The panel's parts whose places a right-to-left language mirrors: the month buttons,
// the weeks box and week-number strip, and the grid's first (Monday) and last cells;
// and the picker's frame, its day text and the return button beside it, which a style's
// paddings could set apart.
function panelParts(panel) {
    const repeater = findByName(panel, "calendarRepeater");
    return {
        "previousMonth": sceneRect(findByName(panel, "previousMonth")),
        "nextMonth": sceneRect(findByName(panel, "nextMonthButton")),
        "weeksBox": sceneRect(findByName(panel, "weeksComboBox")),
        "weekNumbers": sceneRect(findByName(panel, "weekNumberColumn")),
        "picker": sceneRect(findByName(panel, "datePicker")),
        "pickerText": sceneRect(findByName(panel, "dayTextInput")),
        "returnButton": sceneRect(findByName(panel, "returnButtonBack")),
        "firstCell": repeater ? sceneRect(repeater.itemAt(0)) : null,
        "lastCell": repeater ? sceneRect(repeater.itemAt(repeater.count - 1)) : null
    };
}

// Today's cell: the cell of the month grid's record of the current month whose day is
// today's, while the grid shows today's month.
function todayCell(panel, today) {
    const shown = panel.getCalendarDate();
    if (shown.getFullYear() !== today.getFullYear() || shown.getMonth() !== today.getMonth()) {
        return null;
    }
    const repeater = findByName(panel, "calendarRepeater");
    let grid = repeater;
    while (grid && typeof grid.getDaysToDisplay !== "function") {
        grid = grid.parent;
    }
    if (!grid) {
        return null;
    }
    const records = grid.getDaysToDisplay();
    for (let i = 0; i < records.length; ++i) {
        if (records[i].isCurrentMonth && records[i].day === today.getDate()) {
            return repeater.itemAt(i);
        }
    }
    return null;
}
