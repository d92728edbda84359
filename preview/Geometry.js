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
// the weeks box and week-number strip, and the grid's first (Monday) and last cells.
function panelParts(panel) {
    const repeater = findDayRepeater(panel);
    return {
        "previousMonth": sceneRect(findByName(panel, "previousMonth")),
        "nextMonth": sceneRect(findByName(panel, "nextMonthButton")),
        "weeksBox": sceneRect(findByName(panel, "weeksComboBox")),
        "weekNumbers": sceneRect(findByName(panel, "weekNumberColumn")),
        "firstCell": repeater ? sceneRect(repeater.itemAt(0)) : null,
        "lastCell": repeater ? sceneRect(repeater.itemAt(repeater.count - 1)) : null
    };
}

// The month grid is the repeater of the 42 day records; today's cell is the record of
// the current month whose day is today's, while the grid shows today's month.
function findDayRepeater(item) {
    const children = item.children;
    for (let i = 0; i < children.length; ++i) {
        const child = children[i];
        if (typeof child.itemAt === "function" && child.count === 42 && child.model && typeof child.model.get === "function") {
            return child;
        }
        const found = findDayRepeater(child);
        if (found) {
            return found;
        }
    }
    return null;
}

function todayCell(panel, today) {
    const shown = panel.getCalendarDate();
    if (shown.getFullYear() !== today.getFullYear() || shown.getMonth() !== today.getMonth()) {
        return null;
    }
    const repeater = findDayRepeater(panel);
    if (!repeater) {
        return null;
    }
    for (let i = 0; i < repeater.count; ++i) {
        const record = repeater.model.get(i);
        if (record.isCurrentMonth && record.day === today.getDate()) {
            return repeater.itemAt(i);
        }
    }
    return null;
}
