import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The rating prompt as a small banner at the top of the app. It is not modal: a tap anywhere
// else goes through to the screen and counts as "Not Now".
Popup {
    id: prompt
    objectName: "ratingPrompt"
    modal: false
    focus: false
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    visible: RatingPrompt.showing
    onClosed: RatingPrompt.respond(false)

    x: (parent ? parent.width - width : 0) / 2
    y: 64
    width: Math.min(parent ? parent.width - 32 : 320, 340)
    padding: 12
    background: Rectangle {
        radius: Look.buttonRadius
        color: Look.cellBackground
        border.color: Look.border
        border.width: Look.fieldBorder
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 6
        Label {
            Layout.fillWidth: true
            text: "Enjoying Pacelog?"
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }
        Label {
            Layout.fillWidth: true
            text: "Tap Rate to write a review on the App Store."
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            PlainButton {
                objectName: "Not Now"
                text: objectName
                flat: true
                onClicked: RatingPrompt.respond(false)
            }
            PlainButton {
                objectName: "Rate"
                text: objectName
                flat: true
                onClicked: RatingPrompt.respond(true)
            }
        }
    }
}
