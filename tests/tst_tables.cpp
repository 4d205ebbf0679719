#include "ptCurrencyUnitsDataModel.h"
#include "ptLanguagesDataModel.h"
#include "ptMeasureUnitsDataModel.h"
#include "ptRoleFilterProxy.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// Rows of a tab-separated file with a header line.
QList<QStringList> readTable(const QString &pName)
{
    QFile file(QStringLiteral(PANTRIX_TEST_DATA_DIR "/") + pName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(lines.at(i).split(u'\t'));
    return rows;
}

QString codePoints(const QString &pText)
{
    QStringList points;
    const QList<uint> ucs4 = pText.toUcs4();
    for (uint point : ucs4)
        points.append(QStringLiteral("U+%1").arg(point, 4, 16, QLatin1Char('0')).toUpper());
    return points.join(u' ');
}

// The model's own data(), with an index it can only make itself (rows beyond
// the table, for instance).
template<typename Model> class Exposed : public Model
{
public:
    QModelIndex rawIndex(int pRow, int pColumn = 0) const
    {
        return QAbstractItemModel::createIndex(pRow, pColumn);
    }
};

// Which catalogue is installed: none, or the English or Russian one.
enum Catalogue { Source = 0, English = 1, Russian = 2 };

} // namespace

class tst_Tables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void currencyTable_data();
    void currencyTable();
    void currencyDefaultsAndCurrent();
    void setCurrentCurrencyEdges();
    void currencyForSymbol();
    void currencyRetranslateKeepsIndices();
    void currencyDataAndHeader();

    void unitTable_data();
    void unitTable();
    void unitEdges();

    void languageTable_data();
    void languageTable();
    void currentLanguage();
    void languageDataAndHeader();

    void modelTester();

private:
    void install(Catalogue pCatalogue);
    static void catalogueColumns();

    QTemporaryDir m_dataDir;
    std::unique_ptr<QTranslator> m_translator;
    QList<QStringList> m_currencies;
    QList<QStringList> m_units;
    QList<QStringList> m_languages;
};

void tst_Tables::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    qputenv("XDG_DATA_HOME", m_dataDir.path().toUtf8());

    m_currencies = readTable(QStringLiteral("currencies.tsv"));
    m_units = readTable(QStringLiteral("units.tsv"));
    m_languages = readTable(QStringLiteral("languages.tsv"));
    QCOMPARE(m_currencies.size(), 152);
    QCOMPARE(m_units.size(), 16);
    QCOMPARE(m_languages.size(), 2);
    for (int i = 0; i < m_currencies.size(); ++i) {
        QCOMPARE(m_currencies.at(i).size(), 6);
        QCOMPARE(m_currencies.at(i).at(0).toInt(), i);
    }
}

void tst_Tables::cleanup()
{
    install(Source);
}

void tst_Tables::install(Catalogue pCatalogue)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    if (pCatalogue == Source)
        return;
    m_translator = std::make_unique<QTranslator>();
    const QString path = pCatalogue == English ? QStringLiteral(":/languages/pantrix_en.qm")
                                               : QStringLiteral(":/languages/pantrix_ru.qm");
    QVERIFY2(m_translator->load(path), qPrintable(path));
    QVERIFY(QCoreApplication::installTranslator(m_translator.get()));
}

void tst_Tables::catalogueColumns()
{
    QTest::addColumn<int>("catalogue");
    QTest::newRow("source") << int(Source);
    QTest::newRow("english") << int(English);
    QTest::newRow("russian") << int(Russian);
}

void tst_Tables::currencyTable_data()
{
    catalogueColumns();
}

// Every row against the independent copy of the table: a row that moves, a
// wrong sign or a missing translation shows up with its index.
void tst_Tables::currencyTable()
{
    QFETCH(int, catalogue);
    install(Catalogue(catalogue));
    ptCurrencyUnitsDataModel model;
    QCOMPARE(model.rowCount(), 152);

    const int nameColumn = catalogue == Source ? 3 : catalogue == English ? 4 : 5;
    for (int row = 0; row < m_currencies.size(); ++row) {
        const QStringList &expected = m_currencies.at(row);
        const QString prefix = QString::number(row) + u' ';
        const QModelIndex index = model.index(row);

        QCOMPARE(prefix + model.currencyCode(row), prefix + expected.at(1));
        QCOMPARE(prefix + model.data(index, ptCurrencyUnitsDataModel::CurrencyCodeRole).toString(),
                 prefix + expected.at(1));
        QCOMPARE(prefix + codePoints(model.currencySign(row)), prefix + expected.at(2));
        QCOMPARE(prefix
                         + codePoints(model.data(index, ptCurrencyUnitsDataModel::CurrencySignRole)
                                              .toString()),
                 prefix + expected.at(2));
        QCOMPARE(prefix + model.data(index, ptCurrencyUnitsDataModel::CurrencyNameRole).toString(),
                 prefix + expected.at(nameColumn));
        QCOMPARE(prefix + model.data(index, Qt::DisplayRole).toString(),
                 prefix + expected.at(nameColumn));
    }
}

void tst_Tables::currencyDefaultsAndCurrent()
{
    ptCurrencyUnitsDataModel model;
    QCOMPARE(model.currentCurrencyIndex(), 0);
    QCOMPARE(model.currentCurrency(), QStringLiteral("AFN - Afghanistan Afghani"));
    QCOMPARE(model.currentCurrencyName(), QStringLiteral("Afghanistan Afghani"));
    QCOMPARE(model.currentCurrencyCode(), QStringLiteral("AFN"));
    QCOMPARE(model.currentCurrencySign(), QStringLiteral("AFN"));

    // The property the scenes bind to, with its change signal.
    const QMetaObject *meta = model.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty("currentCurrency"));
    QVERIFY(property.isValid());
    QVERIFY(!property.isWritable());
    QCOMPARE(property.notifySignal().name(), QByteArray("currentCurrencyChanged"));

    model.setCurrentCurrency(44);
    QCOMPARE(model.property("currentCurrency").toString(),
             QString(QChar(0x20AC)) + QStringLiteral(" - Euro"));
    QCOMPARE(model.currentCurrencySign(), QString(QChar(0x20AC)));
    QCOMPARE(model.currentCurrencyCode(), QStringLiteral("EUR"));

    model.setCurrentCurrency(151);
    QCOMPARE(model.currentCurrencySign(), QStringLiteral("J$"));
    QCOMPARE(model.currencySign(151), QStringLiteral("J$"));
    QVERIFY(model.currencySign(152).isEmpty());
    QVERIFY(model.currencySign(-1).isEmpty());
    QVERIFY(model.currencyCode(152).isEmpty());
    QVERIFY(model.currencyCode(-1).isEmpty());
    QCOMPARE(model.currencyCode(143), QStringLiteral("USD"));
}

void tst_Tables::setCurrentCurrencyEdges()
{
    ptCurrencyUnitsDataModel model;
    QSignalSpy spy(&model, &ptCurrencyUnitsDataModel::currentCurrencyChanged);

    model.setCurrentCurrency(152);
    model.setCurrentCurrency(-1);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(model.currentCurrencyIndex(), 0);

    model.setCurrentCurrency(44);
    model.setCurrentCurrency(44);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(model.currentCurrencyIndex(), 44);

    model.setCurrentCurrency(0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(model.currentCurrencyIndex(), 0);
    model.setCurrentCurrency(151);
    QCOMPARE(spy.count(), 4);
    QCOMPARE(model.currentCurrencyIndex(), 151);
}

void tst_Tables::currencyForSymbol()
{
    ptCurrencyUnitsDataModel model;
    QCOMPARE(model.currencyForSymbol(QStringLiteral("EUR")),
             QString(QChar(0x20AC)) + QStringLiteral(" - Euro"));
    QCOMPARE(model.currencyForSymbol(QStringLiteral("USD")),
             QStringLiteral("$ - United States Dollar"));
    QCOMPARE(model.currencyForSymbol(QStringLiteral("AFN")),
             QStringLiteral("AFN - Afghanistan Afghani"));
    QCOMPARE(model.currencyForSymbol(QStringLiteral("ZWD")),
             QStringLiteral("J$ - Zimbabwe Dollar"));
    QVERIFY(model.currencyForSymbol(QStringLiteral("eur")).isEmpty());
    QVERIFY(model.currencyForSymbol(QStringLiteral("EUR ")).isEmpty());
    QVERIFY(model.currencyForSymbol(QStringLiteral("XXX")).isEmpty());
    QVERIFY(model.currencyForSymbol(QString()).isEmpty());
    // A sign is not a code.
    QVERIFY(model.currencyForSymbol(QStringLiteral("$")).isEmpty());

    install(English);
    model.retranslate();
    QCOMPARE(model.currencyForSymbol(QStringLiteral("USD")),
             QStringLiteral("$ - United States dollar"));
}

void tst_Tables::currencyRetranslateKeepsIndices()
{
    ptCurrencyUnitsDataModel model;
    model.setCurrentCurrency(113);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &ptCurrencyUnitsDataModel::currentCurrencyChanged);

    install(Russian);
    model.retranslate();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(model.rowCount(), 152);
    QCOMPARE(model.currentCurrencyIndex(), 113);
    QCOMPARE(model.currentCurrency(),
             QStringLiteral("\u0440\u0443\u0431 - ") + QStringLiteral("Российский рубль"));
    QCOMPARE(model.data(model.index(0)).toString(), QStringLiteral("Афганистанский афгани"));
    for (int row = 0; row < m_currencies.size(); ++row) {
        const QString prefix = QString::number(row) + u' ';
        QCOMPARE(prefix + model.currencyCode(row), prefix + m_currencies.at(row).at(1));
        QCOMPARE(prefix + codePoints(model.currencySign(row)), prefix + m_currencies.at(row).at(2));
    }

    install(Source);
    model.retranslate();
    QCOMPARE(model.currentCurrencyIndex(), 113);
    QCOMPARE(model.currentCurrencyName(), QStringLiteral("Russia Ruble"));
}

void tst_Tables::currencyDataAndHeader()
{
    Exposed<ptCurrencyUnitsDataModel> model;
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(ptCurrencyUnitsDataModel::CurrencyNameRole), QByteArray("currency_name"));
    QCOMPARE(names.value(ptCurrencyUnitsDataModel::CurrencyCodeRole), QByteArray("currency_code"));
    QCOMPARE(names.value(ptCurrencyUnitsDataModel::CurrencySignRole), QByteArray("currency_sign"));

    const QModelIndex row44 = model.index(44);
    QCOMPARE(model.data(row44, ptCurrencyUnitsDataModel::CurrencyCodeRole).toString(),
             QStringLiteral("EUR"));
    QCOMPARE(model.data(row44, 0).toString(), QStringLiteral("Euro"));

    // Bad roles and indices answer an empty text, not an invalid variant.
    const QVariant badRole = model.data(row44, 99);
    QCOMPARE(badRole.typeId(), int(QMetaType::QString));
    QVERIFY(badRole.toString().isEmpty());
    const QList<QModelIndex> badIndices
            = {QModelIndex(), model.rawIndex(152), model.rawIndex(-1), model.rawIndex(3, -1)};
    for (const QModelIndex &index : badIndices) {
        const QVariant value = model.data(index, ptCurrencyUnitsDataModel::CurrencyNameRole);
        QCOMPARE(value.typeId(), int(QMetaType::QString));
        QVERIFY(value.toString().isEmpty());
    }

    QCOMPARE(model.headerData(3, Qt::Vertical, 0).toString(), QStringLiteral("Row 3"));
    QCOMPARE(model.headerData(0, Qt::Vertical, 0).toString(), QStringLiteral("Row 0"));
    QCOMPARE(model.headerData(7, Qt::Horizontal, 0).toString(), QStringLiteral("Column 7"));
    QVERIFY(!model.headerData(3, Qt::Vertical, Qt::UserRole).isValid());
    QCOMPARE(model.rowCount(model.index(5)), 152);

    // The signs the table singles out.
    QCOMPARE(model.currencySign(82), QStringLiteral("MOP$"));
    QCOMPARE(model.currencySign(116), QStringLiteral("WS$"));
    QCOMPARE(model.currencySign(118), QStringLiteral("\u0414\u0438\u043D."));
    QCOMPARE(model.currencySign(74), QStringLiteral("K.D."));
    QCOMPARE(model.currencySign(19), QStringLiteral("T$"));
    QCOMPARE(model.currencySign(13), QStringLiteral("p."));
}

void tst_Tables::unitTable_data()
{
    catalogueColumns();
}

void tst_Tables::unitTable()
{
    QFETCH(int, catalogue);
    install(Catalogue(catalogue));
    ptMeasureUnitsDataModel model;
    QCOMPARE(model.rowCount(), 16);
    for (int row = 0; row < m_units.size(); ++row) {
        const QString prefix = QString::number(row) + u' ';
        const QString expected = prefix + m_units.at(row).at(1 + catalogue);
        QCOMPARE(prefix + model.measureName(row), expected);
        QCOMPARE(prefix
                         + model.data(model.index(row), ptMeasureUnitsDataModel::MeasureNameRole)
                                   .toString(),
                 expected);
        QCOMPARE(prefix + model.data(model.index(row), 0).toString(), expected);
    }
}

void tst_Tables::unitEdges()
{
    Exposed<ptMeasureUnitsDataModel> model;
    QCOMPARE(model.roleNames().value(ptMeasureUnitsDataModel::MeasureNameRole),
             QByteArray("measure_name"));
    QVERIFY(model.measureName(16).isEmpty());
    QVERIFY(model.measureName(-1).isEmpty());

    install(English);
    model.retranslate();
    QCOMPARE(model.measureName(2), QStringLiteral("kg"));
    QCOMPARE(model.data(model.index(12), 0).toString(), QStringLiteral("pack"));
    QCOMPARE(model.data(model.index(12), ptMeasureUnitsDataModel::MeasureNameRole).toString(),
             QStringLiteral("pack"));
    const QVariant badRole
            = model.data(model.index(12), ptMeasureUnitsDataModel::MeasureNameRole + 1);
    QCOMPARE(badRole.typeId(), int(QMetaType::QString));
    QVERIFY(badRole.toString().isEmpty());
    QCOMPARE(model.data(model.rawIndex(16), ptMeasureUnitsDataModel::MeasureNameRole).typeId(),
             int(QMetaType::QString));
    QVERIFY(model.data(QModelIndex(), ptMeasureUnitsDataModel::MeasureNameRole)
                    .toString()
                    .isEmpty());

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    install(Russian);
    model.retranslate();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 16);
    QCOMPARE(model.measureName(0), QStringLiteral("шт"));
    QCOMPARE(model.measureName(2), QStringLiteral("кг"));
    QCOMPARE(model.measureName(15), QStringLiteral("бан"));

    QCOMPARE(model.headerData(2, Qt::Horizontal, 0).toString(), QStringLiteral("Column 2"));
    QCOMPARE(model.headerData(2, Qt::Vertical, 0).toString(), QStringLiteral("Row 2"));
    QVERIFY(!model.headerData(2, Qt::Vertical, 1).isValid());
}

void tst_Tables::languageTable_data()
{
    catalogueColumns();
}

void tst_Tables::languageTable()
{
    QFETCH(int, catalogue);
    install(Catalogue(catalogue));
    ptLanguagesDataModel model;
    QCOMPARE(model.rowCount(), 2);
    for (int row = 0; row < m_languages.size(); ++row) {
        const QStringList &expected = m_languages.at(row);
        QCOMPARE(model.data(model.index(row), ptLanguagesDataModel::LanguageCodeRole).toString(),
                 expected.at(1));
        QCOMPARE(model.data(model.index(row), ptLanguagesDataModel::LanguageNameRole).toString(),
                 expected.at(2 + catalogue));
        QCOMPARE(model.data(model.index(row), 0).toString(), expected.at(2 + catalogue));
    }
}

void tst_Tables::currentLanguage()
{
    ptLanguagesDataModel model;
    QCOMPARE(model.currentLanguageIndex(), 0);
    QCOMPARE(model.currentLanguageCode(), QStringLiteral("en"));
    QCOMPARE(model.currentLanguageString(), QStringLiteral("English"));

    model.setCurrentLanguage(1);
    QCOMPARE(model.currentLanguageCode(), QStringLiteral("ru"));
    QCOMPARE(model.currentLanguageString(), QStringLiteral("Russian"));
    install(English);
    model.retranslate();
    QCOMPARE(model.currentLanguageIndex(), 1);
    QCOMPARE(model.currentLanguageString(), QStringLiteral("Русский"));

    for (int outside : {5, 2, -1}) {
        model.setCurrentLanguage(outside);
        QCOMPARE(model.currentLanguageIndex(), outside);
        QVERIFY(model.currentLanguageCode().isEmpty());
        QVERIFY(model.currentLanguageString().isEmpty());
    }
}

void tst_Tables::languageDataAndHeader()
{
    Exposed<ptLanguagesDataModel> model;
    QCOMPARE(model.roleNames().value(ptLanguagesDataModel::LanguageNameRole),
             QByteArray("language_name"));
    QCOMPARE(model.roleNames().value(ptLanguagesDataModel::LanguageCodeRole),
             QByteArray("language_code"));
    QCOMPARE(model.data(model.index(1), ptLanguagesDataModel::LanguageCodeRole).toString(),
             QStringLiteral("ru"));
    const QVariant badRole = model.data(model.index(1), 7);
    QCOMPARE(badRole.typeId(), int(QMetaType::QString));
    QVERIFY(badRole.toString().isEmpty());
    QCOMPARE(model.data(model.rawIndex(2), ptLanguagesDataModel::LanguageCodeRole).typeId(),
             int(QMetaType::QString));
    QVERIFY(model.data(model.rawIndex(2), ptLanguagesDataModel::LanguageCodeRole)
                    .toString()
                    .isEmpty());
    QCOMPARE(model.headerData(1, Qt::Vertical, 0).toString(), QStringLiteral("Row 1"));
    QCOMPARE(model.headerData(1, Qt::Horizontal, 0).toString(), QStringLiteral("Column 1"));
    QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::UserRole).isValid());
}

void tst_Tables::modelTester()
{
    ptLanguagesDataModel languages;
    ptCurrencyUnitsDataModel currencies;
    ptMeasureUnitsDataModel units;
    ptRoleFilterProxy languagesProxy(&languages);
    ptRoleFilterProxy currenciesProxy(&currencies);
    ptRoleFilterProxy unitsProxy(&units);
    QAbstractItemModelTester languagesTester(
            &languagesProxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester currenciesTester(
            &currenciesProxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester unitsTester(&unitsProxy,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);

    install(Russian);
    languages.retranslate();
    currencies.retranslate();
    units.retranslate();
    QCOMPARE(currenciesProxy.rowCount(), 152);
    QCOMPARE(unitsProxy.data(unitsProxy.index(0, 0), Qt::DisplayRole).toString(),
             QStringLiteral("шт"));
}

QTEST_GUILESS_MAIN(tst_Tables)
#include "tst_tables.moc"
