#!/usr/bin/env python3
"""Fault injection: which tests catch which realistic slip.

Usage: scripts/fault_table.py <source-tree> [fault-name ...] [--check] [--out FILE]

<source-tree> must be a linked git worktree (git worktree add), never the main
checkout: every fault is written into its files. Each fault is applied on its
own, the tree is built in <source-tree>/build-faults and the tests are run; the
file is then restored byte for byte, also on Ctrl+C and errors. One markdown
row is printed per fault. --check only verifies that every fault's text occurs
exactly once in its file.
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time
from collections import namedtuple

Fault = namedtuple("Fault", "name path old new")

LIST = "src/models/ptListDataModel.cpp"
MANAGER = "src/app/ptApplicationManager.cpp"
XMLTEXT = "src/models/ptXmlText.cpp"
RULES = "src/models/ptItemRules.cpp"

FAULTS = [
    Fault("prune-header-off-by-one", LIST,
          "for (int row = header + 1; row < m_rows.size(); ++row) {",
          "for (int row = header + 1; row < m_rows.size() - 1; ++row) {"),
    Fault("cart-sum-sign", LIST,
          "cartSum += item.total;",
          "cartSum -= item.total;"),
    Fault("root-attribute-order", LIST,
          '    writer.writeAttribute(QStringLiteral("items_list"), m_listItemsAmount);\n'
          '    writer.writeAttribute(QStringLiteral("price_list"), m_listItemsPrice);\n',
          '    writer.writeAttribute(QStringLiteral("price_list"), m_listItemsPrice);\n'
          '    writer.writeAttribute(QStringLiteral("items_list"), m_listItemsAmount);\n'),
    Fault("amount-units-not-retranslated", MANAGER,
          "    m_amountUnitsDataModel.retranslate();\n",
          ""),
    Fault("truncating-write", XMLTEXT,
          "bool ptXmlText::writeFileAtomically(const QString &pFileName, const QByteArray &pData)\n"
          "{\n"
          "    // Unbuffered, so that a short or failed write shows in write() itself.\n"
          "    QSaveFile file(pFileName);\n"
          "    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))\n"
          "        return false;\n"
          "    if (file.write(pData) != pData.size()) {\n"
          "        file.cancelWriting();\n"
          "        return false;\n"
          "    }\n"
          "    return file.commit();\n",
          "#include <QFile>\n"
          "bool ptXmlText::writeFileAtomically(const QString &pFileName, const QByteArray &pData)\n"
          "{\n"
          "    QFile file(pFileName);\n"
          "    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))\n"
          "        return false;\n"
          "    return file.write(pData) == pData.size();\n"),
    Fault("menu-layer-always-visible", "qml/ScreenMenu.qml",
          "    opacity: open ? 1 : 0\n    visible: opacity > 0\n",
          "    opacity: open ? 1 : 0\n"),
    Fault("rows-not-placed-on-scroll", "qml/ScreenRowsPage.qml",
          "    onFirstNearRowChanged: placeContent()\n    onLastNearRowChanged: placeContent()\n",
          ""),
    Fault("popup-never-shrinks", "qml/ScreenPopup.qml",
          "    opacity: shown ? 1 : 0\n",
          "    opacity: shown || winScale > 0.01 ? 1 : 0\n"),
    Fault("popup-wider-than-window", "qml/ScreenPopup.qml",
          "        width: Math.min(Theme.popupWidth, screenPopup.width - 2 * Theme.windowMargin)\n",
          "        width: Theme.popupWidth\n"),
    Fault("item-form-taller-than-window", "qml/ScreenNewItem.qml",
          "        height: Math.min(Theme.titleHeight + 5 + fields.height + fieldsView.anchors.bottomMargin,\n"
          "                         parent.height)\n",
          "        height: Theme.titleHeight + 5 + fields.height + fieldsView.anchors.bottomMargin\n"),
    Fault("footer-label-under-tab", "qml/ScreenFooterBar.qml",
          "        return pButton.label.implicitWidth > pButton.width - 20 - beside ? beside : 20;\n",
          "        return 20;\n"),
    Fault("screen-saver-not-released", "qml/ScreenShop.qml",
          "    Component.onDestruction: ApplicationManager.keepScreenOn(false)\n",
          ""),
    Fault("button-bar-stacking", "qml/ScreenEdit.qml",
          "            z: screenEdit.myItemsShown ? 0 : 1\n",
          ""),
    Fault("failed-start-saves-settings", MANAGER,
          "    if (m_settingsLoaded)\n        saveSettings();\n",
          "    saveSettings();\n"),
    Fault("sighup-unhandled", "src/app/ptSignalQuitter.cpp",
          "{SIGTERM, SIGINT, SIGHUP};",
          "{SIGTERM, SIGINT};"),
    Fault("fffe-let-through", XMLTEXT,
          "if (u == 0xFFFE || u == 0xFFFF)",
          "if (u == 0xFFFF)"),
    Fault("equal-key-row-order", RULES,
          "    return pFirst.item > pSecond.item;\n",
          "    return pFirst.item < pSecond.item;\n"),
    Fault("returning-item-after-equal-keys", LIST,
          "    if (pRow.item >= 0)\n        key.item = std::numeric_limits<int>::max();\n",
          ""),
    Fault("rows-by-category-then-name", RULES,
          "sameCategory ? pFirst.name.compare(pSecond.name) : compareJoined(pFirst, pSecond);",
          "sameCategory ? pFirst.name.compare(pSecond.name) : pFirst.category.compare(pSecond.category);"),
    Fault("rank-per-category", RULES,
          "        if (!underHead) {\n",
          "        if (rank >= 0) {\n"),
    Fault("total-not-reread-after-edit", "src/models/ptListDataModel.h",
          "            if (pField == PriceField || pField == CountField)\n                totalRead = false;\n",
          ""),
    Fault("catalogue-price-key-without-currency", "src/models/ptCategoriesDataModel.cpp",
          '    pEntry.insert(QStringLiteral("price") + pPriceUnit, pPrice);\n',
          '    pEntry.insert(QStringLiteral("price"), pPrice);\n'),
    Fault("negative-row-accepted", LIST,
          "    if (pRow < 0 || pRow >= m_rows.size())\n        return -1;\n",
          "    if (pRow >= m_rows.size())\n        return -1;\n"),
    Fault("selection-count-not-lowered", "src/models/ptCategoriesDataModel.cpp",
          "        entry.insert(StatusKey, StatusUnchecked);\n"
          "        --m_selectedCount;\n",
          "        entry.insert(StatusKey, StatusUnchecked);\n"),
    Fault("compressed-size-unbounded", "src/models/ptListsDataModel.cpp",
          "        if (file.size() > MaxCompressedSize) {\n"
          "            result = false;\n            break;\n        }\n",
          ""),
    Fault("decimal-comma-not-read", RULES,
          "    if (ok)\n        return value;\n"
          "    value = germanLocale.toDouble(pText, &ok);\n",
          ""),
    Fault("list-destructor-not-saving", LIST,
          "ptListDataModel::~ptListDataModel()\n{\n    saveModel();\n}\n",
          "ptListDataModel::~ptListDataModel()\n{\n}\n"),
    Fault("euro-sign-mistyped", "src/tables/ptCurrencyUnitsDataModel.cpp",
          '"EUR", u"\\u20AC" }',
          '"EUR", u"\\u20A0" }'),
    Fault("language-sheet-without-keys", "qml/ScreenLanguages.qml",
          "        chooser.takeKeys();\n",
          ""),
    Fault("scene-text-without-catalogues", "qml/ScreenMain.qml",
          'qsTr("new list")',
          'qsTr("new  list")'),
    Fault("dbus-signal-sent-once", MANAGER,
          "    bus.send(message);\n    bus.send(message);\n",
          "    bus.send(message);\n"),
    Fault("metainfo-not-installed", "CMakeLists.txt",
          "install(FILES data/${PANTRIX_APP_ID}.metainfo.xml"
          " DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)\n",
          ""),
    Fault("lists-row-current-currency", "qml/ScreenMain.qml",
          "CurrencyUnitsDataModel.currencySign(parseInt(band.row.model.price_unit, 10) || 0)",
          "CurrencyUnitsDataModel.currentCurrencySign()"),
    Fault("overview-not-refreshed", "qml/main.qml",
          "            function onListsClicked() {\n"
          "                ApplicationManager.updateListsDataModel();\n",
          "            function onListsClicked() {\n"),
    Fault("validator-no-decimal-comma", "qml/ScreenNumberValidator.qml",
          r'"^(\\d{0,7}([.,]\\d{0,%1})?|',
          r'"^(\\d{0,7}([.]\\d{0,%1})?|'),
    Fault("question-text-clipped", "qml/ScreenQueryDialog.qml",
          "        elide: Text.ElideRight\n",
          "        clip: true\n"),
    Fault("first-run-without-catalogue", MANAGER,
          '                settingsValue(settings, QStringLiteral("currency")));\n    }\n'
          "\n    // Also without a settings file: the first run shows the same texts as\n"
          "    // every later one.\n    loadCatalogue();\n",
          '                settingsValue(settings, QStringLiteral("currency")));\n'
          "        loadCatalogue();\n    }\n\n"),
    Fault("currency-chooser-without-focus", "qml/ScreenNewList.qml",
          "                currencyChooser.takeKeys();\n",
          ""),
    Fault("second-program-allowed", "src/app/ptSingleInstance.cpp",
          "        askRunningProgram();\n        return false;\n",
          "        askRunningProgram();\n        return true;\n"),
    Fault("dashboard-drops-full-screen", MANAGER,
          "m_view->setWindowStates(m_view->windowStates() | Qt::WindowMinimized);",
          "m_view->showMinimized();"),
    Fault("unreadable-list-stops-start", MANAGER,
          "return updateListsDataModel() || QDir(listsPath).exists();",
          "return updateListsDataModel();"),
    Fault("deleted-lists-not-trashed", "src/models/ptTrash.cpp",
          "return (hasTrash() && QFile::moveToTrash(pFileName)) || QFile::remove(pFileName);",
          "return QFile::remove(pFileName);"),
    Fault("escape-stays-in-editing", "qml/ScreenEdit.qml",
          "    back: header.buttonRightClicked\n",
          ""),
    Fault("return-not-ok-in-sheets", "qml/ScreenSheet.qml",
          "    Keys.onReturnPressed: buttons.pressOk()\n",
          ""),
    Fault("spoken-name-untranslated", "qml/ScreenIconZone.qml",
          'case "qrc:/icons/icons/delete-button.png": return qsTr("Delete");',
          'case "qrc:/icons/icons/delete-button.png": return "Delete";'),
    Fault("icon-drawing-changed", "tools/pantrix_icons.cpp",
          "const QRectF back(8, 3, 14, 12);",
          "const QRectF back(8, 3, 13, 12);"),
    Fault("chooser-search-ends-with", "qml/ScreenChooser.qml",
          "rowText(row).toLowerCase().startsWith(wanted)",
          "rowText(row).toLowerCase().endsWith(wanted)"),
    Fault("decimal-comma-stored-as-typed", RULES,
          "    return number.replace(QLatin1Char(','), QLatin1Char('.'));\n",
          "    return number;\n"),
    Fault("number-without-digit-stored", RULES,
          "    if (!std::any_of(pText.cbegin(), pText.cend(), [](QChar c) { return c.isDigit(); }))\n"
          "        return QString();\n",
          ""),
    Fault("trash-gets-last-saved-copy", MANAGER,
          "        m_listDataModel.saveModel();\n}\n\n// A failed load",
          "        return;\n}\n\n// A failed load"),
    Fault("right-to-left-name-right-aligned", "qml/ScreenItemTexts.qml",
          "        height: screenItemTexts.note === \"\" ? parent.height : parent.height / 2\n"
          "        horizontalAlignment: Text.AlignLeft\n",
          "        height: screenItemTexts.note === \"\" ? parent.height : parent.height / 2\n"),
    Fault("name-runs-under-price", "qml/ScreenItemTexts.qml",
          "        anchors.right: screenItemTexts.note === \"\" && priceText.width > amountText.width\n"
          "                       ? priceText.left : amountText.left\n",
          "        anchors.right: amountText.left\n"),
    Fault("total-runs-out-of-tab", "qml/ScreenSummaryTab.qml",
          "        fontSizeMode: Text.HorizontalFit\n",
          ""),
    Fault("row-zones-keep-width-on-phone", "qml/Theme.qml",
          "        return Math.min(zoneWidth, Math.round(pRowWidth / 7));\n",
          "        return zoneWidth;\n"),
    Fault("figures-take-whole-row", "qml/ScreenItemTexts.qml",
          "        y: parent.height / 2\n        height: parent.height / 2\n"
          "        verticalAlignment: Text.AlignVCenter\n        fontSizeMode: Text.HorizontalFit\n",
          "        y: parent.height / 2\n        height: parent.height / 2\n"
          "        verticalAlignment: Text.AlignVCenter\n"),
    Fault("pasted-line-break-kept", "qml/ScreenFormRow.qml",
          "                    text = text.replace(/\\s*[\\r\\n\\u2028\\u2029]+\\s*/g, \" \");\n",
          ""),
    Fault("selection-count-drifts", "src/models/ptCategoriesDataModel.cpp",
          "    if (selected != m_selectedCount) {\n        m_selectedCount = selected;\n",
          "    if (selected != m_selectedCount && false) {\n        m_selectedCount = selected;\n"),
    Fault("russian-item-untranslated", "languages/pantrix_ru.ts",
          "<translation>Элемент</translation>",
          "<translation>Item</translation>"),
    Fault("overview-start-tag-unbounded", "src/models/ptListsDataModel.cpp",
          "QXmlStreamReader xml(pDocument.left(ptXmlText::MaxStartTagSize));",
          "QXmlStreamReader xml(pDocument);"),
    Fault("list-name-uncut", LIST,
          "    QString name = pListName.simplified().left(ptXmlText::MaxTextLength);\n",
          "    QString name = pListName.simplified();\n"),
    Fault("signals-handled-after-lock", "src/app/ptStartup.cpp",
          "    ptSignalQuitter signalQuitter;\n",
          "    if (!ptSingleInstance(QStandardPaths::writableLocation(\n"
          "                QStandardPaths::AppDataLocation)).acquire())\n        return 0;\n"
          "    ptSignalQuitter signalQuitter;\n"),
    Fault("unreadable-list-not-said", MANAGER,
          "    const QString unreadable = m_listsDataModel.rowCount() == 0 && listDocumentExists()\n",
          "    const QString unreadable = false && listDocumentExists()\n"),
    Fault("prefilled-field-not-selected", "qml/ScreenFormRow.qml",
          "                    selectLater.start();\n",
          ""),
    Fault("chooser-without-list-categories", MANAGER,
          "            choices.append(category);\n    }\n    choices.removeDuplicates();\n",
          "            continue;\n    }\n    choices.removeDuplicates();\n"),
    Fault("chooser-highlights-first-row", "qml/ScreenNewItem.qml",
          "            currentIndex = Math.max(0, choices.indexOf(screenNewItem.itemCategoryString));\n",
          "            currentIndex = 0;\n"),
]


def occurrences(tree, fault):
    try:
        with open(os.path.join(tree, fault.path), encoding="utf-8") as f:
            return f.read().count(fault.old)
    except OSError:
        return 0


def run(command, **kwargs):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, **kwargs)


def failed_tests(output):
    # "  3/20 Test  #7: tst_name .....***Failed  1.2 sec", or ***Timeout,
    # ***Exception: SegFault, ***Not Run; a passing test's line says Passed.
    names = []
    for line in output.splitlines():
        m = re.search(r"Test\s+#\d+: (\S+) \.*(.*?)\s+[\d.]+ sec$", line)
        if m and m.group(2).strip() != "Passed":
            names.append(m.group(1))
    return names


def test(build):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    steps = [["-E", "ui_|display", "--stop-on-failure", "--timeout", "300", "-j2"],
             ["-R", "ui_|display", "-j2", "--timeout", "600"]]
    for step in steps:
        result = run(["ctest", "--test-dir", build] + step, env=env)
        failed = failed_tests(result.stdout)
        if failed or result.returncode != 0:
            return failed or ["ctest exit %d" % result.returncode]
    return []


def build_tree(build):
    return run(["flock", "/tmp/pantrix-build.lock", "cmake", "--build", build])


def try_fault(tree, build, fault):
    """Applies the fault, builds and tests; returns what caught it ("" for nothing)."""
    count = occurrences(tree, fault)
    if count != 1:
        return None, "old text found %d times" % count
    path = os.path.join(tree, fault.path)
    with open(path, "rb") as f:
        original = f.read()
    text = original.decode("utf-8")
    try:
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(fault.old, fault.new))
        if build_tree(build).returncode != 0:
            return "build", ""
        return ", ".join(test(build)), ""
    finally:
        with open(path, "wb") as f:
            f.write(original)


def interrupt(*_):
    # SIGTERM ends the run like Ctrl+C, so that the faulty file is restored.
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tree")
    parser.add_argument("faults", nargs="*", help="fault names; all when none given")
    parser.add_argument("--check", action="store_true", help="only check that every fault applies")
    parser.add_argument("--out", help="also write the table to this file")
    args = parser.parse_args()

    tree = os.path.abspath(args.tree)
    unknown = set(args.faults) - {f.name for f in FAULTS}
    if unknown:
        sys.exit("unknown faults: " + ", ".join(sorted(unknown)))
    faults = [f for f in FAULTS if not args.faults or f.name in args.faults]

    if args.check:
        bad = [(f, occurrences(tree, f)) for f in faults]
        bad = [(f, n) for f, n in bad if n != 1]
        for f, n in bad:
            print("%s: old text found %d times in %s" % (f.name, n, f.path))
        print("%d of %d faults apply" % (len(faults) - len(bad), len(faults)))
        sys.exit(1 if bad else 0)

    def git_dir(which):
        return run(["git", "-C", tree, "rev-parse", "--path-format=absolute", which]).stdout
    if git_dir("--git-dir") == git_dir("--git-common-dir"):
        sys.exit(tree + " is not a linked worktree; make one with `git worktree add`")

    signal.signal(signal.SIGTERM, interrupt)

    build = os.path.join(tree, "build-faults")
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        run(["flock", "/tmp/pantrix-build.lock", "cmake", "-S", tree, "-B", build, "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPANTRIX_WERROR=OFF"], check=True)
    if build_tree(build).returncode != 0:
        sys.exit("the unchanged tree does not build")

    lines = []
    caught = missed = 0
    start = time.monotonic()

    def emit(line):
        print(line, flush=True)
        lines.append(line)
        if args.out:
            with open(args.out, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")

    emit("| fault | file | caught by |")
    emit("|---|---|---|")
    for fault in faults:
        by, problem = try_fault(tree, build, fault)
        if by is None:
            emit("| %s | %s | NOT APPLIED: %s |" % (fault.name, fault.path, problem))
            continue
        caught += bool(by)
        missed += not by
        emit("| %s | %s | %s |" % (fault.name, fault.path, by or "**MISSED**"))
    emit("\nCaught %d, missed %d (%.0f min)" % (caught, missed, (time.monotonic() - start) / 60))


if __name__ == "__main__":
    main()
