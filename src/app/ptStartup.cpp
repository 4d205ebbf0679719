#include "ptStartup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QQmlEngine>
#include <QQuickView>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <memory>

#include "ptApplicationManager.h"
#include "ptSceneSingletons.h"
#include "ptSignalQuitter.h"
#include "ptSingleInstance.h"

void ptStartup::setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvelle"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvelle.org"));
    QCoreApplication::setApplicationName(QStringLiteral("PantrixApp"));
}

std::unique_ptr<QThread> ptStartup::readFonts()
{
    std::unique_ptr<QThread> thread(QThread::create([] {
        // The font database is shared by all threads; the font itself is
        // loaded again by the thread that draws with it.
        QFontMetricsF(QFont()).height();
    }));
    thread->start();
    return thread;
}

// The scenes' module registers its native types (the controller and the
// models) from a static initialiser in an object file of its own; a reference
// to it keeps the linker from leaving that file out of the static library, as
// Qt's documentation of QML modules in static libraries asks.
extern void qml_register_types_Pantrix();

void ptStartup::loadRootScene(QQuickView *pView, ptApplicationManager *pManager)
{
    pView->setTitle(QStringLiteral("Pantrix"));
    pManager->setView(pView);
    volatile auto registration = &qml_register_types_Pantrix;
    Q_UNUSED(registration);
    ptSceneSingletons::publish(pManager);
    // A language switch re-evaluates every text the scenes translate.
    QObject::connect(pManager, &ptApplicationManager::languageChanged, pView->engine(),
                     &QQmlEngine::retranslate);
    // The scenes import their own module, "Pantrix", to reach the native types.
    pView->engine()->addImportPath(QStringLiteral("qrc:/qml"));
    pView->setSource(QUrl(QStringLiteral("qrc:/qml/Pantrix/main.qml")));
    pView->setResizeMode(QQuickView::SizeRootObjectToView);
}

int ptStartup::run()
{
    // A termination signal (the session ending, a service manager, Ctrl+C)
    // and the desktop closing the window end the program the way the quit
    // button does, so the teardown below saves the open list and the settings.
    // The handlers are in place before any file is read: a signal that comes
    // while the files are read takes effect once the event loop runs. The
    // window's close is wired here rather than left to the application's
    // quitOnLastWindowClosed default.
    ptSignalQuitter signalQuitter;
    QObject::connect(&signalQuitter, &ptSignalQuitter::quitRequested, qApp,
                     &QCoreApplication::quit);
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, qApp, &QCoreApplication::quit);

    // A program already running on this data directory comes to the front
    // instead; this one ends before it has read or written any file. The lock
    // is held until the controller below has saved at teardown.
    ptSingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!instance.acquire())
        return 0;

    const std::unique_ptr<QThread> fonts = readFonts();
    const auto waitForFonts = qScopeGuard([&fonts] { fonts->wait(); });
    int exitCode = 1;
    auto manager = std::make_unique<ptApplicationManager>();

    if (!manager->initialize()) {
        QMessageBox box(QMessageBox::Critical, QObject::tr("Error"),
                        QObject::tr("Application initialization error. Please, contact the "
                                    "developer."),
                        QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::NoButton);
        box.exec();
        return exitCode;
    }

    {
        QQuickView view;
        loadRootScene(&view, manager.get());
        QObject::connect(&instance, &ptSingleInstance::activationRequested, &view, [&view] {
            view.showFullScreen();
            view.raise();
            view.requestActivate();
        });
        view.showFullScreen();

        exitCode = QCoreApplication::exec();
        manager->setView(nullptr);
    }

    return exitCode;
}
