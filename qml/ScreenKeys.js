.pragma library

// Moves a flickable's view as a scrolling key asks: a row for Up and Down, a
// page for Page Up and Page Down, the ends for Home and End. Returns whether
// pKey was one of them.
function scroll(pFlickable, pKey) {
    const row = 70;
    const last = Math.max(0, pFlickable.contentHeight - pFlickable.height);
    let y = pFlickable.contentY;
    switch (pKey) {
    case Qt.Key_Up: y -= row; break;
    case Qt.Key_Down: y += row; break;
    case Qt.Key_PageUp: y -= pFlickable.height; break;
    case Qt.Key_PageDown: y += pFlickable.height; break;
    case Qt.Key_Home: y = 0; break;
    case Qt.Key_End: y = last; break;
    default: return false;
    }
    pFlickable.cancelFlick();
    pFlickable.contentY = Math.min(Math.max(y, 0), last);
    return true;
}

// The keys a screen has while no sheet, dialog or question is open in front
// of it: Escape closes an open menu, or else goes back through pBack where the
// screen has a way back; the scrolling keys move pFlickable.
function screenKeyPressed(pScreen, pFlickable, pEvent, pBack) {
    if (pEvent.key !== Qt.Key_Escape)
        pEvent.accepted = scroll(pFlickable, pEvent.key);
    else if (pScreen.state === "menu")
        pScreen.state = "";
    else if (pScreen.state === "" && pBack)
        pBack();
}
