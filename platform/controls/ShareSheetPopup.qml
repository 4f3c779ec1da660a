import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Dialogs
import Pacelog

// The share sheet as a panel at the bottom of the app: what is shared, then the places it can
// go. It is not modal, so a tap elsewhere closes it and still reaches the screen.
Popup {
    id: sheet
    objectName: "shareSheet"
    readonly property var items: ShareSheet.items
    modal: false
    // The person asked for it, so the keyboard moves into it (Escape closes it).
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    visible: ShareSheet.showing
    onClosed: ShareSheet.dismiss()

    x: (parent ? parent.width - width : 0) / 2
    y: parent ? parent.height - height - 16 : 0
    width: Math.min(parent ? parent.width - 32 : 340, 360)
    padding: 12
    background: Rectangle {
        radius: Look.buttonRadius
        color: Look.cellBackground
        border.color: Look.border
        border.width: Look.buttonBorder
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8
        Label {
            Layout.fillWidth: true
            text: "Share"
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }
        Repeater {
            model: ShareSheet.items
            Label {
                required property string modelData
                Layout.fillWidth: true
                text: modelData
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 3
                elide: Text.ElideRight
                color: "black"
            }
        }
        Label {
            objectName: "shareStatus"
            Layout.fillWidth: true
            visible: text.length > 0
            text: ShareSheet.status
            wrapMode: Text.WordWrap
            color: "black"
        }
        RowLayout {
            Layout.fillWidth: true
            PaceButton {
                objectName: "Copy"
                text: objectName
                Layout.fillWidth: true
                visible: ShareSheet.offersCopy
                onClicked: ShareSheet.copyToClipboard()
            }
            PaceButton {
                objectName: "Mail"
                text: objectName
                Layout.fillWidth: true
                enabled: ShareSheet.canMail
                visible: ShareSheet.offersMail
                onClicked: ShareSheet.mail()
            }
            PaceButton {
                objectName: "Save"
                text: objectName
                Layout.fillWidth: true
                onClicked: if (!ShareSheet.saveToSaveDirectory()) saveDialog.open()
            }
        }
        PaceButton {
            objectName: "Close"
            text: objectName
            Layout.fillWidth: true
            onClicked: ShareSheet.dismiss()
        }
    }

    FileDialog {
        id: saveDialog
        fileMode: FileDialog.SaveFile
        currentFile: ShareSheet.proposedFile
        onAccepted: ShareSheet.saveTo(selectedFile)
    }
}
