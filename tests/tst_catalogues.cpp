#include <QFile>
#include <QHash>
#include <QLocale>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One <message> of a Qt Linguist catalogue.
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // the <translation> element's type attribute, empty when finished
    QString translation;
    QStringList forms; // the <numerusform> entries of a plural message
};

struct TsFile
{
    QString language;
    QList<TsMessage> messages;
    QString error;
};

// A message is found in the code by its context, source text and
// disambiguation comment; the translator looks it up by the same three.
QString keyOf(const TsMessage &pMessage)
{
    return pMessage.context + QChar(0x1f) + pMessage.source + QChar(0x1f) + pMessage.comment;
}

QString labelOf(const TsMessage &pMessage)
{
    QString label = QStringLiteral("%1: \"%2\"").arg(pMessage.context, pMessage.source);
    if (!pMessage.comment.isEmpty())
        label += QStringLiteral(" (comment \"%1\")").arg(pMessage.comment);
    if (pMessage.numerus)
        label += QStringLiteral(" [plural]");
    return label;
}

void readTranslation(QXmlStreamReader &pXml, TsMessage &pMessage)
{
    pMessage.type = pXml.attributes().value(QLatin1String("type")).toString();
    if (!pMessage.numerus) {
        pMessage.translation = pXml.readElementText();
        return;
    }
    while (pXml.readNextStartElement()) {
        if (pXml.name() == QLatin1String("numerusform"))
            pMessage.forms.append(pXml.readElementText());
        else
            pXml.skipCurrentElement();
    }
}

void readMessage(QXmlStreamReader &pXml, const QString &pContext, QList<TsMessage> &pMessages)
{
    TsMessage message;
    message.context = pContext;
    message.numerus = pXml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (pXml.readNextStartElement()) {
        if (pXml.name() == QLatin1String("source"))
            message.source = pXml.readElementText();
        else if (pXml.name() == QLatin1String("comment"))
            message.comment = pXml.readElementText();
        else if (pXml.name() == QLatin1String("translation"))
            readTranslation(pXml, message);
        else
            pXml.skipCurrentElement();
    }
    pMessages.append(message);
}

void readContext(QXmlStreamReader &pXml, QList<TsMessage> &pMessages)
{
    QString name;
    while (pXml.readNextStartElement()) {
        if (pXml.name() == QLatin1String("name"))
            name = pXml.readElementText();
        else if (pXml.name() == QLatin1String("message"))
            readMessage(pXml, name, pMessages);
        else
            pXml.skipCurrentElement();
    }
}

TsFile readTs(const QString &pPath)
{
    TsFile ts;
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("%1: %2").arg(pPath, file.errorString());
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("context"))
                    readContext(xml, ts.messages);
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.raiseError(QStringLiteral("the root element is not <TS>"));
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("%1:%2:%3: %4")
                           .arg(pPath)
                           .arg(xml.lineNumber())
                           .arg(xml.columnNumber())
                           .arg(xml.errorString());
    return ts;
}

QString cataloguePath(const QString &pCode)
{
    return QStringLiteral(PANTRIX_SOURCE_DIR "/languages/pantrix_%1.ts").arg(pCode);
}

// Collects the texts the code hands to the translator, as lupdate sees them,
// from the given directories of the source tree.
TsFile extractTexts(const QStringList &pDirectories)
{
    TsFile ts;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        ts.error = dir.errorString();
        return ts;
    }
    const QString output = dir.filePath(QStringLiteral("extracted.ts"));
    QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                             QStringLiteral("none"), QStringLiteral("-no-obsolete")};
    arguments += pDirectories;
    arguments += {QStringLiteral("-ts"), output};

    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(PANTRIX_SOURCE_DIR));
    lupdate.start(QStringLiteral(PANTRIX_LUPDATE), arguments);
    if (!lupdate.waitForFinished(300000)) {
        ts.error = QStringLiteral("lupdate did not run: %1").arg(lupdate.errorString());
        lupdate.kill();
        lupdate.waitForFinished();
        return ts;
    }
    // A warning from lupdate means a call it could not read, so a text it
    // may have missed.
    const QString warnings = QString::fromLocal8Bit(lupdate.readAllStandardError()).trimmed();
    if (lupdate.exitStatus() != QProcess::NormalExit || lupdate.exitCode() != 0
        || !warnings.isEmpty()) {
        ts.error = QStringLiteral("lupdate %1 (exit code %2) reported:\n%3")
                           .arg(arguments.join(u' '))
                           .arg(lupdate.exitCode())
                           .arg(warnings);
        return ts;
    }
    ts = readTs(output);
    if (ts.error.isEmpty() && ts.messages.isEmpty())
        ts.error = QStringLiteral("lupdate found no texts in %1").arg(pDirectories.join(u' '));
    return ts;
}

// The code's texts that the catalogue lacks, or holds with the wrong plural flag.
QStringList missingFrom(const TsFile &pCatalogue, const TsFile &pCode)
{
    QHash<QString, bool> entries;
    for (const TsMessage &message : pCatalogue.messages)
        entries.insert(keyOf(message), message.numerus);
    QStringList missing;
    for (const TsMessage &message : pCode.messages) {
        const auto entry = entries.constFind(keyOf(message));
        if (entry == entries.cend())
            missing.append(QStringLiteral("  missing ") + labelOf(message));
        else if (entry.value() != message.numerus)
            missing.append(QStringLiteral("  plural flag differs: ") + labelOf(message));
    }
    return missing;
}

QString report(const QString &pWhat, const QStringList &pLines)
{
    return QStringLiteral("%1 (%2):\n%3").arg(pWhat).arg(pLines.size()).arg(pLines.join(u'\n'));
}

} // namespace

class tst_Catalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void cataloguesFinished_data();
    void cataloguesFinished();
    void nativeTextsHaveEntries_data();
    void nativeTextsHaveEntries();
    void sceneTextsHaveEntries_data();
    void sceneTextsHaveEntries();
    void noStaleEntries_data();
    void noStaleEntries();
    void bundledCataloguesTranslate_data();
    void bundledCataloguesTranslate();

private:
    void languageRows();
    void textsHaveEntries(const QStringList &pDirectories);

    QTemporaryDir m_dataDir;
};

void tst_Catalogues::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataDir.path()));
}

void tst_Catalogues::languageRows()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("ru") << QStringLiteral("ru");
}

void tst_Catalogues::cataloguesFinished_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("en") << QStringLiteral("en") << int(QLocale::English) << 2;
    QTest::newRow("ru") << QStringLiteral("ru") << int(QLocale::Russian) << 3;
}

// Every entry is translated and finished; lrelease takes the number of plural
// forms from the catalogue's language, so that has to be right as well.
void tst_Catalogues::cataloguesFinished()
{
    QFETCH(QString, code);
    QFETCH(int, language);
    QFETCH(int, pluralForms);

    const TsFile catalogue = readTs(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QVERIFY(!catalogue.messages.isEmpty());
    QCOMPARE(int(QLocale(catalogue.language).language()), language);

    QStringList problems;
    QSet<QString> seen;
    for (const TsMessage &message : catalogue.messages) {
        const QString label = labelOf(message);
        if (!message.type.isEmpty())
            problems.append(QStringLiteral("  type=\"%1\": %2").arg(message.type, label));
        if (seen.contains(keyOf(message)))
            problems.append(QStringLiteral("  twice: ") + label);
        seen.insert(keyOf(message));
        if (message.source.isEmpty())
            problems.append(QStringLiteral("  empty source in context ") + message.context);
        if (!message.numerus) {
            if (message.translation.isEmpty())
                problems.append(QStringLiteral("  empty translation: ") + label);
            continue;
        }
        if (message.forms.size() != pluralForms)
            problems.append(QStringLiteral("  %1 plural forms instead of %2: %3")
                                    .arg(message.forms.size())
                                    .arg(pluralForms)
                                    .arg(label));
        if (message.forms.contains(QString()))
            problems.append(QStringLiteral("  empty plural form: ") + label);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(code + QStringLiteral(" catalogue"), problems)));
}

void tst_Catalogues::textsHaveEntries(const QStringList &pDirectories)
{
    QFETCH(QString, code);

    const TsFile texts = extractTexts(pDirectories);
    QVERIFY2(texts.error.isEmpty(), qPrintable(texts.error));
    const TsFile catalogue = readTs(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));

    const QStringList missing = missingFrom(catalogue, texts);
    QVERIFY2(missing.isEmpty(),
             qPrintable(report(QStringLiteral("pantrix_%1.ts lacks texts of %2")
                                       .arg(code, pDirectories.join(u' ')),
                               missing)));
}

void tst_Catalogues::nativeTextsHaveEntries_data()
{
    languageRows();
}

// The native texts: the start-up failure message and the models' tables.
void tst_Catalogues::nativeTextsHaveEntries()
{
    textsHaveEntries({QStringLiteral("src")});
}

void tst_Catalogues::sceneTextsHaveEntries_data()
{
    languageRows();
}

void tst_Catalogues::sceneTextsHaveEntries()
{
    textsHaveEntries({QStringLiteral("qml")});
}

void tst_Catalogues::noStaleEntries_data()
{
    languageRows();
}

// An entry the code no longer asks for is dead weight at best and, at worst,
// a text that was renamed in the code and is now shown untranslated. No entry
// is kept on purpose at present; one that is goes into the list below.
void tst_Catalogues::noStaleEntries()
{
    QFETCH(QString, code);
    const QSet<QString> kept;

    const TsFile texts = extractTexts({QStringLiteral("src"), QStringLiteral("qml")});
    QVERIFY2(texts.error.isEmpty(), qPrintable(texts.error));
    const TsFile catalogue = readTs(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));

    QSet<QString> used;
    for (const TsMessage &message : texts.messages)
        used.insert(keyOf(message));
    QStringList stale;
    for (const TsMessage &message : catalogue.messages) {
        if (!used.contains(keyOf(message)) && !kept.contains(keyOf(message)))
            stale.append(QStringLiteral("  ") + labelOf(message));
    }
    QVERIFY2(stale.isEmpty(),
             qPrintable(report(QStringLiteral("pantrix_%1.ts has entries no code uses").arg(code),
                               stale)));
}

void tst_Catalogues::bundledCataloguesTranslate_data()
{
    languageRows();
}

// The compiled catalogue in the resource bundle answers with the .ts file's
// translation for every entry, and the start-up failure text is the one the
// user is meant to read.
void tst_Catalogues::bundledCataloguesTranslate()
{
    QFETCH(QString, code);

    QTranslator translator;
    const QString path = QStringLiteral(":/languages/pantrix_%1.qm").arg(code);
    QVERIFY2(translator.load(path), qPrintable(path));
    QCOMPARE(translator.language(),
             code == QLatin1String("ru") ? QStringLiteral("ru_RU") : QStringLiteral("en_US"));

    const char *failureText = "Application initialization error. Please, contact the developer.";
    const QString expected = code == QLatin1String("ru")
            ? QStringLiteral("Ошибка инициализации приложения. Пожалуйста, обратитесь к "
                             "разработчику.")
            : QString::fromLatin1(failureText);
    QCOMPARE(translator.translate("QObject", failureText), expected);

    const TsFile catalogue = readTs(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList wrong;
    for (const TsMessage &message : catalogue.messages) {
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        const QByteArray comment = message.comment.toUtf8();
        const char *disambiguation = comment.isEmpty() ? nullptr : comment.constData();
        if (!message.numerus) {
            if (translator.translate(context, source, disambiguation) != message.translation)
                wrong.append(QStringLiteral("  ") + labelOf(message));
            continue;
        }
        // One is the first form in both languages, five the last.
        if (message.forms.isEmpty()
            || translator.translate(context, source, disambiguation, 1) != message.forms.first()
            || translator.translate(context, source, disambiguation, 5) != message.forms.last())
            wrong.append(QStringLiteral("  ") + labelOf(message));
    }
    QVERIFY2(wrong.isEmpty(),
             qPrintable(report(path + QStringLiteral(" differs from its .ts file"), wrong)));
}

QTEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
