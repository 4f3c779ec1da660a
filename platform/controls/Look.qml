pragma Singleton
import QtQuick
import Pacelog

// The shared look of every screen, in the light or the dark appearance. Cells and buttons keep
// their light background and black text in both, as the phone app's table cells do.
QtObject {
    readonly property bool dark: Appearance.dark

    readonly property color pageBackground: dark ? "#121212" : "white"
    readonly property color text: dark ? "white" : "black"
    readonly property color secondaryText: dark ? "#b0b0b0" : "#555555"
    readonly property color fieldBackground: dark ? "#2a2a2a" : "white"
    readonly property color fieldText: text
    // Mid grey: readable on the white fields the entry screens keep and on dark ones.
    readonly property color placeholder: "#8e8e93"
    readonly property color fieldBorderColor: dark ? "#8e8e93" : "black"
    readonly property color cellBackground: Qt.hsva(0.5, 0.06, 0.96, 1)
    readonly property color cellText: "black"
    readonly property color accent: dark ? "#64b5f6" : "#1565c0"
    readonly property color barBackground: dark ? "#1f1f1f" : "#f7f7f7"
    readonly property color barText: text
    readonly property color divider: dark ? "#3a3a3c" : "#cccccc"

    readonly property color border: "black"
    readonly property int buttonRadius: 10
    readonly property int buttonBorder: 2
    readonly property int fieldRadius: 5
    readonly property int fieldBorder: 1
    readonly property color destructive: "#e53935"
    // The date picker toolbar's buttons: the same sky blue in both appearances.
    readonly property color toolbarTint: Qt.rgba(92 / 255, 216 / 255, 1, 1)
    readonly property color required: dark ? "#ef5350" : "#c62828"
    readonly property int margin: 16
    // The keyboard focus ring: drawn on the page background, so it contrasts with that; on a
    // row (a light cell in both appearances) the ring is the dark shade.
    readonly property color focusMark: dark ? "#ffd54f" : "#0b57d0"
    readonly property color focusMarkOnCell: "#0b57d0"
    readonly property int focusMarkWidth: 3
}
