// Turns its input into a sequence of operations on the list model and the
// catalogue, with rows in and out of range, header rows, both sorts and both
// views. After every step the rows must equal a rebuild from scratch, and the
// announced row changes, replayed on a mirror, must give the same rows.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>

#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"

namespace {

using Row = QStringList;

Row readRow(const QAbstractItemModel &pModel, int pRow)
{
    Row row;
    const QModelIndex index = pModel.index(pRow, 0);
    const QList<int> roles = pModel.roleNames().keys();
    // The item roles; the list-wide roles after them follow the list, not the row.
    for (int role = Qt::UserRole + 1; role <= Qt::UserRole + 9; ++role) {
        if (roles.contains(role))
            row.append(pModel.data(index, role).toString());
    }
    return row;
}

QList<Row> readRows(const QAbstractItemModel &pModel)
{
    QList<Row> rows;
    for (int row = 0; row < pModel.rowCount(); ++row)
        rows.append(readRow(pModel, row));
    return rows;
}

// The rows as a view that follows only the notifications would have them.
class RowMirror : public QObject
{
public:
    explicit RowMirror(QAbstractItemModel *pModel) : m_model(pModel)
    {
        m_rows = readRows(*pModel);
        connect(pModel, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int pFirst, int pLast) {
                    for (int row = pFirst; row <= pLast; ++row)
                        m_rows.insert(row, readRow(*m_model, row));
                });
        connect(pModel, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int pFirst, int pLast) {
                    m_rows.remove(pFirst, pLast - pFirst + 1);
                });
        connect(pModel, &QAbstractItemModel::modelReset, this,
                [this]() { m_rows = readRows(*m_model); });
        connect(pModel, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &pTopLeft, const QModelIndex &pBottomRight) {
                    for (int row = pTopLeft.row(); row <= pBottomRight.row(); ++row)
                        m_rows[row] = readRow(*m_model, row);
                });
    }

    const QList<Row> &rows() const { return m_rows; }

private:
    QAbstractItemModel *m_model;
    QList<Row> m_rows;
};

class Input
{
public:
    Input(const uint8_t *pData, size_t pSize) : m_data(pData), m_size(pSize) { }
    bool atEnd() const { return m_position >= m_size; }
    int next() { return atEnd() ? 0 : m_data[m_position++]; }
    int row(int pRowCount) { return next() % (pRowCount + 4) - 2; }
    QString pick(const QStringList &pChoices) { return pChoices.at(next() % pChoices.size()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_position = 0;
};

const QStringList names = {QStringLiteral("Milk"),
                           QStringLiteral("milk"),
                           QStringLiteral(" Bread "),
                           QStringLiteral("A"),
                           QString(),
                           QStringLiteral("Tea  bags")};
const QStringList categories = {QString(),
                                QStringLiteral("Dairy"),
                                QStringLiteral("dairy"),
                                QStringLiteral("A"),
                                QStringLiteral("A1"),
                                QStringLiteral("Uncategorised"),
                                QStringLiteral("\uF000")};
const QStringList prices
        = {QString(), QStringLiteral("1.5"), QStringLiteral("2,5"), QStringLiteral("x")};
const QStringList codes = {QStringLiteral("AFN"), QStringLiteral("EUR"), QStringLiteral("USD")};

void check(bool pCondition)
{
    if (!pCondition)
        __builtin_trap();
}

void checkRows(ptListDataModel &pList, RowMirror &pMirror)
{
    const QList<Row> rows = readRows(pList);
    check(pMirror.rows() == rows);
    // A record taken back from the cart goes before rows of an equal key,
    // where a rebuild puts it after newer ones; apart from that order among
    // equal keys, the rebuild gives the same rows.
    pList.updateModel();
    QList<Row> rebuilt = readRows(pList);
    QList<Row> sortedRows = rows;
    std::sort(rebuilt.begin(), rebuilt.end());
    std::sort(sortedRows.begin(), sortedRows.end());
    check(rebuilt == sortedRows);
}

void checkRows(ptCategoriesDataModel &pCatalogue, RowMirror &pMirror)
{
    const QList<Row> rows = readRows(pCatalogue);
    check(pMirror.rows() == rows);
    const int selected = pCatalogue.selectedCount();
    pCatalogue.updateModel();
    check(readRows(pCatalogue) == rows);
    check(pCatalogue.selectedCount() == selected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char name[] = "fuzz_operations";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    ptListDataModel list;
    ptCategoriesDataModel catalogue;
    RowMirror listMirror(&list);
    RowMirror catalogueMirror(&catalogue);
    int expectedSelected = 0;

    Input input(pData, pSize);
    while (!input.atEnd()) {
        switch (input.next() % 20) {
        case 0:
            list.addItem(input.pick(names), input.pick(categories), input.pick(prices),
                         input.pick(prices), input.next() % 17, input.pick(names));
            break;
        case 1:
            list.updateItem(input.row(list.rowCount()), input.pick(names), input.pick(categories),
                            input.pick(prices), input.pick(prices), input.next() % 17,
                            input.pick(names));
            break;
        case 2:
            list.deleteItem(input.row(list.rowCount()));
            break;
        case 3:
            list.toggleItem(input.row(list.rowCount()));
            if (list.isDisplayList())
                check(list.needsCheckout() == (list.rowCount() == 0));
            break;
        case 4:
            list.deleteCategory(input.row(list.rowCount()), input.next() % 2);
            break;
        case 5:
            if (input.next() % 2)
                list.sortByCategory(true);
            else
                list.sortByProduct(true);
            break;
        case 6:
            if (input.next() % 2)
                list.displayList(true);
            else
                list.displayCart(true);
            break;
        case 7:
            list.addItems(catalogue.selectedItems(), input.pick(codes));
            break;
        case 8:
            list.updateCountPrice();
            check(!list.listItemsPrice().isEmpty());
            break;
        case 9:
            catalogue.addItem(input.pick(names), input.pick(categories), input.pick(prices),
                              input.pick(codes), input.pick(prices), input.next() % 17,
                              input.pick(names));
            break;
        case 10:
            catalogue.updateItem(input.next() % 2 ? -1 : input.row(catalogue.rowCount()),
                                 input.pick(names), input.pick(categories), input.pick(prices),
                                 input.pick(codes), input.pick(prices), input.next() % 17,
                                 QString());
            break;
        case 11: {
            const int row = input.row(catalogue.rowCount());
            const QString status
                    = catalogue.data(catalogue.index(row, 0), ptCategoriesDataModel::ItemStatusRole)
                              .toString();
            const QString type
                    = catalogue.data(catalogue.index(row, 0), ptCategoriesDataModel::ItemTypeRole)
                              .toString();
            catalogue.toggleItem(row);
            if (type == QLatin1String("item") && status == QLatin1String("checked"))
                --expectedSelected;
            else if (type == QLatin1String("item") && status == QLatin1String("unchecked"))
                ++expectedSelected;
            break;
        }
        case 12:
            catalogue.clearSelection();
            expectedSelected = 0;
            break;
        case 13:
            catalogue.deleteItem(input.row(catalogue.rowCount()));
            break;
        case 14:
            catalogue.deleteCategory(input.row(catalogue.rowCount()), input.next() % 2);
            break;
        case 15:
            if (input.next() % 2)
                catalogue.sortByCategory(true);
            else
                catalogue.sortByProduct(true);
            break;
        case 16:
            // The code changes prices silently; views see them after a rebuild.
            catalogue.setCurrencyCode(input.pick(codes));
            catalogue.updateModel();
            break;
        case 17:
            check(list.itemHeight(input.row(list.rowCount())) >= 50);
            (void)catalogue.categoryName(input.row(catalogue.categoriesCount()));
            break;
        case 18:
            list.checkout();
            check(list.rowCount() == 0);
            break;
        default:
            for (const QHash<QString, QString> &entry : catalogue.selectedItems())
                check(entry.value(QStringLiteral("status")) == QLatin1String("checked"));
            break;
        }
        check(catalogue.selectedCount() == expectedSelected);
        checkRows(list, listMirror);
        checkRows(catalogue, catalogueMirror);
    }
    return 0;
}
