pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Pacelog

// A slippy map: OpenStreetMap raster tiles (from PACELOG_TILE_URL, none when it is empty)
// over a built-in outline of the contiguous United States, blue 2-pixel lines, dashed lines,
// pins with their titles, the own position, a scale bar and the tile attribution, both always
// on screen. Drag pans, pinch and wheel zoom, a double tap zooms in. Without tiles (offline,
// nothing cached) the outline shows where they would be, and everything else is still drawn.
Item {
    id: map
    clip: true

    property var annotations: []        // [{latitude, longitude, title}]
    property var overlays: []           // [[{latitude, longitude}, ...], ...]
    property var dashedLines: []        // the same, drawn dashed; not part of `overlays`
    property alias centerLatitude: camera.centerLatitude
    property alias centerLongitude: camera.centerLongitude
    property alias zoomLevel: camera.zoomLevel
    property bool showsUserLocation: false
    property real userLatitude: 0
    property real userLongitude: 0
    property bool userLocationKnown: false
    property alias tileUrl: tiles.urlTemplate
    property bool imperialScale: Qt.locale().measurementSystem !== Locale.MetricSystem

    // A screen reader reads the map as its pins' titles; the page adds what the map stands for.
    Accessible.role: Accessible.Graphic
    Accessible.name: "Map"
    Accessible.description: "Pins: " + annotations.map(pin => pin.title || "").filter(title => title.length > 0).join(", ")

    // Shows the span around the centre, sliding there when `animated`.
    function setRegion(latitude, longitude, latitudeSpan, longitudeSpan, animated) {
        const region = camera.regionFor(latitude, longitude, latitudeSpan, longitudeSpan)
        regionAnimation.stop()
        if (!animated) {
            camera.zoomLevel = region.zoomLevel
            camera.centerLatitude = region.latitude
            camera.centerLongitude = region.longitude
            return
        }
        toLatitude.to = region.latitude
        toLongitude.to = region.longitude
        toZoom.to = region.zoomLevel
        regionAnimation.start()
    }

    MapCamera {
        id: camera
        width: map.width
        height: map.height
    }

    MapPolylines {
        id: lines
        lines: map.overlays
    }
    MapPolylines {
        id: dashed
        lines: map.dashedLines
    }
    MapPolylines {
        id: outline
        source: ":/qt/qml/Pacelog/resources/StateOutlines.txt"
    }

    ParallelAnimation {
        id: regionAnimation
        NumberAnimation { id: toLatitude; target: camera; property: "centerLatitude"; duration: 400; easing.type: Easing.InOutQuad }
        NumberAnimation { id: toLongitude; target: camera; property: "centerLongitude"; duration: 400; easing.type: Easing.InOutQuad }
        NumberAnimation { id: toZoom; target: camera; property: "zoomLevel"; duration: 400; easing.type: Easing.InOutQuad }
    }

    Rectangle {
        anchors.fill: parent
        color: "#e8e6e1"
    }

    // The states' borders, under the tiles that cover them where they are drawn.
    Shape {
        id: outlineShape
        objectName: "stateOutline"
        readonly property var paths: outline.allViewPaths(camera, camera.revision)
        width: map.width
        height: map.height
        ShapePath {
            strokeColor: "#8a8a8a"
            strokeWidth: 1
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin
            PathMultiline { paths: outlineShape.paths }
        }
    }

    MapTileLayer {
        id: tiles
        anchors.fill: parent
        camera: camera
    }

    Shape {
        id: dashedShape
        objectName: "dashedLines"
        readonly property var paths: dashed.allViewPaths(camera, camera.revision)
        width: map.width
        height: map.height
        ShapePath {
            strokeColor: "blue"
            strokeWidth: 2
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [4, 3]
            capStyle: ShapePath.FlatCap
            PathMultiline { paths: dashedShape.paths }
        }
    }

    Repeater {
        model: lines.count
        delegate: Shape {
            id: route
            required property int index
            width: map.width
            height: map.height
            ShapePath {
                strokeColor: "blue"
                strokeWidth: 2
                fillColor: "transparent"
                joinStyle: ShapePath.RoundJoin
                capStyle: ShapePath.RoundCap
                PathMultiline { paths: lines.viewPaths(route.index, camera, camera.revision) }
            }
        }
    }

    Repeater {
        model: map.annotations
        delegate: Item {
            id: pin
            required property var modelData
            objectName: "pin"
            readonly property point at: camera.project(pin.modelData.latitude, pin.modelData.longitude, camera.revision)
            x: at.x
            y: at.y
            Rectangle { x: -1; y: -14; width: 2; height: 14; color: "#7a0000" }
            Rectangle { x: -7; y: -26; width: 14; height: 14; radius: 7; color: "red"; border.color: "#7a0000" }
            Label {
                objectName: "pinTitle"
                x: -width / 2
                y: -48
                text: pin.modelData.title || ""
                visible: text.length > 0
                padding: 2
                color: "black"
                font.pixelSize: 12
                background: Rectangle { color: "#ddffffff"; radius: 3 }
            }
        }
    }

    Rectangle {
        objectName: "userLocation"
        readonly property point at: camera.project(map.userLatitude, map.userLongitude, camera.revision)
        visible: map.showsUserLocation && map.userLocationKnown
        x: at.x - width / 2
        y: at.y - height / 2
        width: 16
        height: 16
        radius: 8
        color: "#1e88e5"
        border.color: "white"
        border.width: 3
    }

    DragHandler {
        id: drag
        target: null
        property vector2d last
        onActiveChanged: last = Qt.vector2d(0, 0)
        onTranslationChanged: {
            camera.pan(translation.x - last.x, translation.y - last.y)
            last = translation
        }
    }
    PinchHandler {
        target: null
        property real startZoom
        onActiveChanged: if (active) startZoom = camera.zoomLevel
        onActiveScaleChanged: camera.zoomAround(startZoom + Math.log2(activeScale),
                                                centroid.position.x, centroid.position.y)
    }
    WheelHandler {
        target: null
        onWheel: event => camera.zoomAround(camera.zoomLevel + event.angleDelta.y / 480,
                                            point.position.x, point.position.y)
    }
    TapHandler {
        onDoubleTapped: eventPoint => camera.zoomAround(camera.zoomLevel + 1,
                                                        eventPoint.position.x, eventPoint.position.y)
    }

    Item {
        id: scale
        objectName: "scaleBar"
        readonly property var bar: camera.scaleBar(120, map.imperialScale, camera.revision)
        x: 8
        y: map.height - height - 8
        width: bar.width
        height: 22
        Label {
            objectName: "scaleText"
            text: scale.bar.text
            font.pixelSize: 11
            color: "black"
        }
        Rectangle { y: 16; width: parent.width; height: 4; color: "black"; border.color: "white" }
    }

    Label {
        objectName: "attribution"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: "(c) OpenStreetMap contributors"
        font.pixelSize: 11
        color: "black"
        padding: 3
        background: Rectangle { color: "#ccffffff" }
    }
}
