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
CATALOGUE = "src/models/ptCategoriesDataModel.cpp"
DOCUMENT = "src/models/ptListDocument.cpp"
MANAGER = "src/app/ptApplicationManager.cpp"
XMLTEXT = "src/models/ptXmlText.cpp"
RULES = "src/models/ptItemRules.cpp"
MERGE = "src/models/ptListMerge.cpp"
SYNC = "src/app/ptListSync.cpp"
UNDO = "src/app/ptUndoCommand.cpp"
TEXT = "src/models/ptListText.cpp"
SCREENS = "qml/screens/"
SHEETS = "qml/sheets/"
PARTS = "qml/components/"

FAULTS = [
    # Undo, the list as text, My Items kept and suggested, the first run
    Fault("undo-restores-after", UNDO,
          "        m_list->restore(*m_listBefore);",
          "        m_list->restore(*m_listAfter);"),
    Fault("undone-list-not-written", LIST,
          "    setContent(std::move(pContent));\n    changed();\n}",
          "    setContent(std::move(pContent));\n}"),
    Fault("offer-outlives-change", MANAGER,
          "    connect(&m_undoStack, &QUndoStack::indexChanged, this, [this] { setUndoOffer(QString()); });\n",
          ""),
    Fault("history-kept-after-other-version", LIST,
          "        setStored(stored);\n        emit otherVersionTaken();\n        return true;\n    }",
          "        setStored(stored);\n        return true;\n    }"),
    Fault("trashed-list-not-restored", UNDO,
          "        ptTrash::restore(it->trashPath, it->path);",
          "        (void)it;"),
    Fault("pasted-duplicates-kept", MANAGER,
          "        if (names.contains(name))\n            continue;\n",
          ""),
    Fault("heading-read-as-item", TEXT,
          "    return pLine.endsWith(QLatin1Char(':')) && !pLine.startsWith(OpenBullet)",
          "    return pLine.endsWith(QLatin1Char(';')) && !pLine.startsWith(OpenBullet)"),
    Fault("unit-lost-in-text", TEXT,
          "        const QString unit = pWords.units.value(pItem.value(Record::CountUnitField).toInt());",
          "        const QString unit = pWords.units.value(0);"),
    Fault("damaged-catalogue-not-kept-aside", CATALOGUE,
          "        if (!QFile::rename(m_fileName, aside))\n            m_fileName.clear();\n",
          ""),
    Fault("my-items-written-only-at-exit", MANAGER,
          "    connect(&m_categoriesDataModel, &ptCategoriesDataModel::entriesChanged, &m_myItemsWriteTimer,\n"
          "            qOverload<>(&QTimer::start));\n",
          ""),
    Fault("suggestions-containing-first", CATALOGUE,
          "    for (const int i : starting + containing) {",
          "    for (const int i : containing + starting) {"),
    Fault("first-run-ignores-locale", MANAGER,
          "    } else {\n        applySystemLocale();\n    }",
          "    }"),
    Fault("locale-overrides-settings", MANAGER,
          "    } else {\n        applySystemLocale();\n    }",
          "    }\n    applySystemLocale();"),
    Fault("paste-without-preview", SCREENS + "ScreenListShell.qml",
          "        onActivated: screenListShell.state = \"paste\"",
          "        onActivated: ApplicationManager.pasteItems()"),
    Fault("suggestion-fills-nothing", SHEETS + "ScreenNewItem.qml",
          "                            screenNewItem.fill(modelData);\n",
          ""),
    Fault("undo-bar-over-sheets", SCREENS + "ScreenBase.qml",
          "        free: screenBase.state === \"\"",
          "        free: true"),
    Fault("undo-key-missing", SCREENS + "ScreenBase.qml",
          "        onActivated: ApplicationManager.undo()",
          "        onActivated: {}"),
    # Writing early and following the file
    Fault("write-deadline-missed", SYNC,
          "    m_writeTimer.start(qBound(0, left, WriteDelay));",
          "    m_writeTimer.start(WriteDelay + 0 * left);"),
    Fault("no-write-when-hidden", MANAGER,
          "                             if (!pVisible)\n"
          "                                 writeNow();",
          "                             (void)pVisible;"),
    Fault("watch-not-renewed-after-rename", SYNC,
          "void ptListSync::onFilesSettled()\n{\n    renewWatch();\n",
          "void ptListSync::onFilesSettled()\n{\n"),
    Fault("own-save-taken-for-another", LIST,
          "        return false;\n    setStored(stored);\n    return true;",
          "        return false;\n    m_modified = false;\n    return true;"),
    Fault("in-place-writer-overwritten", SYNC,
          "        if (m_waitingForWriter.elapsed() < WriterPatience) {",
          "        if (m_waitingForWriter.elapsed() < 0) {"),
    Fault("unreadable-file-overwritten", SYNC,
          "    if (m_list->isFileUnreadable())\n        ptTrash::moveToTrash(m_list->listFileName());\n",
          ""),
    Fault("merge-base-not-moved", LIST,
          "    setContent(ptListMerge::merge(&base, content(), theirs));\n    setStored(stored);",
          "    setContent(ptListMerge::merge(&base, content(), theirs));\n    m_modified = false;"),
    Fault("merge-drops-their-addition", MERGE,
          "        const ptItemRecord *baseItem = baseItems.at(key, theirs.at(i));\n"
          "        if (!baseItem || !(item == *baseItem))",
          "        const ptItemRecord *baseItem = baseItems.at(key, theirs.at(i));\n"
          "        if (baseItem && !(item == *baseItem))"),
    Fault("merge-ignores-their-change", MERGE,
          "merged.setValue(key, pTheirs.value(key));",
          "merged.setValue(key, pMine.value(key));"),
    Fault("merge-keeps-what-they-deleted", MERGE,
          "            if (!baseItem || !(item == *baseItem))\n                merged.items.append(item);",
          "            merged.items.append(item);"),
    Fault("conflict-copy-left-behind", MANAGER,
          "            ptTrash::discard(copyPath);",
          "            (void)copyPath;"),
    # The models and the list document
    Fault("prune-header-off-by-one", LIST,
          "for (int row = header + 1; row < m_rows.size(); ++row) {",
          "for (int row = header + 1; row < m_rows.size() - 1; ++row) {"),
    Fault("cart-sum-sign", LIST,
          "cartSum += item.total;",
          "cartSum -= item.total;"),
    Fault("root-attribute-order", DOCUMENT,
          '    xml.writeAttribute(QStringLiteral("items_list"), pItemsList);\n'
          '    xml.writeAttribute(QStringLiteral("price_list"), pPriceList);\n',
          '    xml.writeAttribute(QStringLiteral("price_list"), pPriceList);\n'
          '    xml.writeAttribute(QStringLiteral("items_list"), pItemsList);\n'),
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
    Fault('total-not-reread-after-edit', "src/models/ptItemRecord.h",
          '        if (pField == PriceField || pField == CountField)\n            totalRead = false;\n',
          ''),
    Fault("catalogue-price-key-without-currency", CATALOGUE,
          '    pEntry.insert(QStringLiteral("price") + pPriceUnit, pPrice);\n',
          '    pEntry.insert(QStringLiteral("price"), pPrice);\n'),
    Fault("negative-row-accepted", LIST,
          "    if (pRow < 0 || pRow >= m_rows.size())\n        return -1;\n",
          "    if (pRow >= m_rows.size())\n        return -1;\n"),
    Fault("selection-count-not-lowered", CATALOGUE,
          "        entry.insert(StatusKey, StatusUnchecked);\n"
          "        --m_selectedCount;\n",
          "        entry.insert(StatusKey, StatusUnchecked);\n"),
    Fault("selection-count-drifts", CATALOGUE,
          "    if (selected != m_selectedCount) {\n        m_selectedCount = selected;\n",
          "    if (selected != m_selectedCount && false) {\n        m_selectedCount = selected;\n"),
    Fault("compressed-size-unbounded", DOCUMENT,
          "file.size() > MaxCompressedSize ? QByteArray()",
          "false ? QByteArray()"),
    Fault("overview-start-tag-unbounded", DOCUMENT,
          "    Reader reader(pXml.left(MaxStartTagSize));\n",
          "    Reader reader(pXml);\n"),
    Fault("list-name-uncut", LIST,
          "    QString name = pListName.simplified().left(ptListDocument::MaxTextLength);\n",
          "    QString name = pListName.simplified();\n"),
    Fault("decimal-comma-not-read", RULES,
          "    if (ok)\n        return value;\n"
          "    value = germanLocale.toDouble(pText, &ok);\n",
          ""),
    Fault("decimal-comma-stored-as-typed", RULES,
          "    return number.replace(QLatin1Char(','), QLatin1Char('.'));\n",
          "    return number;\n"),
    Fault("number-without-digit-stored", RULES,
          "    if (!std::any_of(pText.cbegin(), pText.cend(), [](QChar c) { return c.isDigit(); }))\n"
          "        return QString();\n",
          ""),
    Fault("list-destructor-not-saving", LIST,
          "ptListDataModel::~ptListDataModel()\n{\n    saveModel();\n}\n",
          "ptListDataModel::~ptListDataModel()\n{\n}\n"),
    Fault("figures-stale-after-add", LIST,
          "        insertRow({item, QString()});\n    }\n    updateCountPrice();\n",
          "        insertRow({item, QString()});\n    }\n"),
    Fault("checkout-not-requested", LIST,
          "        emit checkoutRequested();\n",
          ""),
    Fault("view-figures-not-announced", LIST,
          "    emit isDisplayListChanged();\n    emit numberOfItemsChanged();\n",
          "    emit isDisplayListChanged();\n"),
    Fault('list-currency-not-announced', LIST,
          '    emit listCurrencyChanged();\n    changed();\n    return true;\n}\n\n// A list',
          '    changed();\n    return true;\n}\n\n// A list'),
    Fault("selection-not-announced", CATALOGUE,
          "    emit selectedCountChanged();\n    const QModelIndex changed",
          "    const QModelIndex changed"),
    Fault("euro-sign-mistyped", "src/tables/ptCurrencyUnitsDataModel.cpp",
          '"EUR", u"\\u20AC" }',
          '"EUR", u"\\u20A0" }'),
    # The controller and the program
    Fault("amount-units-not-retranslated", MANAGER,
          "    m_amountUnitsDataModel.retranslate();\n",
          ""),
    Fault("failed-start-saves-settings", MANAGER,
          "    if (m_settingsLoaded)\n        saveSettings();\n",
          "    saveSettings();\n"),
    Fault("first-run-without-catalogue", MANAGER,
          "    } else {\n        applySystemLocale();\n    }\n"
          "    // Also without a settings file: the first run shows the same texts as\n"
          "    // every later one.\n    loadCatalogue();\n",
          "        loadCatalogue();\n    } else {\n        applySystemLocale();\n    }\n"),
    Fault("dbus-signal-sent-once", MANAGER,
          "    bus.send(message);\n    bus.send(message);\n",
          "    bus.send(message);\n"),
    Fault("dashboard-drops-full-screen", MANAGER,
          "m_view->setWindowStates(m_view->windowStates() | Qt::WindowMinimized);",
          "m_view->showMinimized();"),
    Fault("unreadable-list-stops-start", MANAGER,
          "return updateListsDataModel() || QDir(listsPath).exists();",
          "return updateListsDataModel();"),
    Fault("unreadable-list-not-said", MANAGER,
          "    const QString unreadable = m_listsDataModel.rowCount() == 0 && listDocumentExists()\n",
          "    const QString unreadable = false && listDocumentExists()\n"),
    Fault('trash-gets-last-saved-copy', MANAGER,
          '        m_listSync.writeNow();\n}\n\n// What another program',
          '        return;\n}\n\n// What another program'),
    Fault("chooser-without-list-categories", MANAGER,
          "            choices.append(category);\n    }\n    choices.removeDuplicates();\n",
          "            continue;\n    }\n    choices.removeDuplicates();\n"),
    Fault("screen-saver-not-released", MANAGER,
          "    m_screenSaverInhibitor.setInhibited(pScreen == ShoppingScreen);\n",
          "    if (pScreen == ShoppingScreen)\n        m_screenSaverInhibitor.setInhibited(true);\n"),
    Fault('closing-does-not-save', MANAGER,
          'void ptApplicationManager::closeList()\n{\n    m_listSync.writeNow();\n',
          'void ptApplicationManager::closeList()\n{\n'),
    Fault('overview-not-refreshed', MANAGER,
          '    m_listSync.writeNow();\n    clearHistory();\n    updateListsDataModel();\n',
          '    m_listSync.writeNow();\n    clearHistory();\n'),
    Fault("editing-keeps-cart-view", MANAGER,
          "        m_listDataModel.displayList(true);\n",
          ""),
    Fault("last-category-kept-across-screens", MANAGER,
          "        m_lastCategory.clear();\n",
          ""),
    Fault("my-items-change-goes-to-list", MANAGER,
          "updateItem(pPage == ListPage ? 0 : 1, pRow,",
          "updateItem(0, pRow,"),
    Fault("dialog-priced-in-current-currency", MANAGER,
          '{QStringLiteral("priceUnit"), m_listDataModel.listCurrency()}',
          '{QStringLiteral("priceUnit"), m_currencyUnitsDataModel.currentCurrencyIndex()}'),
    Fault("retranslation-not-wired", "src/app/ptStartup.cpp",
          "    QObject::connect(pManager, &ptApplicationManager::languageChanged, pView->engine(),\n"
          "                     &QQmlEngine::retranslate);\n",
          ""),
    Fault("second-start-leaves-window-minimised", "src/app/ptStartup.cpp",
          "            view.showFullScreen();\n            view.raise();\n",
          "            view.raise();\n"),
    Fault("sighup-unhandled", "src/app/ptSignalQuitter.cpp",
          "{SIGTERM, SIGINT, SIGHUP};",
          "{SIGTERM, SIGINT};"),
    Fault("signals-handled-after-lock", "src/app/ptStartup.cpp",
          "    ptSignalQuitter signalQuitter;\n",
          "    if (!ptSingleInstance(QStandardPaths::writableLocation(\n"
          "                QStandardPaths::AppDataLocation)).acquire())\n        return 0;\n"
          "    ptSignalQuitter signalQuitter;\n"),
    Fault("second-program-allowed", "src/app/ptSingleInstance.cpp",
          "        askRunningProgram();\n        return false;\n",
          "        askRunningProgram();\n        return true;\n"),
    Fault("deleted-lists-not-trashed", "src/models/ptTrash.cpp",
          "return (hasTrash() && QFile::moveToTrash(pFileName)) || QFile::remove(pFileName);",
          "return QFile::remove(pFileName);"),
    Fault("russian-item-untranslated", "languages/pantrix_ru.ts",
          "<translation>Элемент</translation>",
          "<translation>Item</translation>"),
    Fault("metainfo-not-installed", "CMakeLists.txt",
          "install(FILES data/${PANTRIX_APP_ID}.metainfo.xml"
          " DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)\n",
          ""),
    Fault("icon-drawing-changed", "tools/pantrix_icons.cpp",
          "const QRectF back(8, 3, 14, 12);",
          "const QRectF back(8, 3, 13, 12);"),
    # Keys and screen readers
    Fault("pressable-off-the-focus-chain", PARTS + "ScreenPressable.qml",
          "    activeFocusOnTab: visible\n",
          ""),
    Fault("unit-button-skipped-by-tab", PARTS + "ScreenFieldEnd.qml",
          "    activeFocusOnTab: button && visible\n",
          ""),
    Fault("focus-ring-never-drawn", PARTS + "ScreenFocusRing.qml",
          "    visible: shown && ApplicationManager.keyboardInUse && control.activeFocus\n",
          "    visible: false\n"),
    Fault("key-use-not-noticed", MANAGER,
          "    case QEvent::KeyPress:\n        keys = true;\n        break;\n",
          ""),
    Fault("tick-skips-the-next-row", PARTS + "ScreenRowsPage.qml",
          "        currentRow = Math.min(currentRow, repeater.count) - 1;\n",
          "        currentRow = Math.min(currentRow, repeater.count);\n"),
    Fault("current-row-not-scrolled-into-view", PARTS + "ScreenRowsPage.qml",
          "        currentRow = row;\n        showRow(row);\n",
          "        currentRow = row;\n"),
    Fault("rows-lose-keys-after-a-sheet", SCREENS + "ScreenBase.qml",
          "        ((rows as ScreenRowsPage)?.currentRow >= 0 ? rows : screenBase).forceActiveFocus();\n",
          "        screenBase.forceActiveFocus();\n"),
    Fault("menu-ignores-down", PARTS + "ScreenMenu.qml",
          "    Keys.onDownPressed: moveFocus(true)\n",
          ""),
    Fault("new-key-missing-on-lists", SCREENS + "ScreenMain.qml",
          "        sequences: [StandardKey.New]\n",
          "        sequences: [StandardKey.Open]\n"),
    Fault("cart-key-missing", SCREENS + "ScreenShop.qml",
          '        sequence: "Ctrl+Tab"\n',
          '        sequence: "Ctrl+Shift+F12"\n'),
    Fault("rows-unnamed", PARTS + "ScreenItemRow.qml",
          '    Accessible.name: ((middle.children[0] as ScreenItemTexts)?.spoken ?? "")\n',
          "    Accessible.name: spokenState\n"),
    Fault("tick-state-unspoken", PARTS + "ScreenRowsPage.qml",
          '(row.model.item_status === "checked" ? qsTr("ticked") : qsTr("not ticked"))',
          '""'),
    Fault("question-not-read", SHEETS + "ScreenQueryDialog.qml",
          "    Accessible.name: queryString\n",
          ""),
    # The scenes
    Fault("menu-layer-always-visible", PARTS + "ScreenMenu.qml",
          "    opacity: shown ? 1 : 0\n    visible: opacity > 0\n",
          "    opacity: shown ? 1 : 0\n"),
    Fault("rows-not-placed-on-scroll", PARTS + "ScreenRowsPage.qml",
          "    onFirstNearRowChanged: placeContent()\n    onLastNearRowChanged: placeContent()\n",
          ""),
    Fault("popup-never-shrinks", SHEETS + "ScreenPopup.qml",
          "    opacity: shown ? 1 : 0\n",
          "    opacity: shown || winScale > 0.01 ? 1 : 0\n"),
    Fault("popup-wider-than-window", SHEETS + "ScreenPopup.qml",
          "        width: Math.min(Theme.popupWidth, screenPopup.width - 2 * Theme.windowMargin)\n",
          "        width: Theme.popupWidth\n"),
    Fault("item-form-taller-than-window", SHEETS + "ScreenNewItem.qml",
          "                          + fieldsView.anchors.bottomMargin, parent.height)\n",
          "                          + fieldsView.anchors.bottomMargin, 1000)\n"),
    Fault("footer-label-under-tab", PARTS + "ScreenFooterBar.qml",
          "        return pButton.label.implicitWidth > pButton.width - Theme.radius - beside ? beside\n",
          "        return false ? beside\n"),
    Fault("button-bar-stacking", SCREENS + "ScreenEdit.qml",
          "            z: screenEdit.myItemsShown ? 0 : 1\n",
          ""),
    Fault("edit-question-no-deletes-items", SCREENS + "ScreenEdit.qml",
          "            ApplicationManager.deleteCategory(page, questionRow, pYes);\n",
          "            ApplicationManager.deleteCategory(page, questionRow, true);\n"),
    Fault("edit-question-cancel-acts", SCREENS + "ScreenEdit.qml",
          '        onCancelClicked: screenEdit.state = ""\n        onOkClicked:',
          "        onCancelClicked: screenEdit.deleteAnswered(false)\n        onOkClicked:"),
    Fault("uncategorised-question-offers-no", SCREENS + "ScreenEdit.qml",
          "question.buttonNoOpacity = questionOnCategory && pCategory !== \"\\uF000\" ? 1 : 0;",
          "question.buttonNoOpacity = questionOnCategory ? 1 : 0;"),
    Fault("escape-stays-in-editing", SCREENS + "ScreenListShell.qml",
          "    back: header.buttonRightClicked\n",
          ""),
    Fault("scene-text-without-catalogues", SCREENS + "ScreenMain.qml",
          'qsTr("new list")',
          'qsTr("new  list")'),
    Fault("lists-row-current-currency", SCREENS + "ScreenMain.qml",
          "CurrencyUnitsDataModel.currencySign(\n"
          "                                         parseInt(band.row.model.price_unit, 10) || 0)",
          "CurrencyUnitsDataModel.currentCurrencySign()"),
    Fault("chooser-layer-without-keys", SHEETS + "ScreenChooserLayer.qml",
          "        chooser.takeKeys();\n",
          ""),
    Fault("language-sheet-opens-on-first-row", SHEETS + "ScreenLanguages.qml",
          "    onOpening: currentIndex = LanguagesDataModel.currentLanguageIndex()",
          "    onOpening: currentIndex = 0"),
    Fault("currency-chooser-without-focus", SHEETS + "ScreenNewList.qml",
          "        currencyChooser.takeKeys();\n",
          ""),
    Fault("currency-chooser-opens-on-first-row", SHEETS + "ScreenNewList.qml",
          "        currencyChooser.currentIndex = listCurrencyUnitIndex;\n",
          "        currencyChooser.currentIndex = 0;\n"),
    Fault("chooser-highlights-first-row", SHEETS + "ScreenNewItem.qml",
          "            currentIndex = Math.max(0, choices.indexOf(screenNewItem.itemCategoryString));\n",
          "            currentIndex = 0;\n"),
    Fault("price-takes-three-decimals", SHEETS + "ScreenNewItem.qml",
          "                    decimals: 2\n",
          "                    decimals: 3\n"),
    Fault("question-text-clipped", SHEETS + "ScreenQueryDialog.qml",
          "        wrapMode: Text.Wrap\n        font.pixelSize: Theme.fontText\n",
          "        wrapMode: Text.Wrap\n        elide: Text.ElideNone\n        clip: true\n"
          "        font.pixelSize: Theme.fontText\n"),
    Fault("return-not-ok-in-sheets", SHEETS + "ScreenSheet.qml",
          "    Keys.onReturnPressed: buttons.pressOk()\n",
          ""),
    Fault("chooser-search-ends-with", SHEETS + "ScreenChooser.qml",
          "rowText(row).toLowerCase().startsWith(wanted)",
          "rowText(row).toLowerCase().endsWith(wanted)"),
    Fault("spoken-name-untranslated", PARTS + "ScreenIconZone.qml",
          'case "qrc:/icons/icons/delete-button.png": return qsTr("Delete");',
          'case "qrc:/icons/icons/delete-button.png": return "Delete";'),
    Fault("validator-no-decimal-comma", PARTS + "ScreenFormRow.qml",
          r'"^(\\d{0,7}([.,]\\d{0,%1})?|',
          r'"^(\\d{0,7}([.]\\d{0,%1})?|'),
    Fault("text-length-unbounded", PARTS + "ScreenFormRow.qml",
          "                maximumLength: Theme.maxTextLength\n",
          ""),
    Fault("pasted-line-break-kept", PARTS + "ScreenFormRow.qml",
          "                    text = text.replace(/\\s*[\\r\\n\\u2028\\u2029]+\\s*/g, \" \");\n",
          ""),
    Fault("prefilled-field-not-selected", PARTS + "ScreenFormRow.qml",
          "                    selectLater.start();\n",
          ""),
    Fault("right-to-left-name-right-aligned", PARTS + "ScreenItemTexts.qml",
          "        height: screenItemTexts.note === \"\" ? parent.height : parent.height / 2\n"
          "        horizontalAlignment: Text.AlignLeft\n",
          "        height: screenItemTexts.note === \"\" ? parent.height : parent.height / 2\n"
          "        horizontalAlignment: Text.AlignHCenter\n"),
    Fault("name-runs-under-price", PARTS + "ScreenItemTexts.qml",
          "        anchors.right: screenItemTexts.note === \"\" && priceText.width > amountText.width\n"
          "                       ? priceText.left : amountText.left\n",
          "        anchors.right: amountText.left\n"),
    Fault("figures-take-whole-row", PARTS + "ScreenFigure.qml",
          "    width: Math.min(implicitWidth, parent.width / 2)\n",
          ""),
    Fault("total-runs-out-of-tab", PARTS + "ScreenSummaryTab.qml",
          "        fontSizeMode: Text.HorizontalFit\n",
          ""),
    Fault("row-zones-keep-width-on-phone", PARTS + "Theme.qml",
          "        return Math.min(zoneWidth, Math.round(pRowWidth / 7));\n",
          "        return zoneWidth;\n"),
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
    steps = [["-E", "tst_ui|display", "--stop-on-failure", "--timeout", "300", "-j2"],
             ["-R", "tst_ui|display", "-j2", "--timeout", "600"]]
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
