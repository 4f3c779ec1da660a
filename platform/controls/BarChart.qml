pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Pacelog

// A bar chart drawn with plain items, so it looks and behaves the same on every platform and
// each bar is a control of its own (objectName "bar" + its label) that a tap reaches. The
// model's rows carry `label`, `valueText`, `fraction` (the bar's share of the tallest) and
// `row` (the table row the bar stands for).
Rectangle {
    id: chart
    property alias model: bars.model
    property string caption
    signal barTapped(int row)

    // Read as its caption and each bar's label and figure; the table below the chart is the
    // keyboard's way to the same rows.
    Accessible.role: Accessible.Chart
    Accessible.name: caption
    Accessible.description: spokenBars.slice(0, bars.count).join("; ")
    property var spokenBars: []
    function noteBar(index, text) {
        const next = spokenBars.slice()
        next[index] = text
        spokenBars = next
    }

    implicitHeight: 200
    radius: Look.buttonRadius
    border.width: Look.buttonBorder
    border.color: Look.border
    color: Look.cellBackground

    Label {
        id: captionLabel
        objectName: "chartCaption"
        x: 12
        y: 6
        text: chart.caption
        color: "black"
        font.bold: true
        font.pixelSize: 13
    }

    Item {
        id: plot
        anchors.top: captionLabel.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 8
        readonly property real barWidth: bars.count > 0 ? width / bars.count : width
        // Narrow bars turn their captions upright and leave the figures to the table.
        readonly property bool narrow: barWidth < 28

        Repeater {
            id: bars
            delegate: Item {
                id: bar
                required property string label
                required property string valueText
                required property real fraction
                required property int row
                required property int index
                objectName: "bar" + label
                // Each bar is also a button of its own for a screen reader: Press opens its row.
                readonly property string spoken: label + " " + valueText
                onSpokenChanged: chart.noteBar(index, spoken)
                Component.onCompleted: chart.noteBar(index, spoken)
                Accessible.role: Accessible.Button
                Accessible.name: spoken
                Accessible.onPressAction: chart.barTapped(bar.row)
                x: index * plot.barWidth
                width: plot.barWidth
                height: plot.height

                Item {
                    id: axisLabel
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: plot.narrow ? 34 : 16
                    Label {
                        anchors.centerIn: parent
                        text: bar.label
                        color: "black"
                        font.pixelSize: 10
                        rotation: plot.narrow ? -90 : 0
                    }
                }
                Rectangle {
                    id: column
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: axisLabel.top
                    anchors.bottomMargin: 2
                    width: Math.max(2, bar.width * 0.7)
                    height: bar.fraction * (bar.height - axisLabel.height - figure.height - 4)
                    radius: 2
                    color: tap.pressed ? Qt.darker(Look.toolbarTint, 1.3) : Look.toolbarTint
                    border.width: 1
                    border.color: Look.border
                }
                Label {
                    id: figure
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: column.top
                    text: bar.valueText
                    visible: !plot.narrow
                    color: "black"
                    font.pixelSize: 9
                }
                TapHandler {
                    id: tap
                    onTapped: chart.barTapped(bar.row)
                }
            }
        }
    }
}
