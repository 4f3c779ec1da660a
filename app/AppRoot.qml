import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Controls.Material
import Pacelog

// The whole app: one navigation stack with the main menu at its root and every screen pushed
// on it, the bar with the back control, and the alert dialog every screen's alerts go through.
Item {
    id: root
    objectName: "appRoot"
    Material.accent: Material.Blue
    Material.theme: Look.dark ? Material.Dark : Material.Light
    width: 390
    height: 844

    // Opens one page on top of the menu and closes it again; used by `pacelog --self-test`.
    function openForSelfTest(page) {
        const opened = stack.push(SegueRegistry.url(page), { pagePath: page })
        const ok = opened !== null && opened !== undefined
        stack.pop(null)
        return ok
    }

    // An unwind returns to the nearest page below the current one that accepts it, else to the
    // menu; any other segue opens the page registered for the current screen and identifier.
    function performSegue(identifier, detailItem) {
        if (SegueRegistry.isUnwind(identifier)) {
            for (let i = stack.depth - 2; i > 0; --i) {
                const page = stack.get(i, StackView.DontLoad) as ScreenPage
                if (page && SegueRegistry.acceptsUnwind(page.pagePath, identifier)) {
                    stack.pop(page)
                    return
                }
            }
            stack.pop(null)
            return
        }
        const source = stack.currentItem ? stack.currentItem.objectName : ""
        const page = SegueRegistry.pageFor(source, identifier)
        if (page.length === 0) {
            console.warn("No page for segue", identifier, "from", source)
            return
        }
        const properties = { pagePath: page }
        if (detailItem !== undefined)
            properties.detailItem = detailItem
        stack.push(SegueRegistry.url(page), properties)
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
            color: Look.barBackground
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: Look.divider }
        }
        RowLayout {
            anchors.fill: parent
            PaceToolButton {
                objectName: "back"
                text: "\u2039 Back"
                Accessible.name: "Back"
                visible: stack.depth > 1
                onClicked: stack.pop()
            }
            Label {
                Layout.fillWidth: true
                text: stack.currentItem ? (stack.currentItem as Page).title : ""
                elide: Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                font.bold: true
                font.pixelSize: 17
                color: Look.barText
            }
            Item { implicitWidth: stack.depth > 1 ? 64 : 0 }
        }
    }

    StackView {
        id: stack
        objectName: "stack"
        anchors.top: bar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        initialItem: MainMenuPage { pagePath: SegueRegistry.menuPage() }
        onCurrentItemChanged: UndoService.pageShown()
        // Screens appear at once: a tap right after opening lands where the screen shows it.
        pushEnter: Transition {}
        pushExit: Transition {}
        popEnter: Transition {}
        popExit: Transition {}
        replaceEnter: Transition {}
        replaceExit: Transition {}
    }

    // Escape and Alt+Left go back as the back control does.
    Shortcut {
        sequences: ["Escape", "Alt+Left"]
        enabled: stack.depth > 1 && !alert.visible
        onActivated: stack.pop()
    }

    // The latest change offered for undoing, at the foot of the page where it shows (an edit's
    // and an import's on the page they return to). Ctrl+Z does the same while it shows.
    Pane {
        id: undoBar
        objectName: "undoBar"
        parent: stack.currentItem
        visible: UndoService.offered
        z: 10
        anchors.left: parent ? parent.left : undefined
        anchors.right: parent ? parent.right : undefined
        anchors.bottom: parent ? parent.bottom : undefined
        anchors.margins: 12
        padding: 8
        background: Rectangle { color: "#323232"; radius: 6 }
        RowLayout {
            anchors.fill: parent
            Label {
                Layout.fillWidth: true
                text: UndoService.undoText
                color: "white"
                elide: Text.ElideRight
            }
            Button {
                objectName: "undo"
                text: "Undo"
                flat: true
                Accessible.name: "Undo"
                onClicked: UndoService.undo()
            }
        }
    }
    Shortcut {
        sequence: "Ctrl+Z"
        enabled: UndoService.offered
        onActivated: UndoService.undo()
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
        // The first button is the default: it has the focus when the alert opens, so Enter
        // answers it; Escape answers "Cancel" (an alert with one button: that button).
        readonly property int cancelIndex: {
            const titles = AlertPresenter.buttons
            if (titles.length === 1)
                return 0
            for (let i = 0; i < titles.length; ++i) {
                if (titles[i] === "Cancel")
                    return i
            }
            return -1
        }
        focus: true
        // The keyboard's focus comes back where it was, unless that screen has gone.
        property Item returnFocus: null
        onAboutToShow: returnFocus = root.Window.activeFocusItem
        onOpened: defaultButton.forceActiveFocus(Qt.TabFocusReason)
        onClosed: {
            if (returnFocus && returnFocus.visible)
                returnFocus.forceActiveFocus()
            returnFocus = null
        }
        Shortcut {
            sequence: "Escape"
            enabled: alert.visible && alert.cancelIndex >= 0
            onActivated: AlertPresenter.respond(alert.cancelIndex)
        }

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
            PlainButton {
                id: defaultButton
                objectName: AlertPresenter.buttons.length > 0 ? AlertPresenter.buttons[0] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(0)
            }
            PlainButton {
                objectName: AlertPresenter.buttons.length > 1 ? AlertPresenter.buttons[1] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(1)
            }
            PlainButton {
                objectName: AlertPresenter.buttons.length > 2 ? AlertPresenter.buttons[2] : ""
                text: objectName
                flat: true
                visible: text.length > 0
                onClicked: AlertPresenter.respond(2)
            }
        }
    }
}
