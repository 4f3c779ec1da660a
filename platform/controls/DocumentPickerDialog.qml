import QtQuick
import QtQuick.Dialogs
import Pacelog

// The file dialog behind the document picker; a page that picks documents holds one.
FileDialog {
    id: dialog
    objectName: "documentPicker"
    title: "Choose a file"
    fileMode: FileDialog.OpenFile

    Connections {
        target: DocumentPicker
        function onOpenRequested() {
            dialog.fileMode = FileDialog.OpenFile
            dialog.open()
        }
        function onOpenManyRequested() {
            dialog.fileMode = FileDialog.OpenFiles
            dialog.open()
        }
    }
    onAccepted: {
        if (dialog.fileMode === FileDialog.OpenFiles)
            DocumentPicker.pickMany(dialog.selectedFiles)
        else
            DocumentPicker.pick(dialog.selectedFile)
    }
    onRejected: DocumentPicker.cancel()
}
