// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up benchmark: a bare Qt window, titled as the
// program's, of the size given (width, height), and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = QCoreApplication::arguments().mid(1);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zarvelon"));
    window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());
    window.show();
    return app.exec();
}
