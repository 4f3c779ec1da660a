pragma Singleton
import QtQuick

// The shared look of every screen.
QtObject {
    readonly property color border: "black"
    readonly property int buttonRadius: 10
    readonly property int buttonBorder: 2
    readonly property int fieldRadius: 5
    readonly property int fieldBorder: 1
    readonly property color cellBackground: Qt.hsva(0.5, 0.06, 0.96, 1)
    // Cells keep their light background in the dark appearance too, so their text stays black.
    readonly property color cellText: "black"
    readonly property color destructive: "#e53935"
    readonly property color toolbarTint: Qt.rgba(92 / 255, 216 / 255, 1, 1)
    readonly property color required: "#c62828"
    readonly property int margin: 16
}
