import QtQuick
import QtQuick.Controls
import Pacelog

ApplicationWindow {
    width: 390
    height: 844
    visible: true
    title: "Pacelog"

    AppRoot {
        anchors.fill: parent
    }
}
