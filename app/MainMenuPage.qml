import QtQuick
import QtQuick.Controls
import Pacelog

// The main menu, the root of the navigation: one button per entry, then the control that shows
// or hides the less used ones.
ScreenPage {
    id: page
    objectName: "MainMenuViewController"
    title: "Pacelog"
    readonly property alias controller: controller

    MainMenuViewController { id: controller }
    Component.onCompleted: { controller.viewDidLoad(); controller.viewWillAppear() }
    onAppearing: controller.viewWillAppear()

    // A button whose outlet's hidden state flips folds in or out over 0.3 s, and the buttons
    // below move up or down with it.
    component MenuButton: PaceButton {
        id: button
        property real reveal: button.outlet && button.outlet.hidden ? 0 : 1
        Behavior on reveal { NumberAnimation { duration: 300; easing.type: Easing.InOutQuad } }
        width: entries.width
        visible: reveal > 0
        opacity: reveal
        implicitHeight: 52 * reveal
        font.pixelSize: 17
    }

    Flickable {
        anchors.fill: parent
        contentHeight: entries.implicitHeight + 2 * Look.margin
        // All entries fit a phone's screen; a smaller window scrolls.
        interactive: contentHeight > height
        clip: true
        Column {
            id: entries
            x: Look.margin
            y: Look.margin
            width: page.width - 2 * Look.margin
            spacing: 12

            Repeater {
                model: controller.entries
                delegate: MenuButton {
                    required property string modelData
                    objectName: modelData
                    outlet: controller.outlet(modelData)
                    onClicked: controller.openEntry(modelData)
                }
            }
            MenuButton {
                objectName: "HandleSelection"
                text: controller.toggleTitle
                onClicked: controller.HandleSelection()
            }
        }
    }
}
