// Turns its input into a short sequence of operations on the list model and
// the catalogue, with rows in and out of range, header rows, both sorts and
// both views. Before every rebuild of the list's rows and at the end, the rows
// must be what the list's records call for (in key order, a header before the
// items of its category) and what the announced row changes, replayed on a
// mirror, give; at the end a rebuild of the catalogue must change nothing.
// Everything stays in memory and small: no file is read or written, and an
// input runs at most twenty operations on a few dozen rows.
#include <QCoreApplication>

#include <algorithm>
#include <climits>

#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"

// A row: the values of the roles up to the list's item_type. The list's are
// name, category, price, price unit, amount, amount unit, note, status, type;
// the catalogue's name, category, price, amount, amount unit, note, status,
// type and nothing.
using Row = QStringList;

static void check(bool pCondition)
{
    if (!pCondition)
        __builtin_trap();
}

static QList<Row> readRows(const QAbstractItemModel &pModel, int pFirst = 0, int pLast = INT_MAX)
{
    QList<Row> rows;
    for (int row = pFirst; row <= pLast && row < pModel.rowCount(); ++row) {
        rows.append(Row());
        for (int role = Qt::UserRole + 1; role <= Qt::UserRole + 9; ++role)
            rows.last().append(pModel.data(pModel.index(row, 0), role).toString());
    }
    return rows;
}

// The list's rows against its records and against what a view that follows
// only the notifications has: the shown records and one header per category
// among them, in key order; rows of an equal key in any order, but a header
// before items.
static void checkList(ptListDataModel &pList, const QList<Row> &pMirror)
{
    QList<Row> rows = readRows(pList);
    check(pMirror == rows);
    const bool byCategory = pList.isSortByCategory();
    // A header's name is empty.
    const auto key = [byCategory](const Row &pRow) {
        return byCategory ? pRow.at(1) + QLatin1Char(':') + pRow.at(0) : pRow.at(0);
    };
    for (int i = 1; i < rows.size(); ++i) {
        const int order = key(rows.at(i - 1)).compare(key(rows.at(i)));
        check(order < 0 || (order == 0 && rows.at(i).at(8) == QLatin1String("item")));
    }

    QList<Row> expected;
    QStringList headers;
    for (const QHash<QString, QString> &item : pList.items(pList.isDisplayList())) {
        Row row;
        for (const char *key :
             {"name", "category", "price", "", "count", "count_unit", "note", "status"})
            row.append(item.value(key));
        expected.append(row << QStringLiteral("item"));
        if (byCategory && !headers.contains(row.at(1))) {
            headers.append(row.at(1));
            expected.append({"", row.at(1), "", "", "", "item", "", "", "category"});
        }
    }
    std::sort(rows.begin(), rows.end());
    std::sort(expected.begin(), expected.end());
    check(rows == expected);
    check(pList.needsCheckout() == (pList.isDisplayList() && rows.isEmpty()));
}

// Few values, so that equal keys, duplicates and items coming back from the
// cart are frequent; ":" makes item keys equal to header keys.
const QStringList names = {"Milk", "milk", " Bread ", ":", ""};
const QStringList categories = {"", "Dairy", "dairy", "A", "A:", "Uncategorised", "\uF000"};
const QStringList prices = {"", "1.5", "2,5"};
const QStringList notes = {"", " n "};
const QStringList codes = {"EUR", "USD"};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz_operations"), nullptr};
    static QCoreApplication application(argc, argv);

    // No list document is opened, so nothing is read or written. The mirror
    // outlives the list, which may still announce changes as it goes.
    QList<Row> mirror;
    ptListDataModel list;
    ptCategoriesDataModel catalogue;
    QObject::connect(&list, &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex &, int pFirst, int pLast) {
                         for (const Row &row : readRows(list, pFirst, pLast))
                             mirror.insert(pFirst++, row);
                     });
    QObject::connect(&list, &QAbstractItemModel::rowsRemoved,
                     [&](const QModelIndex &, int pFirst, int pLast) {
                         mirror.remove(pFirst, pLast - pFirst + 1);
                     });
    QObject::connect(&list, &QAbstractItemModel::modelReset, [&] { mirror = readRows(list); });

    size_t position = 0;
    const auto next = [&] { return position < pSize ? pData[position++] : 0; };
    const auto pick
            = [&](const QStringList &pChoices) { return pChoices.at(next() % pChoices.size()); };
    // Twenty operations are enough to build every kind of row and take it apart.
    for (int step = 0; step < 20 && position < pSize; ++step) {
        const int operation = next() % 14;
        const int row = next(); // rows out of range too
        const int listRow = row % (list.rowCount() + 4) - 2;
        const int entryRow = row % (catalogue.rowCount() + 4) - 2;
        const bool flag = next() % 2;
        // Before the rows are rebuilt, since a rebuild hides what went wrong.
        if (operation == 2 || operation == 4 || operation == 5 || operation == 13)
            checkList(list, mirror);
        switch (operation) {
        case 0:
        case 1:
            list.addItem(pick(names), pick(categories), pick(prices), pick(prices), next() % 3,
                         pick(notes));
            break;
        case 2:
            list.updateItem(listRow, pick(names), pick(categories), pick(prices), pick(prices),
                            next() % 3, pick(notes));
            break;
        case 3:
            flag ? list.toggleItem(listRow) : void(list.deleteItem(listRow));
            break;
        case 4:
            list.deleteCategory(listRow, flag);
            break;
        case 5:
            // The sort or the view.
            if (next() % 2)
                flag ? list.sortByCategory(true) : list.sortByProduct(true);
            else
                flag ? list.displayList(true) : list.displayCart(true);
            break;
        case 6:
            list.addItems(catalogue.selectedItems(), pick(codes));
            break;
        case 7:
            list.updateCountPrice();
            check(list.listItemsAmount() == QString::number(list.items(true).size())
                  && list.cartItemsAmount() == QString::number(list.items(false).size()));
            break;
        case 8:
            catalogue.addItem(pick(names), pick(categories), pick(prices), pick(codes),
                              pick(prices), next() % 3, pick(notes));
            break;
        case 9:
            flag ? catalogue.toggleItem(entryRow) : void(catalogue.deleteItem(entryRow));
            break;
        case 10:
            catalogue.clearSelection();
            check(catalogue.selectedCount() == 0 && catalogue.selectedItems().isEmpty());
            break;
        case 11:
            catalogue.deleteCategory(entryRow, flag);
            break;
        case 12:
            flag ? catalogue.sortByCategory(true) : catalogue.sortByProduct(true);
            break;
        default:
            list.checkout();
            break;
        }
    }
    checkList(list, mirror);
    // The catalogue rebuilds its rows after every change; a rebuild must change nothing.
    const QList<Row> entries = readRows(catalogue);
    const int selected = catalogue.selectedCount();
    catalogue.updateModel();
    check(readRows(catalogue) == entries && catalogue.selectedCount() == selected);
    return 0;
}
