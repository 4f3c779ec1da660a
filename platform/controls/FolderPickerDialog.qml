import QtQuick
import QtQuick.Dialogs
import Pacelog

// The folder dialog behind the document picker's folder pick; a page that picks folders holds
// one.
FolderDialog {
    id: dialog
    objectName: "folderPicker"
    title: "Choose a folder"

    Connections {
        target: DocumentPicker
        function onOpenFolderRequested() { dialog.open() }
    }
    onAccepted: DocumentPicker.pickFolder(dialog.selectedFolder)
    onRejected: DocumentPicker.cancel()
}
