// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BulgarianCatalogue.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

// Qt's parser prints its headings in English: the help is written out whole.
const char *const Help =
    "Употреба: zarvelon [--help | --version]\n"
    "\n"
    "Геометрия - неправилен, изпъкнал N-ъгълник: щракнете върховете на изпъкнал\n"
    "многоъгълник върху платното; програмата ги подрежда в контур, разделя\n"
    "многоъгълника на триъгълници от връх 1 и изчислява лицето му.\n"
    "С клавиатурата: стрелките местят кръстчето по платното (Shift - по 10 точки),\n"
    "интервал или Enter поставя връх.\n"
    "\n"
    "Опции:\n"
    "  -h, --help     показва тази помощ\n"
    "  -v, --version  показва версията\n";

// The program takes --help and --version, and nothing else.
class CommandLine
{
public:
    CommandLine() { m_parser.addOptions({m_help, m_version}); }

    // The answer to --help or --version, if asked; Qt's own options
    // (-platform, ...) may still be among the arguments.
    std::optional<QString> answer(const QStringList &arguments)
    {
        m_parser.parse(arguments);
        if (m_parser.isSet(m_help))
            return QString::fromUtf8(Help);
        if (m_parser.isSet(m_version))
            return QStringLiteral("zarvelon %1\n").arg(QStringLiteral(ZARVELON_VERSION));
        return std::nullopt;
    }

    // What Qt left of the command line: anything at all is refused.
    std::optional<QString> refusal(const QStringList &arguments)
    {
        if (m_parser.parse(arguments) && m_parser.positionalArguments().isEmpty())
            return std::nullopt;
        return QStringLiteral("zarvelon: непозната опция или аргумент: %1\n\n%2")
            .arg(arguments.mid(1).join(u' '), QString::fromUtf8(Help));
    }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("показва тази помощ")};
    QCommandLineOption m_version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("показва версията")};
};

} // namespace

int main(int argc, char *argv[])
{
    CommandLine commandLine;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    // Answered before any window exists, so that they work without a display.
    if (const auto answer = commandLine.answer(arguments)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvelon"));
    QApplication::setApplicationVersion(QStringLiteral(ZARVELON_VERSION));
    // Lets a Wayland dock match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarvelon.Zarvelon"));
    if (const auto refusal = commandLine.refusal(QApplication::arguments())) {
        std::fputs(refusal->toLocal8Bit().constData(), stderr);
        return 2;
    }
    installBulgarianCatalogue(app);
    MainWindow window;
    window.show();
    return app.exec();
}
