// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up benchmark: a bare Qt window, titled as the
// program's, of the size given (width, height), and nothing else; or, with
// a third argument, that window showing it as one line of text: the least
// any window with words in it does, reading the fonts of the system.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = QCoreApplication::arguments().mid(1);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zarvelon"));
    window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());
    if (size.size() > 2)
        window.setCentralWidget(new QLabel(size.at(2)));
    window.show();
    return app.exec();
}
