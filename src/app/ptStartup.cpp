#include "ptStartup.h"

#include <QApplication>
#include <QMessageBox>
#include <QQmlContext>
#include <QQuickView>
#include <QUrl>

#include <memory>

#include "ptApplicationManager.h"

void ptStartup::setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvelle"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvelle.org"));
    QCoreApplication::setApplicationName(QStringLiteral("PantrixApp"));
}

int ptStartup::run()
{
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
        view.setTitle(QStringLiteral("Pantrix"));
        manager->setView(&view);

        QQmlContext *context = view.rootContext();
        context->setContextProperty(QStringLiteral("applicationManager"), manager.get());
        context->setContextProperty(QStringLiteral("listsDataModel"), manager->listsDataModel());
        context->setContextProperty(QStringLiteral("listDataModel"), manager->listDataModel());
        context->setContextProperty(QStringLiteral("categoriesDataModel"),
                                    manager->categoriesDataModel());
        context->setContextProperty(QStringLiteral("amountUnitsDataModel"),
                                    manager->amountUnitsDataModel());
        context->setContextProperty(QStringLiteral("currencyUnitsDataModel"),
                                    manager->currencyUnitsDataModel());
        context->setContextProperty(QStringLiteral("languagesDataModel"),
                                    manager->languagesDataModel());

        view.setSource(QUrl(QStringLiteral("qrc:/qml/qml/main.qml")));
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.showFullScreen();

        exitCode = QCoreApplication::exec();
        manager->setView(nullptr);
    }

    return exitCode;
}
