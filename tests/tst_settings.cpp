#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ptApplicationManager.h"
#include "ptStartup.h"

namespace {

QByteArray readFile(const QString &pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSettings(const QByteArray &pBytes)
{
    QDir().mkpath(ptApplicationManager::settingsDirectoryPath());
    QFile file(ptApplicationManager::settingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pBytes);
}

QByteArray settingsDocument(int pLanguage, int pCurrency)
{
    // The stream writer's auto-formatting starts the document with a line
    // break and ends it without one.
    return QByteArray("\n<pantrix_settings version=\"1.0.0\">\n"
                      "    <item name=\"language\" value=\"")
            + QByteArray::number(pLanguage)
            + "\"/>\n"
              "    <item name=\"currency\" value=\""
            + QByteArray::number(pCurrency)
            + "\"/>\n"
              "</pantrix_settings>";
}

QString uncategorised()
{
    return QCoreApplication::translate("ptListDataModel", "Uncategorised");
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void savedFileByteForByte();
    void storedLanguageAndCurrencyApply();
    void tolerantReading_data();
    void tolerantReading();
    void outOfRangeLanguageShowsSourceTexts();
    void withoutSettingsTheEnglishTextsShow();
    void languageSwitchRewritesTheFileAtOnce();
    void currencyIsSavedOnlyAtExit();

private:
    std::unique_ptr<QTemporaryDir> m_dataDir;
};

void tst_Settings::initTestCase()
{
    ptStartup::setIdentity();
}

void tst_Settings::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
}

void tst_Settings::savedFileByteForByte()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    manager.currencyUnitsDataModel()->setCurrentCurrency(7);
    manager.saveSettings();
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(0, 7));
    QVERIFY(ptApplicationManager::settingsFilePath().endsWith(
            QStringLiteral("/Orvelle/PantrixApp/data/config.db")));
}

void tst_Settings::storedLanguageAndCurrencyApply()
{
    writeSettings(settingsDocument(1, 42));
    ptApplicationManager manager;
    QSignalSpy texts(&manager, &ptApplicationManager::nullStringChanged);
    QVERIFY(manager.initialize());

    QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 1);
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), 42);
    QCOMPARE(uncategorised(), QStringLiteral("Без категории"));
    QCOMPARE(manager.amountUnitsDataModel()->measureName(2), QStringLiteral("кг"));
    QVERIFY(texts.count() >= 2); // the currency change and the retranslation
    QCOMPARE(QLocale().name(), QStringLiteral("en_US"));
}

void tst_Settings::tolerantReading_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("currency");

    QTest::newRow("other root and version")
            << QByteArray("<settings version=\"9\"><item name=\"language\" value=\"1\"/>"
                          "<item name=\"currency\" value=\"3\"/></settings>")
            << 1 << 3;
    QTest::newRow("only a currency")
            << QByteArray("<pantrix_settings><item name=\"currency\" value=\"5\"/>"
                          "</pantrix_settings>")
            << 0 << 5;
    QTest::newRow("later items win")
            << QByteArray("<a><item name=\"currency\" value=\"5\"/><b><c>"
                          "<item name=\"currency\" value=\"6\"/></c></b></a>")
            << 0 << 6;
    QTest::newRow("garbage after an item")
            << QByteArray("<a><item name=\"currency\" value=\"8\"/><<<&&& <item name=\"currency\" "
                          "value=\"9\"/></a>")
            << 0 << 8;
    QTest::newRow("not a number") << QByteArray("<a><item name=\"language\" value=\"one\"/>"
                                                "<item name=\"currency\" value=\"4x\"/></a>")
                                  << 0 << 0;
    QTest::newRow("currency out of range")
            << QByteArray("<a><item name=\"currency\" value=\"152\"/></a>") << 0 << 0;
    QTest::newRow("negative currency")
            << QByteArray("<a><item name=\"currency\" value=\"-1\"/></a>") << 0 << 0;
    QTest::newRow("missing values")
            << QByteArray("<a><item name=\"currency\"/><item value=\"3\"/></a>") << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0;
}

void tst_Settings::tolerantReading()
{
    QFETCH(QByteArray, document);
    QFETCH(int, language);
    QFETCH(int, currency);

    writeSettings(document);
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), language);
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currency);
    // Language 0 loads the English catalogue.
    if (language == 0)
        QCOMPARE(manager.languagesDataModel()->currentLanguageString(), QStringLiteral("English"));
}

void tst_Settings::outOfRangeLanguageShowsSourceTexts()
{
    writeSettings(settingsDocument(5, 0));
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 5);
    QCOMPARE(manager.languagesDataModel()->currentLanguageCode(), QString());
    QCOMPARE(manager.languagesDataModel()
                     ->data(manager.languagesDataModel()->index(1, 0))
                     .toString(),
             QStringLiteral("Russian"));
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyName(),
             QStringLiteral("Afghanistan Afghani"));

    // Saving keeps the out-of-range index: the user has not chosen yet.
    manager.saveSettings();
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(5, 0));
}

void tst_Settings::withoutSettingsTheEnglishTextsShow()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(!QFile::exists(ptApplicationManager::settingsFilePath()));
    QCOMPARE(QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, 3),
             QStringLiteral("3 items"));
    QCOMPARE(QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, 1),
             QStringLiteral("1 item"));
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyName(),
             QStringLiteral("Afghan afghani"));
}

void tst_Settings::languageSwitchRewritesTheFileAtOnce()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    manager.currencyUnitsDataModel()->setCurrentCurrency(44);
    QSignalSpy texts(&manager, &ptApplicationManager::nullStringChanged);
    QSignalSpy currencyReset(manager.currencyUnitsDataModel(), &QAbstractItemModel::modelReset);

    manager.setCurrentLanguage(1);
    QCOMPARE(texts.count(), 1);
    QCOMPARE(currencyReset.count(), 1);
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(1, 44));
    QCOMPARE(uncategorised(), QStringLiteral("Без категории"));
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), 44);
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyName(), QStringLiteral("Евро"));
    QCOMPARE(QLocale().name(), QStringLiteral("en_US"));

    // Out-of-range choices are ignored.
    manager.setCurrentLanguage(2);
    manager.setCurrentLanguage(-1);
    QCOMPARE(texts.count(), 1);
    QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 1);

    manager.setCurrentLanguage(0);
    QCOMPARE(texts.count(), 2);
    QCOMPARE(uncategorised(), QStringLiteral("Uncategorised"));
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(0, 44));
}

void tst_Settings::currencyIsSavedOnlyAtExit()
{
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.setCurrentLanguage(1);
        manager.currencyUnitsDataModel()->setCurrentCurrency(143);
        QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(1, 0));
    }
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settingsDocument(1, 143));

    ptApplicationManager restarted;
    QVERIFY(restarted.initialize());
    QCOMPARE(restarted.currencyUnitsDataModel()->currentCurrencyIndex(), 143);
    QCOMPARE(restarted.languagesDataModel()->currentLanguageIndex(), 1);
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
