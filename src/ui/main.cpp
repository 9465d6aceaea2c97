#include "ui/Zarvelon.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvelon"));
    Zarvelon window;
    window.show();
    return app.exec();
}
