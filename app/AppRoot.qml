import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Controls.Material
import Pacelog

// The whole app: the main menu, the navigation stack of the screens opened from it, the bar
// with the back control, and the alert dialog every screen's alerts go through. The menu fills
// the screen at the start and stays docked as a compact bar below any open screen, so every
// entry is one tap away.
Item {
    id: root
    objectName: "appRoot"
    Material.accent: Material.Blue
    width: 390
    height: 844

    readonly property bool menuDocked: stack.depth > 1

    // Opens one screen and closes it again; used by `pacelog --self-test`.
    function openForSelfTest(url) {
        const page = stack.push(url)
        const ok = page !== null && page !== undefined
        stack.pop(null)
        return ok
    }

    function pageAccepting(identifier) {
        for (let i = stack.depth - 1; i >= 1; --i) {
            const page = stack.get(i, StackView.ForceLoad)
            if (page && page.unwinds && page.unwinds.indexOf(identifier) >= 0)
                return page
        }
        return null
    }

    function performSegue(identifier, detailItem) {
        const properties = detailItem === undefined ? {} : { detailItem: detailItem }
        if (identifier.startsWith("unwindTo")) {
            const target = pageAccepting(identifier)
            if (target)
                stack.pop(target)
            else if (menu.unwinds.indexOf(identifier) >= 0)
                stack.pop(null)
            else
                console.warn("No screen accepts", identifier)
            return
        }
        const page = stack.depth > 1 ? stack.currentItem : null
        if (page && page.segues && page.segues[identifier]) {
            stack.push(Qt.resolvedUrl(page.segues[identifier]), properties)
        } else if (menu.segues[identifier]) {
            // A menu entry: whatever was open closes, the chosen screen opens.
            stack.pop(null)
            stack.push(Qt.resolvedUrl(menu.segues[identifier]), properties)
        } else {
            console.warn("Unknown segue", identifier)
        }
    }

    Connections {
        target: Navigator
        function onSegueRequested(identifier, detailItem) { root.performSegue(identifier, detailItem) }
        function onBackRequested() { if (stack.depth > 1) stack.pop() }
    }

    ToolBar {
        id: bar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        background: Rectangle {
            implicitHeight: 48 // as tall as its buttons, so the screens start below them
            color: "#f7f7f7"
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: "#cccccc" }
        }
        RowLayout {
            anchors.fill: parent
            ToolButton {
                objectName: "back"
                text: "\u2039 Back"
                contentItem: Label {
                    text: "\u2039 Back"
                    color: "#1565c0"
                    font.pixelSize: 17
                    verticalAlignment: Text.AlignVCenter
                }
                visible: stack.depth > 1
                onClicked: stack.pop()
            }
            Label {
                Layout.fillWidth: true
                text: stack.depth > 1 && stack.currentItem && stack.currentItem.title !== undefined
                      ? stack.currentItem.title : menu.title
                elide: Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                font.bold: true
                font.pixelSize: 17
                color: "black"
            }
            Item { implicitWidth: stack.depth > 1 ? 64 : 0 }
        }
    }

    MainMenuPage {
        id: menu
        docked: root.menuDocked
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: docked ? implicitDockedHeight : parent.height - bar.height
        z: 1
    }

    StackView {
        id: stack
        objectName: "stack"
        anchors.top: bar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: menu.docked ? menu.top : parent.bottom
        visible: depth > 1
        initialItem: Item {}
        // Screens appear at once: a tap right after opening lands where the screen shows it.
        pushEnter: Transition {}
        pushExit: Transition {}
        popEnter: Transition {}
        popExit: Transition {}
        replaceEnter: Transition {}
        replaceExit: Transition {}
        onDepthChanged: if (depth === 1) menu.appearing()
    }

    RatingPromptPopup {}
    ShareSheetPopup {}

    Dialog {
        id: alert
        objectName: "alert"
        property string text: AlertPresenter.message
        parent: root
        anchors.centerIn: parent
        width: Math.min(root.width - 48, 320)
        modal: true
        closePolicy: Popup.NoAutoClose
        title: AlertPresenter.title
        visible: AlertPresenter.showing

        Label {
            objectName: "alertMessage"
            width: parent.width
            text: alert.text
            wrapMode: Text.WordWrap
        }
        footer: Row {
            layoutDirection: Qt.RightToLeft
            padding: 8
            spacing: 8
            Button {
                objectName: AlertPresenter.buttons.length > 0 ? AlertPresenter.buttons[0] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(0)
            }
            Button {
                objectName: AlertPresenter.buttons.length > 1 ? AlertPresenter.buttons[1] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(1)
            }
            Button {
                objectName: AlertPresenter.buttons.length > 2 ? AlertPresenter.buttons[2] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(2)
            }
        }
    }
}
