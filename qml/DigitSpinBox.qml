/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15

// One number of a typed date or time: an editable spin box without arrows whose
// digits commit as soon as the field is full, on Enter or Return, and when the
// focus leaves. The owner declares the TextInput editor (it carries the owner's
// id and placement); what all editors share is bound here.
SpinBox {
    id: field

    // Characters of a full text; the value is shown zero-padded to this length.
    property int commitLength: 2
    // Complete texts of the field; a text that can still grow into one may stand.
    property var pattern: /^\d+$/
    // Value of a text that is not a number.
    property int fallbackValue: value
    // Characters of the shortest text that names a number: a shorter one names none.
    property int shortestText: 1
    // Highest number a typed text may name; above `to` where the owner keeps what was
    // typed while the bound follows other fields.
    property int typedTo: to
    property Item previousField: null
    property Item nextField: null

    // Left at the start of the first field, Right at the end of the last one.
    signal leavingLeft()
    signal leavingRight()
    // A typed commit, with the number typed, before the value takes it within `to`.
    signal typed(int number)

    function showValue() {
        contentItem.text = Qt.binding(function () { return field.textFromValue(field.value, field.locale) })
    }

    function focusWithCaretAt(position) {
        contentItem.forceActiveFocus()
        contentItem.deselect()
        contentItem.cursorPosition = position
    }

    function focusWithTextSelected() {
        contentItem.forceActiveFocus()
        contentItem.selectAll()
    }

    // The number a text names; the field's own number for an empty or unfinished text.
    function numberOf(text) {
        var number = Number(text)
        return text.length < shortestText || isNaN(number) ? fallbackValue : number
    }

    // The typed text becomes the value, reported even when the number did not move.
    // An empty or unfinished text changes nothing: the field shows its value again.
    function commit() {
        var text = contentItem.text
        if (text.length < shortestText) {
            showValue()
            return
        }
        var number = Math.max(from, Math.min(typedTo, numberOf(text)))
        typed(number)
        value = Math.min(to, number)
        valueModified()
        if (nextField)
            nextField.focusWithTextSelected()
    }

    // A number from the owner while the user may be in the field: a partial entry is
    // kept, and a caret or selection stays where it was, so that typing goes on.
    function show(number) {
        var input = contentItem
        if (input.text !== textFromValue(value, locale))
            return
        var start = input.selectionStart
        var end = input.selectionEnd
        var cursor = input.cursorPosition
        value = number
        if (end > start)
            input.select(start, end)
        else
            input.cursorPosition = cursor
    }

    function textEdited() {
        if (contentItem.text.length === commitLength)
            commit()
    }

    // Automated driving: the text goes in past the validator, then counts as typed.
    function takeText(text) {
        if (typeof text !== "string")
            return
        contentItem.text = text
        textEdited()
    }

    function step(size, up) {
        stepSize = size
        if (up)
            increase()
        else
            decrease()
        stepSize = 1
        valueModified()
    }

    leftPadding: padding
    rightPadding: padding
    // Some styles (Material) leave more room below the text than above it: the digits
    // stand in the middle of the frame around the fields only without both.
    topPadding: 0
    bottomPadding: 0
    wheelEnabled: editable
    stepSize: 1
    up.indicator: null
    down.indicator: null
    textFromValue: function (number) {
        var text = String(number)
        while (text.length < commitLength)
            text = "0" + text
        return text
    }
    // The control reads the text on Return and when the focus leaves; a text that is
    // not complete keeps the number.
    valueFromText: function (text) {
        return contentItem.acceptableInput ? numberOf(text) : fallbackValue
    }
    validator: RegExpValidator {
        regExp: field.pattern
    }
    background: Rectangle {
        color: "transparent"
        border.color: "transparent"
    }

    Component.onCompleted: {
        contentItem.padding = 0
        contentItem.selectByMouse = true
        contentItem.verticalAlignment = TextInput.AlignVCenter
        contentItem.readOnly = Qt.binding(function () { return !field.editable })
        contentItem.validator = Qt.binding(function () { return field.validator })
        contentItem.color = Qt.binding(function () { return editorPalette.buttonText })
        contentItem.selectionColor = Qt.binding(function () { return editorPalette.highlight })
        contentItem.font.pixelSize = Qt.binding(function () { return field.font.pixelSize })
        showValue()
    }
    // A step or commit that leaves the number where it was still replaces a partial
    // text; a new value replaces a text put in by takeText, which ended the binding.
    onValueModified: showValue()
    onValueChanged: showValue()
    // Arriving by Tab or Shift+Tab selects the text, as spin boxes do, so that typed
    // digits replace it. The editor hears of no focus reason: every arrival selects,
    // and the arrow keys, focusOn… and a click place the caret right after.
    onActiveFocusChanged: {
        if (!activeFocus)
            showValue()
        else
            contentItem.selectAll()
    }
    Keys.onPressed: {
        switch (event.key) {
        case Qt.Key_Up:
            step(1, true)
            break
        case Qt.Key_Down:
            step(1, false)
            break
        case Qt.Key_PageUp:
            step(10, true)
            break
        case Qt.Key_PageDown:
            step(10, false)
            break
        case Qt.Key_Left:
            if (previousField)
                previousField.focusWithCaretAt(previousField.contentItem.length)
            else
                leavingLeft()
            break
        case Qt.Key_Right:
            if (nextField)
                nextField.focusWithCaretAt(0)
            else
                leavingRight()
            break
        }
    }
    // A complete text committed on the press; an incomplete one changes nothing and
    // the field shows its value again. The release travels on either way.
    Keys.onReleased: {
        if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && !contentItem.acceptableInput)
            showValue()
    }

    SystemPalette {
        id: editorPalette
    }

    Connections {
        target: field.contentItem

        function onTextEdited() {
            field.textEdited()
        }

        function onAccepted() {
            field.commit()
        }
    }
}
