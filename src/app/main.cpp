#include <QApplication>

#include "ptStartup.h"

int main(int argc, char *argv[])
{
    ptStartup::setIdentity();
    QApplication application(argc, argv);
    return ptStartup::run();
}
