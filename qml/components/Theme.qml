pragma Singleton
import QtQuick

// The look of every scene: colours, sizes, fonts and timings, by name.
QtObject {
    // Colours
    readonly property color background: "#000000"
    readonly property color bar: "#445579"
    readonly property color barLight: "#A4B5D9"
    readonly property color box: "#8495B9"
    readonly property color highlight: "#C4D5F9"
    readonly property color row: "#202020"
    readonly property color rowPressed: "#404040"
    readonly property color rowSelected: "#606060"
    readonly property color categoryRow: "#647599"
    readonly property color text: "#FFFFFF"
    readonly property color textSecondary: "#A0A0FF"
    readonly property color field: "#FFFFFF"
    readonly property color inputText: "#000000"
    readonly property color none: "transparent"
    readonly property color inputBorder: "#B9B9B9"
    readonly property color tabBorder: "#808080"
    // The ring around the control that has the keys: amber, lined with black,
    // so that it shows on the bars, the rows, the sheets and the fields alike.
    readonly property color focusRing: "#FFB000"
    readonly property color focusLining: "#000000"
    readonly property color undoBar: "#E0E0E0"

    // Sizes
    readonly property int radius: 20
    readonly property int bandRadius: 10
    readonly property int tabRadius: 60
    // How far a rounded box reaches past the edge that clips it, so that the
    // corners on that side do not show.
    readonly property int hiddenCorners: 2 * radius
    // Between a page and its header or footer, between fields and texts.
    readonly property int gap: 5
    // Around a sheet's fields.
    readonly property int margin: 10
    // Between a row's band and the row's edges; a category band also keeps
    // bandInset above and below.
    readonly property int rowInset: 2
    readonly property int bandInset: 10
    readonly property int rowHeight: 70
    readonly property int zoneWidth: 70
    readonly property int smallIcon: 15
    readonly property int focusWidth: 3
    readonly property int buttonBarHeight: 65
    readonly property int headerHeight: 80
    readonly property int titleHeight: 40
    readonly property int fieldHeight: 60
    readonly property int suggestionHeight: 44
    readonly property int undoBarHeight: 50
    readonly property int undoButtonWidth: 140
    readonly property int labelWidth: 120
    readonly property int menuWidthInset: 140
    readonly property int menuEntryHeight: 60
    // Between groups of menu entries.
    readonly property int menuGroupGap: 2
    // The widest a page of rows, a sheet or a menu grows on a wide window.
    readonly property int maxWidth: 800
    // A dialog box, and the least room it leaves at the window's sides.
    readonly property int popupWidth: 400
    readonly property int popupHeight: 300
    readonly property int queryHeight: 250
    // A window's first text stands this far below its top; the checkout's
    // question keeps this far above its bottom.
    readonly property int popupTextTop: 70
    readonly property int checkoutQuestionBottom: 100
    readonly property int windowMargin: 20
    // The lists screen's rows leave this much of the window to the header
    // and the "new list" button.
    readonly property int listsScreenFrame: 150
    // The list sheet's room below its buttons, and the language sheet's height.
    readonly property int listSheetAllowance: 100
    readonly property int languageSheetHeight: 300
    // The longest name, category or note the sheets take, in UTF-16 code
    // units; the list document keeps no more of a list's name and note.
    readonly property int maxTextLength: 1000

    // Fonts (pixel sizes). A text too long for its box is set smaller, a
    // figure down to the smallest size, other texts down to a legible one.
    readonly property int fontSmallest: 8
    readonly property int fontLegible: 12
    readonly property int fontButton: 14
    readonly property int fontSmall: 15
    readonly property int fontTab: 16
    readonly property int fontLabel: 18
    readonly property int fontText: 20
    readonly property int fontInput: 22
    readonly property int fontAbout: 25

    // Opacities
    readonly property real pressedOpacity: 0.5
    readonly property real inactiveOpacity: 0.5
    readonly property real shadeOpacity: 0.8

    // Timings
    readonly property int duration: 450
    readonly property int fadeDuration: 350
    readonly property int quickDuration: 250
    readonly property int barDuration: 550
    readonly property int highlightDuration: 200
    // Letters typed within this long of each other find a chooser row together.
    readonly property int typingPause: 1000
    readonly property int easing: Easing.InOutQuart

    // The edit and delete zones of a row pRowWidth wide: narrower on a phone,
    // so that the row's texts keep room between them.
    function rowZoneWidth(pRowWidth: real): real {
        return Math.min(zoneWidth, Math.round(pRowWidth / 7));
    }
}
