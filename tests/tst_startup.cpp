#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QQmlContext>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ptApplicationManager.h"
#include "ptStartup.h"

namespace {

QByteArray readFile(const QString &pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &pPath, const QByteArray &pBytes)
{
    QDir().mkpath(QFileInfo(pPath).absolutePath());
    QFile file(pPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pBytes);
}

QQuickView *findView()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (auto *view = qobject_cast<QQuickView *>(window))
            return view;
    }
    return nullptr;
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void failureShowsTheMessageAndLeavesTheSettings();
    void normalQuitSavesTheOpenListAndTheSettings();

private:
    std::unique_ptr<QTemporaryDir> m_dataDir;
};

void tst_Startup::initTestCase()
{
    ptStartup::setIdentity();
}

void tst_Startup::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
}

void tst_Startup::failureShowsTheMessageAndLeavesTheSettings()
{
    // A plain file where the lists directory belongs: it cannot be made.
    writeFile(ptApplicationManager::listsDirectoryPath(), "not a directory");
    const QByteArray storedSettings = "<pantrix_settings version=\"1.0.0\">\n"
                                      "    <item name=\"language\" value=\"1\"/>\n"
                                      "    <item name=\"currency\" value=\"42\"/>\n"
                                      "</pantrix_settings>\n";
    writeFile(ptApplicationManager::settingsFilePath(), storedSettings);

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool viewSeen = false;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, this, [&]() {
        if (findView())
            viewSeen = true;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    closer.start();

    QCOMPARE(ptStartup::run(), 1);
    closer.stop();

    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text,
             QStringLiteral("Application initialization error. Please, contact the developer."));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(!viewSeen);
    QVERIFY(!findView());
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), storedSettings);
}

void tst_Startup::normalQuitSavesTheOpenListAndTheSettings()
{
    bool rootLoaded = false;
    QStringList contextNames;
    QTimer::singleShot(0, this, [&]() {
        QQuickView *view = findView();
        QVERIFY(view);
        QCOMPARE(view->title(), QStringLiteral("Pantrix"));
        QCOMPARE(view->resizeMode(), QQuickView::SizeRootObjectToView);
        rootLoaded = view->status() == QQuickView::Ready && view->rootObject();
        QQmlContext *context = view->rootContext();
        for (const char *name :
             {"applicationManager", "listsDataModel", "listDataModel", "categoriesDataModel",
              "amountUnitsDataModel", "currencyUnitsDataModel", "languagesDataModel"}) {
            if (context->contextProperty(QString::fromLatin1(name)).value<QObject *>())
                contextNames.append(QString::fromLatin1(name));
        }
        auto *manager = qobject_cast<ptApplicationManager *>(
                context->contextProperty(QStringLiteral("applicationManager")).value<QObject *>());
        QVERIFY(manager);
        QVERIFY(manager->createNewList(QStringLiteral("Weekend"), 44, QString()));
        QVERIFY(manager->listDataModel()->addItem(QStringLiteral("Milk"), QString(),
                                                  QStringLiteral("1.20"), QStringLiteral("2"), 0,
                                                  QString()));
        manager->quit();
    });

    QCOMPARE(ptStartup::run(), 0);
    QVERIFY(rootLoaded);
    QCOMPARE(contextNames.size(), 7);

    // The list still open at exit was written, and so were the settings.
    ptListDataModel reloaded;
    QVERIFY(reloaded.loadModel(ptApplicationManager::listDocumentPath()));
    QCOMPARE(reloaded.listName(), QStringLiteral("Weekend"));
    QCOMPARE(reloaded.items().size(), 1);
    QCOMPARE(reloaded.items().first().value(QStringLiteral("name")), QStringLiteral("Milk"));
    reloaded.releaseModel();
    QVERIFY(QFile::exists(ptApplicationManager::settingsFilePath()));
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
