/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtTest 1.2
import org.kde.kirigami 2.12 as Kirigami
import nimbara.orvadmindate 1.0

// How the panel is laid out and drawn: sizes, artwork, the two looks, feedback, and the
// month buttons at the ends of the range.
Item {
    id: root

    // The theme's colours as bound, not as first read: a desktop theme fills them in later.
    readonly property color themeBackground: Kirigami.Theme.backgroundColor
    readonly property color themeText: Kirigami.Theme.textColor

    width: 800
    height: 600

    SystemPalette {
        id: palette
    }

    PanelTestCase {
        id: testCase

        // The icons of the panel's own controls: the arrows of the month buttons and the
        // month box, and the return button's icon.
        function icons(panel) {
            var arrow = function (name) {
                var images = descendants(part(panel, name), function (item) { return item instanceof Image })
                compare(images.length, 1, "the arrow of " + name)
                return images[0]
            }
            return { "arrow-left": arrow("previousMonth"), "arrow-right": arrow("nextMonthButton"),
                     "arrow-down": part(panel, "monthComboBoxIcon"), "object-rotate-left": part(panel, "returnIcon") }
        }

        function test_defaults() {
            var before = Date.now()
            var panel = createPanel()
            compare(panel.isLight, true)
            compare(panel.fontSize, 13)
            compare(panel.iconSize, 16)
            compare(panel.buttonsRadius, 4)
            verifyColour(panel.borderColor, "gray", "borderColor")
            compare(panel.isApplet, true)
            compare(panel.startYear, 1970)
            compare(panel.lastYear, 2105)
            verify(panel.savedDate.getTime() >= before - 1000 && panel.savedDate.getTime() <= Date.now() + 1000,
                   "savedDate is the moment of creation: " + panel.savedDate)
            verifyColour(panel.color, palette.base, "panel")
        }

        // What the panel hands to the views it embeds follows its own properties.
        function test_passedDown() {
            var panel = createPanel({ isLight: false, fontSize: 17, buttonsRadius: 6, startYear: 1990, lastYear: 2040 })
            var calendar = part(panel, "calendar")
            var yearInput = part(panel, "yearInput")
            var picker = part(panel, "datePicker")
            compare([calendar.thickness, calendar.fontSize, calendar.isLight, calendar.startYear, calendar.lastYear],
                    [40, 17, false, 1990, 2040])
            compare([yearInput.fontSize, yearInput.isLight, yearInput.buttonRadius, yearInput.startYear, yearInput.lastYear],
                    [17, false, 6, 1990, 2040])
            verifyColour(yearInput.borderColor, "lightgray", "year box frame")
            compare([picker.fontSize, picker.radius, picker.startYear, picker.lastYear], [17, 6, 1990, 2040])
            verifyColour(picker.borderColor, "lightgray", "picker frame")
            verifyColour(picker.color, "transparent", "picker fill")
        }

        function test_thickness_data() {
            return [
                { tag: "600 x 400, the height", width: 600, height: 400, thickness: 40 },
                { tag: "300 x 500, the width", width: 300, height: 500, thickness: 30 },
                { tag: "455 x 1000, a half rounds up", width: 455, height: 1000, thickness: 46 },
                { tag: "1000 x 454", width: 1000, height: 454, thickness: 45 },
            ]
        }

        function test_thickness(data) {
            var panel = createPanel({ width: data.width, height: data.height })
            compare(panel.thickness, data.thickness)
        }

        function test_iconSize_data() {
            return [
                { tag: "font 12", fontSize: 12, iconSize: 16 },
                { tag: "font 19", fontSize: 19, iconSize: 16 },
                { tag: "font 20", fontSize: 20, iconSize: 32 },
                { tag: "font 28", fontSize: 28, iconSize: 32 },
            ]
        }

        function test_iconSize(data) {
            var panel = createPanel({ fontSize: data.fontSize, isApplet: false })
            compare(panel.iconSize, data.iconSize)
            var shown = icons(panel)
            for (var name in shown)
                compare([shown[name].width, shown[name].height], [data.iconSize, data.iconSize], name)
            compare(part(panel, "selectedMonth").font.pixelSize, data.fontSize)
        }

        // 600 x 400: the rows fill the width exactly, with gaps of 12 across and 10 down.
        function test_layout() {
            var panel = createPanel({ isApplet: true })
            waitForRendering(panel)
            var preferred = function (name) {
                var item = part(panel, name)
                return [item.Layout.preferredWidth, item.Layout.preferredHeight]
            }
            compare(preferred("previousMonth"), [60, 40])
            compare(preferred("nextMonthButton"), [60, 40])
            compare(preferred("monthComboBox"), [222, 40])
            compare(preferred("yearInput"), [222, 40])
            compare(preferred("calendar"), [600, 300])
            compare(preferred("returnButton"), [228, 40])
            compare(preferred("datePicker"), [360, 40])
            compare(panel.thickness, 40)

            var box = function (name) {
                var item = part(panel, name)
                var place = item.mapToItem(panel, 0, 0)
                return { left: place.x, top: place.y, right: place.x + item.width, bottom: place.y + item.height }
            }
            var header = ["previousMonth", "monthComboBox", "yearInput", "nextMonthButton"].map(box)
            compare(header[0].left, 0)
            for (var i = 1; i < header.length; ++i)
                compare(header[i].left - header[i - 1].right, 12, "gap before header item " + i)
            compare(header[3].right, 600)
            var calendar = box("calendar")
            compare([calendar.left, calendar.right, calendar.bottom - calendar.top], [0, 600, 300])
            compare(calendar.top - header[0].bottom, 10)
            var footer = [box("returnButton"), box("datePicker")]
            compare(footer[1].left - footer[0].right, 12)
            compare([footer[0].left, footer[1].right], [0, 600])
            compare(footer[0].top - calendar.bottom, 10)
            compare([header[0].top, footer[1].bottom], [0, 400])
        }

        function test_artwork_data() {
            return [{ tag: "light", isLight: true, variant: "light", border: "gray" },
                    { tag: "dark", isLight: false, variant: "dark", border: "lightgray" }]
        }

        function test_artwork(data) {
            var panel = createPanel({ isLight: data.isLight, isApplet: false })
            var shown = icons(panel)
            for (var name in shown) {
                var icon = shown[name]
                compare(String(icon.source), "qrc:/icons/32x32/actions/" + data.variant + "/" + name + ".png")
                tryCompare(icon, "status", Image.Ready)
                compare(icon.fillMode, Image.PreserveAspectFit)
            }
            verifyColour(panel.borderColor, data.border, "borderColor")
            verifyColour(part(panel, "monthComboBox").background.border.color, data.border, "month box frame")
            compare(part(panel, "calendar").isLight, data.isLight)
            compare(part(panel, "yearInput").isLight, data.isLight)
        }

        function test_looks_data() {
            return [{ tag: "applet", isApplet: true }, { tag: "full", isApplet: false }]
        }

        function test_looks(data) {
            var panel = createPanel({ isApplet: data.isApplet })
            var button = part(panel, "returnButton")
            var text = part(panel, "returnText")
            var icon = part(panel, "returnIcon")
            var back = part(panel, "returnButtonBack")
            compare(button.Accessible.name, "Return to current date")
            compare(text.visible, data.isApplet)
            compare(icon.visible, !data.isApplet)
            compare(text.text, "To current date")
            verifyColour(text.color, palette.highlight, "return text")
            compare(text.font.pixelSize, 13)
            compare(back.radius, 4)
            if (data.isApplet) {
                compare(String(icon.source), "")
                compare(button.ToolTip.text, "")
                verifyColour(back.color, "transparent", "applet background")
                compare(back.border.width, 0)
                compare(button.width, 228)
            } else {
                compare(button.ToolTip.text, "To current date")
                compare(button.ToolTip.delay, 1000)
                compare(button.ToolTip.timeout, 5000)
                verifyColour(back.color, palette.button, "full background")
                compare([button.width, button.height], [part(panel, "previousMonth").width, part(panel, "previousMonth").height])
            }
        }

        // The full look's tooltip comes after its delay while the pointer rests on the button.
        function test_toolTipOnHover() {
            var panel = createPanel({ isApplet: false })
            var button = part(panel, "returnButton")
            mouseMove(button, button.width / 2, button.height / 2)
            tryCompare(button, "hovered", true)
            compare(button.ToolTip.visible, false, "not before the delay")
            tryCompare(button.ToolTip, "visible", true, 3000)
            mouseMove(root, 1, root.height - 1)
            tryCompare(button.ToolTip, "visible", false)
        }

        // The look is settled once at creation; sizes, background and icon follow later changes.
        function test_lookSettledAtCreation() {
            var panel = createPanel({ isApplet: true })
            panel.isApplet = false
            waitForRendering(panel)
            var button = part(panel, "returnButton")
            compare(part(panel, "returnText").visible, true)
            compare(part(panel, "returnIcon").visible, false)
            compare(button.width, part(panel, "previousMonth").width)
            verifyColour(part(panel, "returnButtonBack").color, palette.button, "background")
            compare(String(part(panel, "returnIcon").source), "qrc:/icons/32x32/actions/light/object-rotate-left.png")
        }

        function test_focusFrames_data() {
            return [{ tag: "applet", isApplet: true }, { tag: "full", isApplet: false }]
        }

        function test_focusFrames(data) {
            var panel = createPanel({ isApplet: data.isApplet })
            var back = part(panel, "previousMonth").background
            var monthFrame = part(panel, "monthComboBox").background
            var returnBack = part(panel, "returnButtonBack")
            verifyColour(back.border.color, palette.button, "month button, no focus")
            panel.selectPrevMonth()
            verifyColour(back.border.color, palette.highlight, "month button with focus")
            keyClick(Qt.Key_Right)
            verifyColour(back.border.color, palette.button, "month button left behind")
            verifyColour(monthFrame.border.color, palette.highlight, "month box with focus")
            compare(part(panel, "returnText").font.underline, false)
            panel.selectReturnButton()
            verifyColour(monthFrame.border.color, panel.borderColor, "month box left behind")
            compare(part(panel, "returnText").font.underline, true)
            verifyColour(returnBack.border.color, data.isApplet ? "transparent" : palette.highlight, "return button frame")
        }

        function test_feedbackFill_data() {
            return [
                { tag: "previous month clicked", button: "previousMonth" },
                { tag: "next month clicked", button: "nextMonthButton" },
            ]
        }

        // The fill turns dark on the click and back once the 100 ms feedback is over.
        function test_feedbackFill(data) {
            var panel = createPanel()
            startAt(panel, 2026, 5, 15)
            var button = part(panel, data.button)
            var back = button.background
            verifyColour(back.color, palette.button, "at rest")
            mousePress(button)
            tryVerify(function () { return isColour(back.color, palette.dark) }, 1000, "dark while held down")
            mouseRelease(button)
            compare(reports.count, 1)
            verifyColour(back.color, palette.dark, "dark right after the click")
            tryVerify(function () { return isColour(back.color, palette.button) }, 2000, "back to the button colour")
        }

        function test_monthButtonsAtRangeEnds_data() {
            return [
                { tag: "January 1970", start: [1970, 0, 15], previous: false, next: true },
                { tag: "February 1970", start: [1970, 1, 15], previous: true, next: true },
                { tag: "December 1970", start: [1970, 11, 15], previous: true, next: true },
                { tag: "January 2105", start: [2105, 0, 15], previous: true, next: true },
                { tag: "December 2105", start: [2105, 11, 15], previous: true, next: false },
                { tag: "November 2105", start: [2105, 10, 30], previous: true, next: true },
                { tag: "January 2000 with the range from 2000", start: [2000, 0, 1], previous: false, next: true, startYear: 2000 },
                { tag: "January 1970 with the range from 2000, taken to January 2000", start: [1970, 0, 1], previous: false, next: true, startYear: 2000 },
                { tag: "December 2010 with the range to 2010", start: [2010, 11, 31], previous: true, next: false, lastYear: 2010 },
            ]
        }

        function test_monthButtonsAtRangeEnds(data) {
            var properties = {}
            if (data.startYear)
                properties.startYear = data.startYear
            if (data.lastYear)
                properties.lastYear = data.lastYear
            var panel = createPanel(properties)
            startAt(panel, data.start[0], data.start[1], data.start[2])
            var previous = part(panel, "previousMonth")
            var next = part(panel, "nextMonthButton")
            compare(previous.enabled, data.previous, "previous-month button")
            compare(next.enabled, data.next, "next-month button")
            ;[previous, next].forEach(function (button) {
                if (!button.enabled) {
                    mouseClick(button)
                    compare(reports.count, 0, "a disabled button chooses nothing")
                }
            })
        }

        // Stepping into the first month of the range disables the button that was used.
        function test_steppingToTheEnd() {
            var panel = createPanel()
            startAt(panel, 1970, 1, 28)
            mouseClick(part(panel, "previousMonth"))
            verifyChosen(panel, 1970, 0, 28)
            compare(part(panel, "previousMonth").enabled, false)
            compare(part(panel, "nextMonthButton").enabled, true)
        }

        function test_isSystemDateChanged() {
            var panel = createPanel()
            compare(panel.isSystemDateChanged(), false)
            var now = new Date()
            var others = [
                new Date(now.getFullYear(), now.getMonth(), now.getDate() - 1, 12),
                new Date(now.getFullYear(), now.getMonth(), now.getDate() + 1, 12),
                new Date(now.getFullYear() - 1, now.getMonth(), Math.min(now.getDate(), 28), 12),
                new Date(now.getFullYear(), now.getMonth() + 1, Math.min(now.getDate(), 28), 12),
            ]
            others.forEach(function (other) {
                panel.savedDate = other
                compare(panel.isSystemDateChanged(), other.getDate() !== now.getDate() || other.getMonth() !== now.getMonth()
                        || other.getFullYear() !== now.getFullYear(), "saved " + other)
            })
            panel.savedDate = new Date(now.getFullYear(), now.getMonth(), now.getDate(), 23, 59)
            compare(panel.isSystemDateChanged(), false, "another time of the same day")
            panel.updateAll(new Date(2001, 1, 1))
            compare(panel.savedDate.getDate(), now.getDate(), "the panel leaves savedDate alone")
        }

        function test_systemDateRedrawReportsNothing() {
            var panel = createPanel()
            var start = startAt(panel, 2031, 7, 9)
            panel.updateBaseCalendarSystemDate()
            compare(reports.count, 0)
            compare(panel.getCalendarDate().getTime(), start.getTime())
        }

        function test_fillYearInput() {
            var panel = createPanel()
            startAt(panel, 2026, 0, 1)
            var yearInput = part(panel, "yearInput")
            compare(yearInput.count, 136)
            panel.startYear = 2000
            panel.fillYearInput()
            compare(yearInput.count, 106)
            compare(yearInput.model.get(0).year, 2000)
            compare(yearInput.currentIndex, 26)
            compare(reports.count, 0)
        }

        // The month list: twelve translated rows that exist only while it is open.
        function test_monthList() {
            var panel = createPanel()
            startAt(panel, 2026, 3, 10)
            var box = part(panel, "monthComboBox")
            var list = box.popup.contentItem
            compare(box.count, 12)
            compare(box.model.get(0).name, "January")
            compare(box.model.get(11).name, "December")
            compare(list.count, 0, "no rows while closed")
            mouseClick(box)
            tryCompare(box.popup, "opened", true)
            compare(list.count, 12)
            compare(box.popup.height, 175)
            compare(box.popup.y, box.height - 1)
            compare(box.popup.width, box.width)
            compare(list.currentIndex, 3, "the current month is highlighted")
            var row = list.itemAtIndex(5)
            compare(row.height, 25)
            compare(row.Accessible.name, "June")
            mouseMove(row, row.width / 2, row.height / 2)
            tryCompare(row, "activeFocus", true)
            verifyColour(row.background.color, palette.light, "hovered row")
            var other = list.itemAtIndex(4)
            mouseMove(other, other.width / 2, other.height / 2)
            tryCompare(other, "activeFocus", true)
            verifyColour(row.background.color, palette.base, "row left behind")
            keyClick(Qt.Key_Escape)
            mouseClick(root, 1, root.height - 1)
            tryCompare(box.popup, "visible", false)
            compare(list.count, 0, "rows released once closed")
            compare(reports.count, 0)
        }

        function test_listFrame_data() {
            return [
                { tag: "month list opened by pointer", box: "monthComboBox", withKey: false },
                { tag: "month list opened with Return", box: "monthComboBox", withKey: true },
                { tag: "year list opened by pointer", box: "yearInput", withKey: false },
                { tag: "year list opened with Return", box: "yearInput", withKey: true },
            ]
        }

        // The lists' shadowed frame in the theme's colours is loaded when a list first
        // opens, and kept once it closes.
        function test_listFrame(data) {
            var panel = createPanel()
            var box = part(panel, data.box)
            var popup = box.popup
            compare(popup.background.item, null, "no frame before the list first opens")
            if (data.withKey) {
                box.forceActiveFocus()
                keyClick(Qt.Key_Return)
            } else {
                mouseClick(box)
            }
            tryCompare(popup, "opened", true)
            var frame = popup.background.item
            verify(frame, "no frame on the open list")
            compare([frame.x, frame.y, frame.width, frame.height], [0, 0, box.width, 175])
            compare(frame.radius, 2)
            verifyColour(frame.color, root.themeBackground, "fill")
            compare(frame.border.width, 1)
            var text = root.themeText
            verifyColour(frame.border.color, Qt.rgba(text.r, text.g, text.b, 0.3), "border")
            compare([frame.shadow.xOffset, frame.shadow.yOffset, frame.shadow.size], [0, 2, 8])
            verifyColour(frame.shadow.color, Qt.rgba(0, 0, 0, 0.3), "shadow")
            mouseClick(root, 1, root.height - 1)
            tryCompare(popup, "visible", false)
            compare(popup.background.item, frame, "the frame is kept once the list closed")
        }
    }
}
