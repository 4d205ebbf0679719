#include <QtTest>

#include <QImage>

#include <cstdio>
#include <memory>

#include "ptListDataModel.h"
#include "ptTestFiles.h"

// Runs the program itself on a private X server, presses and types through
// the X server's test extension, and judges what the server's frame buffer
// holds: pixel colours and text read back by OCR. Every case runs with Qt
// Quick's OpenGL renderer (Mesa's software rasteriser) and its software one.
class tst_display : public QObject
{
    Q_OBJECT

    static constexpr QRgb Bar = 0xff445579;
    static constexpr QRgb Query = 0xff8495b9;
    static constexpr QRgb Sheet = 0xffa4b5d9;
    static constexpr QRgb Row = 0xff202020;
    static constexpr QRgb Secondary = 0xffa0a0ff;
    static constexpr QRgb White = 0xffffffff;
    static constexpr QRgb Ring = 0xffffb000;

    QProcess m_server;
    QProcess m_bus;
    QTemporaryDir m_runDir;
    QFile m_frameFile;
    QImage m_screen; // a live view of the server's frame buffer
    QString m_display;
    QString m_busAddress;
    QPoint m_origin;

    QProcess m_app;
    std::unique_ptr<QTemporaryDir> m_dataDir;

private slots:
    void initTestCase()
    {
        // The run directory (mode 0700) is the program's runtime directory and
        // holds the server's frame buffer file. -displayfd 1 picks a free display
        // number and writes it to stdout.
        QVERIFY(m_runDir.isValid());
        m_server.start("Xvfb",
                       {"-displayfd", "1", "-screen", "0", "800x480x24", "-nolisten", "tcp",
                        "-fbdir", m_runDir.path()});
        QVERIFY2(m_server.waitForStarted(), "Xvfb is missing: run scripts/setup.sh");
        QVERIFY(QTest::qWaitFor([&] { return m_server.canReadLine(); }, 10000));
        m_display = ":" + QString::fromLatin1(m_server.readLine()).trimmed();

        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(m_bus.waitForStarted(), "dbus-daemon is missing: run scripts/setup.sh");
        QVERIFY(QTest::qWaitFor([&] { return m_bus.canReadLine(); }, 10000));
        m_busAddress = QString::fromLatin1(m_bus.readLine()).trimmed();

        // The frame buffer file is an XWD image: a big-endian header, a colour
        // map of 12-byte entries, then 32-bit pixels in the host's byte order.
        m_frameFile.setFileName(m_runDir.filePath("Xvfb_screen0"));
        QVERIFY(m_frameFile.open(QIODevice::ReadOnly));
        const uchar *frame = m_frameFile.map(0, m_frameFile.size());
        QVERIFY(frame);
        const auto field
                = [frame](int pIndex) { return qFromBigEndian<quint32>(frame + 4 * pIndex); };
        QCOMPARE(field(11), 32u); // bits per pixel
        const qsizetype pixels = field(0) + 12 * field(19);
        m_screen = QImage(frame + pixels, field(4), field(5), field(12), QImage::Format_RGB32);
        QCOMPARE(m_screen.size(), QSize(800, 480));
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_bus, &m_server}) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            m_screen.save(QString("%1-%2.png")
                                  .arg(QTest::currentTestFunction(), QTest::currentDataTag()));
        m_app.terminate();
        if (!m_app.waitForFinished(5000))
            m_app.kill();
        m_app.waitForFinished(2000);
        m_dataDir.reset();
        // The next case starts from an empty screen.
        QVERIFY(waitFor([&] { return is(100, 20, 0xff000000) && is(400, 240, 0xff000000); }));
    }

    // Qt Quick's default renderer and its software one.
    void session_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("opengl") << QString("opengl");
        QTest::newRow("software") << QString("software");
    }

    // A person's session by mouse and keyboard, from a stored list to the
    // trash: the first run's texts, the questions and the keys of the sheets
    // and dialogs; a prefilled category replaced by typing, numbers with a
    // decimal comma, a right-to-left name where the row's layout puts a name;
    // another device's version and conflict copy followed, a kill that loses
    // nothing; the checkout's Yes puts the list in the trash as it was last
    // seen.
    void session()
    {
        // A stored list "Weekend" of three unpriced items in the category "Food".
        m_dataDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dataDir->isValid() && QDir().mkpath(QFileInfo(listPath()).path()));
        {
            ptListDataModel list;
            QVERIFY(list.newModel(listPath(), "Weekend", 0, QString()));
            for (const char *name : {"bread", "eggs", "rice"})
                QVERIFY(list.addItem(name, "Food", QString(), "1", 0, QString()));
        }
        start();
        // No settings file yet, and already the English plural forms.
        QCOMPARE(ocr(QRect(560, 88, 166, 32), Secondary), QStringLiteral("3 items"));

        // Another device's version with one more item, renamed over the
        // document as Syncthing does; the row's delete question names it, and
        // Escape keeps it.
        {
            const QString temporary = QFileInfo(listPath()).dir().filePath(".syncthing.tmp");
            ptListDataModel other;
            QVERIFY(other.newModel(temporary, "Sunday", 0, QString()));
            for (const char *name : {"bread", "eggs", "rice", "tea"})
                QVERIFY(other.addItem(name, "Food", QString(), "1", 0, QString()));
            QVERIFY(other.saveModel());
            other.releaseModel();
            QCOMPARE(std::rename(QFile::encodeName(temporary).constData(),
                                 QFile::encodeName(listPath()).constData()),
                     0);
        }
        QVERIFY2(waitFor([&] { return ocr(QRect(560, 88, 166, 32), Secondary) == "4 items"; }),
                 "the lists screen does not follow the document");
        click(763, 120);
        questionDrawnAndEscaped("Sunday");
        QVERIFY(is(797, 120, Row));
        // A new list: Return answers the overwrite question, Escape cancels the sheet.
        click(400, 445);
        QVERIFY2(waitFor([&] { return questionShown(); }), "no overwrite question");
        key("Return");
        QVERIFY2(waitFor([&] { return is(20, 105, Sheet); }), "no new-list sheet");
        key("Escape");
        QVERIFY(waitFor([&] { return listsShown() && !is(20, 105, Sheet); }));

        // On the editing screen, sorted by category, a category header's question.
        click(37, 120); // the row's edit zone
        QVERIFY(waitFor([&] { return editShown() && is(4, 120, 0xff647599); }));
        click(763, 120);
        questionDrawnAndEscaped("Food");

        // The menu's entries once it has slid down: "Edit list info", "Go shopping".
        const auto menu = [&](int pEntry) {
            click(400, 40);
            QVERIFY2(
                    waitFor([&] { return is(100, pEntry, Bar) && still(QRect(70, 80, 660, 260)); }),
                    "no menu");
            click(400, pEntry);
        };
        // The list information sheet opens with its name selected.
        menu(236);
        QVERIFY2(waitFor([&] { return is(20, 105, Sheet); }), "no list information sheet");
        type("Saturday");
        key("Return");
        // Once the menu has faded out too.
        QVERIFY(waitFor([&] { return editShown() && still(QRect(0, 0, 800, 480)); }));

        const auto addItem = [&](const QString &pName, const QStringList &pFields) {
            click(200, 447); // "new item"
            QVERIFY2(waitFor([&] { return is(20, 77, Sheet); }), "no item dialog");
            type(pName);
            for (const QString &field : pFields) {
                key("Tab");
                if (!field.isEmpty()) // else a button that Tab passes over
                    type(field);
            }
            key("Return");
            QVERIFY(waitFor([&] { return editShown() && !is(20, 77, Sheet); }));
        };
        addItem(QString::fromUtf8("\u05D7\u05DC\u05D1"), {"Dairy", "", "3", "2"});
        // The category the dialog brings, tapped and typed over.
        click(200, 447);
        QVERIFY(waitFor([&] { return is(20, 77, Sheet); }));
        type("cheese");
        click(300, 175);
        type("Bakery");
        key("Tab"); // the category chooser's button
        key("Tab");
        type("1000");
        key("Tab");
        type("0,250");
        key("Return");
        // Rows: [Bakery] cheese [Dairy] and the right-to-left name, which starts
        // at the left of its row and keeps clear of its amount and price.
        QVERIFY(waitFor([&] { return editShown() && is(4, 260, 0xff647599); }));
        const auto whiteIn = [&](int pLeft, int pRight) {
            int found = 0;
            for (int y = 300; y < 360; ++y) {
                for (int x = pLeft; x < pRight; ++x)
                    found += distance(m_screen.pixel(m_origin + QPoint(x, y)), White) < 80;
            }
            return found;
        };
        QVERIFY2(waitFor([&] { return whiteIn(72, 250) > 20; }), "no name at the left of the row");
        QCOMPARE(whiteIn(250, 728), 0);

        // Another device's conflict copy with one more item: merged into the
        // open list and gone to the trash. The changes are written within a
        // second: a kill loses none of them.
        const QString copy
                = QFileInfo(listPath())
                          .dir()
                          .filePath("demo-list.sync-conflict-20261208-101500-ABCDEFG.ptl");
        QVERIFY(waitFor([&] { return rootAttribute("items_list") == "6"; }));
        {
            const QString scratch = m_dataDir->filePath("copy.ptl");
            ptListDataModel other;
            QVERIFY(QFile::copy(listPath(), scratch) && other.loadModel(scratch)
                    && other.addItem("jam", "Food", QString(), "1", 0, QString())
                    && other.saveModel());
            other.releaseModel();
            QVERIFY(QFile::rename(scratch, copy));
        }
        QVERIFY2(
                waitFor([&] { return !QFile::exists(copy) && rootAttribute("items_list") == "7"; }),
                "the conflict copy is not merged");

        // A tap on cheese's delete zone: the undo bar says so, and its UNDO
        // brings cheese back.
        click(763, 180);
        QVERIFY2(waitFor([&] {
                     return ocr(QRect(15, 365, 400, 40), 0xff000000) == "Deleted: cheese";
                 }),
                 "no undo bar");
        QVERIFY(waitFor([&] { return rootAttribute("items_list") == "6"; }));
        click(740, 385);
        QVERIFY(waitFor(
                [&] { return rootAttribute("items_list") == "7" && !is(400, 385, 0xffe0e0e0); }));
        // Ctrl+C puts the list on the X clipboard; items another program put
        // there come in by Ctrl+V and its preview's Return, and go by Ctrl+Z.
        key("ctrl+c");
        QVERIFY(waitFor(
                [&] { return xClipboard().startsWith("Saturday\n\nBakery:\n• cheese — "); }));
        QProcess owner; // xclip, in the foreground, holds the clipboard until it ends
        owner.setProcessEnvironment(appEnvironment());
        owner.start("xclip", {"-quiet", "-selection", "clipboard", "-in"});
        owner.write("- salt\n- pepper\n- Bread");
        owner.closeWriteChannel();
        QVERIFY(waitFor([&] { return xClipboard() == "- salt\n- pepper\n- Bread"; }));
        key("ctrl+v");
        QVERIFY2(waitFor([&] { return is(20, 300, Sheet) && still(QRect(0, 0, 800, 480)); }),
                 "no preview of the pasted items");
        key("Return");
        QVERIFY(waitFor([&] { return rootAttribute("items_list") == "9"; }));
        key("ctrl+z");
        QVERIFY(waitFor([&] { return rootAttribute("items_list") == "7"; }));
        owner.kill();
        owner.waitForFinished();
        m_app.kill();
        QVERIFY(m_app.waitForFinished(5000));
        start();
        QCOMPARE(ocr(QRect(560, 88, 166, 32), Secondary), QStringLiteral("7 items"));
        QCOMPARE(rootAttribute("price_list"), QStringLiteral("256.00"));

        // Shopping: every row into the cart, each tap on the first item row;
        // the checkout counts 0.25 kg.
        click(400, 120);
        QVERIFY(waitFor([&] { return is(797, 447, Bar) && still(QRect(0, 0, 800, 480)); }));
        QCOMPARE(ocr(QRect(100, 10, 600, 40), White), QStringLiteral("Saturday"));
        for (int tick = 0; tick < 7; ++tick) {
            const QImage rows = m_screen.copy(QRect(m_origin + QPoint(0, 95), QSize(800, 300)));
            click(400, 190);
            QVERIFY(waitFor([&] {
                return m_screen.copy(QRect(m_origin + QPoint(0, 95), QSize(800, 300))) != rows
                        && still(QRect(0, 0, 800, 480));
            }));
        }
        QVERIFY2(waitFor([&] { return is(201, 240, Query) && is(598, 240, Query); }),
                 "no checkout window");
        xdo({"mousemove", "0", "0"}); // the pointer is drawn too
        QVERIFY(waitFor([&] { return ocr(QRect(200, 155, 400, 60), White).contains("256.00"); }));
        click(500, 355); // Yes

        QVERIFY(waitFor([&] { return listsShown() && !QFile::exists(listPath()); }));
        const QString trashed = m_dataDir->filePath("Trash/files/demo-list.ptl");
        const QByteArray xml = qUncompress(readFile(trashed));
        QVERIFY2(xml.contains("name=\"Saturday\"") && xml.contains("category=\"Bakery\"")
                         && xml.contains("count=\"0.250\"") && xml.count("<item ") == 7,
                 xml.constData());
    }

    void keyboardOnly_data() { session_data(); }

    // The whole road by keyboard alone, without a pointer event: Tab shows the
    // focus ring; a new list of three items, back, the list opened for
    // shopping, every row ticked, the checkout's Yes, the language switched
    // through the menu, and the quit key.
    void keyboardOnly()
    {
        m_dataDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dataDir->isValid());
        start();
        xdo({"search", "--onlyvisible", "--name", "^Pantrix$", "windowfocus", "--sync"});
        QVERIFY(!is(1, 40, Ring));
        key("Tab");
        QVERIFY2(waitFor([&] { return is(1, 40, Ring); }), "Tab draws no focus ring");

        key("ctrl+n");
        QVERIFY2(waitFor([&] { return is(20, 105, Sheet); }), "no new-list sheet");
        type("Weekly");
        key("Return");
        QVERIFY(waitFor([&] { return editShown(); }));
        for (const char *name : {"milk", "bread", "eggs"}) {
            key("ctrl+n");
            QVERIFY2(waitFor([&] { return is(20, 77, Sheet); }), "no item dialog");
            type(name);
            key("Return");
            QVERIFY(waitFor([&] { return editShown() && !is(20, 77, Sheet); }));
        }
        key("Escape");
        QVERIFY(waitFor([&] { return listsShown() && is(797, 120, Row); }));
        QCOMPARE(rootAttribute("items_list"), QStringLiteral("3"));

        // The list's row made current and opened; each Space ticks the current
        // row, and the row after it becomes current.
        key("Down");
        key("Return");
        QVERIFY(waitFor([&] { return is(797, 447, Bar) && still(QRect(0, 0, 800, 480)); }));
        key("Down");
        for (int tick = 0; tick < 3; ++tick) {
            const QImage rows = m_screen.copy(QRect(m_origin + QPoint(0, 95), QSize(800, 300)));
            key("space");
            QVERIFY(waitFor([&] {
                return m_screen.copy(QRect(m_origin + QPoint(0, 95), QSize(800, 300))) != rows
                        && still(QRect(0, 0, 800, 480));
            }));
        }
        QVERIFY2(waitFor([&] { return is(201, 240, Query) && is(598, 240, Query); }),
                 "no checkout window");
        key("Return");
        QVERIFY(waitFor([&] { return listsShown() && !QFile::exists(listPath()); }));

        // F10 opens the menu; Down reaches "Language", then "Русский".
        key("F10");
        QVERIFY2(waitFor([&] { return is(100, 111, Bar) && still(QRect(0, 0, 800, 480)); }),
                 "F10 opens no menu");
        key("Down");
        key("Return");
        QVERIFY(waitFor([&] { return !is(100, 111, Bar) && still(QRect(0, 0, 800, 480)); }));
        key("Down");
        key("Return");
        const QString settings = m_dataDir->filePath("Orvelle/PantrixApp/data/config.db");
        QVERIFY2(waitFor([&] { return readFile(settings).contains("\"language\" value=\"1\""); }),
                 readFile(settings).constData());
        key("ctrl+q");
        QVERIFY(m_app.waitForFinished(5000));
        QCOMPARE(m_app.exitCode(), 0);
    }

private:
    // The program built with the test, unless PANTRIX_APP names another one.
    static QString program() { return qEnvironmentVariable("PANTRIX_APP", PANTRIX_APP); }
    QString listPath() const
    {
        return m_dataDir->filePath("Orvelle/PantrixApp/lists/demo-list.ptl");
    }
    QString rootAttribute(const QString &pName) const
    {
        QXmlStreamReader reader(qUncompress(readFile(listPath())));
        reader.readNextStartElement();
        return reader.attributes().value(pName).toString();
    }
    QProcessEnvironment appEnvironment() const
    {
        QFETCH(QString, backend);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", m_display);
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        env.insert("XDG_DATA_HOME", m_dataDir->path());
        env.insert("XDG_RUNTIME_DIR", m_runDir.path());
        // A locale without language or currency, in which xdotool types any
        // character: the program's first run is English and prices in AFN.
        env.insert("LC_ALL", "C.UTF-8");
        env.remove("QT_QUICK_BACKEND");
        if (backend == "software")
            env.insert("QT_QUICK_BACKEND", backend);
        return env;
    }
    // Starts the program and waits until its window shows the lists screen.
    void start()
    {
        m_app.setProcessEnvironment(appEnvironment());
        m_app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_app.start(program(), QStringList());
        QVERIFY(m_app.waitForStarted());
        // Without a window manager the window is where the program puts it.
        const QString geometry = xdo({"search", "--sync", "--onlyvisible", "--name", "^Pantrix$",
                                      "getwindowgeometry", "--shell"});
        const auto value = [&](const QString &pKey) {
            return QRegularExpression(pKey + "=(-?\\d+)").match(geometry).captured(1).toInt();
        };
        m_origin = QPoint(value("X"), value("Y"));
        QCOMPARE(QSize(value("WIDTH"), value("HEIGHT")), QSize(800, 480));
        QVERIFY2(waitFor([&] { return listsShown(); }, 10000), "the lists screen is not drawn");
    }
    QString xdo(const QStringList &pArguments)
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(appEnvironment());
        xdotool.start("xdotool", pArguments);
        if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0)
            QTest::qFail(qPrintable("xdotool " + pArguments.join(' ')), __FILE__, __LINE__);
        return QString::fromLatin1(xdotool.readAllStandardOutput());
    }
    void click(int pX, int pY)
    {
        const QPoint at = m_origin + QPoint(pX, pY);
        xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }
    void type(const QString &pText) { xdo({"type", "--delay", "40", pText}); }
    // What another X client reads from the clipboard.
    QString xClipboard()
    {
        QProcess reader;
        reader.setProcessEnvironment(appEnvironment());
        reader.start("xclip", {"-selection", "clipboard", "-out"});
        reader.waitForFinished(10000);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }
    void key(const QString &pKey) { xdo({"key", pKey}); }
    static int distance(QRgb pA, QRgb pB)
    {
        return qMax(qAbs(qRed(pA) - qRed(pB)),
                    qMax(qAbs(qGreen(pA) - qGreen(pB)), qAbs(qBlue(pA) - qBlue(pB))));
    }
    bool is(int pX, int pY, QRgb pColour) const
    {
        return distance(m_screen.pixel(m_origin + QPoint(pX, pY)), pColour) <= 12;
    }
    // What follows an input comes within a second or so; start-up may take longer.
    static bool waitFor(const std::function<bool()> &pDrawn, int pTimeout = 3000)
    {
        return QTest::qWaitFor(pDrawn, pTimeout);
    }
    // Each screen is recognised by points that are in place only once its
    // slide has ended: the lists screen by the right end of its "new list"
    // footer, the editing screen by the tab between its footer buttons and the
    // left end of "new item", a question by both sides of its full-size box.
    bool listsShown() const { return is(100, 20, Bar) && is(797, 420, Bar); }
    bool editShown() const { return is(100, 20, Bar) && is(290, 420, Row) && is(2, 447, Bar); }
    bool questionShown() const
    {
        return is(201, 240, Query) && is(598, 240, Query) && is(230, 135, Bar);
    }

    // Whether pRect shows the same over 150 ms: a slide has ended.
    bool still(const QRect &pRect) const
    {
        const QImage before = m_screen.copy(pRect.translated(m_origin));
        QTest::qWait(150);
        return m_screen.copy(pRect.translated(m_origin)) == before;
    }

    // Text in pInk within pRect: the distance from the ink colour becomes the
    // grey level (ink black, the rest white), enlarged four times for tesseract.
    QString ocr(const QRect &pRect, QRgb pInk) const
    {
        const QImage shot = m_screen.copy(pRect.translated(m_origin));
        QImage grey(shot.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                grey.scanLine(y)[x] = uchar(qMin(255, distance(shot.pixel(x, y), pInk) * 2));
        }
        const QString png = m_runDir.filePath("ocr.png");
        grey.scaled(grey.size() * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(png);
        QProcess tesseract;
        tesseract.start("tesseract", {png, "stdout", "--psm", "6"});
        if (!tesseract.waitForFinished(10000))
            return "(tesseract failed)";
        return QString::fromUtf8(tesseract.readAllStandardOutput()).simplified();
    }

    // The question in front is drawn with its text, which holds pWord, and
    // Escape closes it.
    void questionDrawnAndEscaped(const QString &pWord)
    {
        // The body of the question box, between its title bar and its buttons.
        const QRect body(220, 160, 360, 135);
        const auto whitePixels = [&] {
            int found = 0;
            for (int y = body.top(); y <= body.bottom(); ++y) {
                for (int x = body.left(); x <= body.right(); ++x)
                    found += is(x, y, White);
            }
            return found;
        };
        QVERIFY2(waitFor([&] { return questionShown(); }), "no question box");
        QVERIFY2(waitFor([&] { return whitePixels() > 300; }, 1000),
                 "the question box is drawn without its text");
        const QString text = ocr(body, White);
        QVERIFY2(text.contains(pWord) && text.contains("deleted"), qPrintable(text));
        key("Escape");
        QVERIFY2(waitFor([&] { return !is(201, 240, Query); }), "Escape leaves the question open");
    }
};

QTEST_GUILESS_MAIN(tst_display)
#include "tst_display.moc"
