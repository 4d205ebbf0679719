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

#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"

namespace {

// A row: the values of the roles up to the list's item_type. The list's are
// name, category, price, price unit, amount, amount unit, note, status, type;
// the catalogue's name, category, price, amount, amount unit, note, status,
// type and nothing.
using Row = QStringList;

void check(bool pCondition)
{
    if (!pCondition)
        __builtin_trap();
}

Row readRow(const QAbstractItemModel &pModel, int pRow)
{
    Row row;
    row.reserve(9);
    const QModelIndex index = pModel.index(pRow, 0);
    for (int role = Qt::UserRole + 1; role <= Qt::UserRole + 9; ++role)
        row.append(pModel.data(index, role).toString());
    return row;
}

QList<Row> readRows(const QAbstractItemModel &pModel)
{
    QList<Row> rows;
    for (int row = 0; row < pModel.rowCount(); ++row)
        rows.append(readRow(pModel, row));
    return rows;
}

// The rows as a view that follows only the notifications has them.
class RowMirror : public QObject
{
public:
    explicit RowMirror(QAbstractItemModel *pModel)
    {
        connect(pModel, &QAbstractItemModel::rowsInserted, this,
                [this, pModel](const QModelIndex &, int pFirst, int pLast) {
                    for (int row = pFirst; row <= pLast; ++row)
                        rows.insert(row, readRow(*pModel, row));
                });
        connect(pModel, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int pFirst, int pLast) {
                    rows.remove(pFirst, pLast - pFirst + 1);
                });
        connect(pModel, &QAbstractItemModel::modelReset, this,
                [this, pModel]() { rows = readRows(*pModel); });
    }

    QList<Row> rows;
};

// The list's rows against its records: the shown records and one header per
// category among them, in key order; rows of an equal key in any order, but a
// header before items.
void checkList(ptListDataModel &pList, const RowMirror &pMirror)
{
    QList<Row> rows = readRows(pList);
    check(pMirror.rows == rows);
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

// The catalogue rebuilds its rows after every change; a rebuild must change nothing.
void checkCatalogue(ptCategoriesDataModel &pCatalogue)
{
    const QList<Row> rows = readRows(pCatalogue);
    const int selected = pCatalogue.selectedCount();
    pCatalogue.updateModel();
    check(readRows(pCatalogue) == rows && pCatalogue.selectedCount() == selected);
}

struct Input
{
    const uint8_t *data;
    size_t size;
    size_t position = 0;

    int next() { return position < size ? data[position++] : 0; }
    QString pick(const QStringList &pChoices) { return pChoices.at(next() % pChoices.size()); }
};

// Few values, so that equal keys, duplicates and items coming back from the
// cart are frequent; ":" makes item keys equal to header keys.
const QStringList names = {"Milk", "milk", " Bread ", ":", ""};
const QStringList categories = {"", "Dairy", "dairy", "A", "A:", "Uncategorised", "\uF000"};
const QStringList prices = {"", "1.5", "2,5"};
const QStringList notes = {"", " n "};
const QStringList codes = {"EUR", "USD"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz_operations"), nullptr};
    static QCoreApplication application(argc, argv);

    // No list document is opened, so nothing is read or written.
    ptListDataModel list;
    ptCategoriesDataModel catalogue;
    RowMirror listMirror(&list);

    Input in {pData, pSize};
    // Twenty operations are enough to build every kind of row and take it apart.
    for (int step = 0; step < 20 && in.position < in.size; ++step) {
        const int operation = in.next() % 17;
        const int row = in.next(); // rows out of range too
        const int listRow = row % (list.rowCount() + 4) - 2;
        const int entryRow = row % (catalogue.rowCount() + 4) - 2;
        const bool flag = in.next() % 2;
        // Before the rows are rebuilt, since a rebuild hides what went wrong.
        if (operation == 2 || (operation >= 5 && operation <= 7) || operation == 16)
            checkList(list, listMirror);
        switch (operation) {
        case 0:
        case 1:
            list.addItem(in.pick(names), in.pick(categories), in.pick(prices), in.pick(prices),
                         in.next() % 3, in.pick(notes));
            break;
        case 2:
            list.updateItem(listRow, in.pick(names), in.pick(categories), in.pick(prices),
                            in.pick(prices), in.next() % 3, in.pick(notes));
            break;
        case 3:
            list.deleteItem(listRow);
            break;
        case 4:
            list.toggleItem(listRow);
            break;
        case 5:
            list.deleteCategory(listRow, flag);
            break;
        case 6:
            flag ? list.sortByCategory(true) : list.sortByProduct(true);
            break;
        case 7:
            flag ? list.displayList(true) : list.displayCart(true);
            break;
        case 8:
            list.addItems(catalogue.selectedItems(), in.pick(codes));
            break;
        case 9:
            list.updateCountPrice();
            check(list.listItemsAmount() == QString::number(list.items(true).size())
                  && list.cartItemsAmount() == QString::number(list.items(false).size()));
            break;
        case 10:
            catalogue.addItem(in.pick(names), in.pick(categories), in.pick(prices), in.pick(codes),
                              in.pick(prices), in.next() % 3, in.pick(notes));
            break;
        case 11:
            catalogue.toggleItem(entryRow);
            break;
        case 12:
            catalogue.clearSelection();
            check(catalogue.selectedCount() == 0 && catalogue.selectedItems().isEmpty());
            break;
        case 13:
            catalogue.deleteItem(entryRow);
            break;
        case 14:
            catalogue.deleteCategory(entryRow, flag);
            break;
        case 15:
            flag ? catalogue.sortByCategory(true) : catalogue.sortByProduct(true);
            break;
        default:
            list.checkout();
            break;
        }
    }
    checkList(list, listMirror);
    checkCatalogue(catalogue);
    return 0;
}
