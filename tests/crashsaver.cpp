// Saves one list document over and over until it is killed. The document
// alternates between two contents: named "A" with every item on the list, and
// named "B" with every item in the cart. It prints "ready" after the first save.

#include <QCoreApplication>
#include <QTextStream>

#include "ptListDataModel.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return 2;
    const QString fileName = arguments.at(1);
    const int itemCount = arguments.at(2).toInt();

    // Carry on from the document an earlier run left behind, if there is one.
    ptListDataModel model;
    if (!model.loadModel(fileName) || model.listFileName().isEmpty()) {
        if (!model.newModel(fileName, QStringLiteral("A"), 3, QStringLiteral("crash test")))
            return 1;
        for (int i = 0; i < itemCount; ++i) {
            model.addItem(QStringLiteral("item %1").arg(i),
                          QStringLiteral("Category %1").arg(i % 7),
                          QString::number(i % 10) + QStringLiteral(",50"), QStringLiteral("2"), 1,
                          QStringLiteral("a note long enough to make the file larger %1").arg(i));
        }
        if (!model.saveModel())
            return 1;
    }
    bool inCart = model.listName() == QLatin1String("B");

    QTextStream out(stdout);
    out << "ready" << Qt::endl;

    for (;;) {
        // Move every item to the other side, then save that content a few times.
        if (inCart)
            model.displayCart(true);
        else
            model.displayList(true);
        while (model.rowCount() > 0) {
            const int row = model.itemHeight(0) == 50 ? 1 : 0;
            model.toggleItem(row);
        }
        inCart = !inCart;
        model.updateModelInfo(inCart ? QStringLiteral("B") : QStringLiteral("A"), 3,
                              QStringLiteral("crash test"));
        for (int i = 0; i < 3; ++i) {
            if (!model.saveModel())
                return 1;
        }
    }
}
