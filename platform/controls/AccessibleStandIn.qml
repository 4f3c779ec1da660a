import QtQuick

// What a screen reader meets in place of a control whose own accessible role Qt resets when
// the accessibility bus connects (a Tumbler, a MonthGrid, a button that is one choice of a
// segment): an item over the whole control with the role (a spin box unless set), name and
// actions the page gives it. The control itself sets `Accessible.ignored`.
Item {
    anchors.fill: parent
    Accessible.role: Accessible.SpinBox
}
