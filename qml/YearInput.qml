/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import "Arguments.js" as Arguments
import "DropDown.js" as DropDown

// The year box: a drop-down list of the years startYear to lastYear. A chosen year
// is only proposed with inputChanged(); the owner moves the box with update().
ComboBox {
    id: yearInput

    property var date: new Date()
    property int buttonRadius: 3
    property color borderColor: systemPalette.buttonText
    property bool isLight: true
    property int fontSize: 13
    property int iconSize: fontSize >= 20 ? 32 : 16
    property int startYear: 1970
    property int lastYear: 2105

    signal inputChanged(string yearString)

    function getIndex() {
        return date.getFullYear() - startYear
    }

    function update(newDate) {
        if (!Arguments.isDate(newDate))
            return
        date = new Date(newDate)
        currentIndex = getIndex()
        selectedYear.text = displayText
    }

    // Outside the range there is no entry to read, and the face keeps its text.
    function fill() {
        yearsModel.update(date.getFullYear())
        currentIndex = getIndex()
        if (currentIndex >= 0 && currentIndex < count)
            selectedYear.text = yearsModel.get(currentIndex).year
    }

    // Keys typed in quick succession move the closed box to the first year that begins
    // with them (2, 20, 203, 2030); the year is proposed once the typing rests.
    function searchYear(text) {
        yearSearch.type(text)
        var index = yearSearch.firstMatch(count, function (i) { return yearsModel.get(i).year })
        if (index >= 0) {
            currentIndex = index
            selectedYear.text = displayText
        }
    }

    // The themeIcons image provider belongs to the host that calls this.
    function loadIcons() {
        yearInputIcon.source = isLight ? "image://themeIcons/arrow-down-black" : "image://themeIcons/arrow-down-white"
    }

    model: yearsModel
    // Named by what it holds; the year on its face follows as the description.
    Accessible.name: i18n("Year")
    Accessible.description: selectedYear.text
    // A text input, not a label: desktop styles treat the content item as the text
    // field of an editable box. It only shows; the box takes the clicks and the keys.
    contentItem: TextInput {
        id: selectedYear

        enabled: false
        text: yearInput.displayText
        font.pixelSize: yearInput.fontSize
        color: systemPalette.buttonText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        color: systemPalette.base
        radius: yearInput.buttonRadius
        border.color: yearInput.focus ? systemPalette.highlight : yearInput.borderColor
    }
    indicator: Image {
        id: yearInputIcon

        anchors.right: yearInput.right
        anchors.rightMargin: 10
        anchors.verticalCenter: yearInput.background.verticalCenter
        width: yearInput.iconSize
        height: yearInput.iconSize
        fillMode: Image.PreserveAspectFit
        source: yearInput.isLight ? "qrc:/icons/32x32/actions/light/arrow-down.png"
                                  : "qrc:/icons/32x32/actions/dark/arrow-down.png"
    }
    popup: Popup {
        property alias currentIndex: yearComboBoxList.currentIndex

        y: yearInput.height - 1
        width: yearInput.width
        implicitHeight: contentItem.implicitHeight
        height: 25 * 7
        padding: 1
        // Gone at once when closed, as under the default style: a list that fades out
        // would take the next keys as moves within it, not as keys on the closed box.
        exit: null
        contentItem: ListView {
            id: yearComboBoxList

            clip: true
            implicitHeight: contentHeight
            model: yearInput.popup.visible ? yearInput.model : null
            currentIndex: yearInput.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
            delegate: ItemDelegate {
                width: yearInput.width
                height: 25
                hoverEnabled: true
                leftPadding: 20
                leftInset: 5
                rightInset: 5
                Accessible.name: year
                background: Rectangle {
                    id: delegateRect

                    radius: 3
                    color: systemPalette.base
                }
                contentItem: Label {
                    id: yearNumber

                    text: year
                    font.pixelSize: 12
                    color: systemPalette.buttonText
                    verticalAlignment: Text.AlignVCenter
                }
                onHoveredChanged: {
                    if (hovered)
                        forceActiveFocus()
                }
                onFocusChanged: delegateRect.color = focus ? systemPalette.light : systemPalette.base
                onClicked: {
                    yearInput.currentIndex = index
                    selectedYear.text = year
                    yearInput.activated(index)
                    yearInput.popup.close()
                }
            }
        }
        // Loaded on the first opening, and kept: see PopupFrame.qml.
        background: Loader {
            active: false
            source: "PopupFrame.qml"
        }
        onAboutToShow: background.active = true
    }

    // The face shows the year of the date from here on, not the list's text.
    Component.onCompleted: {
        selectedYear.text = date.getFullYear()
        currentIndex = getIndex()
        fill()
    }
    onActivated: inputChanged(String(yearsModel.get(currentIndex).year))
    Keys.onPressed: {
        if (DropDown.isOpen(popup) || !yearSearch.isSearchKey(event))
            return
        searchYear(event.text)
        event.accepted = true
    }

    PrefixSearch {
        id: yearSearch

        objectName: "yearSearch"
        onRested: {
            if (yearInput.currentIndex >= 0 && yearInput.currentIndex !== yearInput.getIndex())
                yearInput.activated(yearInput.currentIndex)
        }
    }

    SystemPalette {
        id: systemPalette
    }

    ListModel {
        id: yearsModel

        // One append of all the entries: the box and its list then take in the new
        // entries once, not once per year.
        function fillModel(currentYear) {
            var years = []
            for (var year = yearInput.startYear; year <= yearInput.lastYear; ++year)
                years.push({ year: year })
            append(years)
        }

        function update(currentYear) {
            clear()
            fillModel(currentYear)
        }
    }
}
