// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardRecovery.h"
#include "BulgarianCatalogue.h"
#include "ConsoleText.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#ifdef ZARVELON_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// Qt's parser prints its headings in English: the help is written out whole.
const char *const Help =
    "Употреба: zarvelon [ФАЙЛ | --help | --version]\n"
    "\n"
    "Геометрия - неправилен, изпъкнал N-ъгълник: щракнете върховете на изпъкнал\n"
    "многоъгълник върху платното; програмата ги подрежда по контура, разделя\n"
    "многоъгълника на триъгълници с общ връх 1 и изчислява лицето му.\n"
    "ФАЙЛ: текстов файл с по един връх на ред, \"X<Tab>Y\"; върховете му се\n"
    "поставят на празното платно.\n"
    "\n"
    "Клавиши:\n"
    "  Tab, Shift+Tab   към бутоните, платното, списъците и отчета\n"
    "  стрелките        местят кръстчето по платното (със Shift — с 10 пиксела)\n"
    "  Интервал, Enter  поставят връх при кръстчето; на бутон — изпълняват командата\n"
    "  Ctrl+C           на платното копира рисунката, в списък — реда\n"
    "  Ctrl+V           на платното поставя върхове от редове \"X<Tab>Y\"\n"
    "  Ctrl+Z           отменя последната промяна; Ctrl+Y, Ctrl+Shift+Z я повтарят\n"
    "  Delete           в списък изтрива избрания връх\n"
    "  Ctrl+O           отваря върхове от файл; Ctrl+Shift+S ги записва\n"
    "  Ctrl+S           записва отчета като текстов файл\n"
    "  Ctrl+P           отпечатва лист с рисунката и отчета; Ctrl+Shift+P — във файл PDF\n"
    "  Ctrl+Shift+R     записва рисунката като файл PNG\n"
    "  F2               в списъка X или Y премества избрания връх\n"
    "  N                на платното показва или скрива номерата на върховете\n"
    "  Ctrl+стрелка     в отчета минава от блок на блок и го оцветява на платното\n"
    "  Enter            в отчета показва изчислението на блока\n"
    "  Ctrl+Plus, Ctrl+Minus, Ctrl+0\n"
    "                   увеличават и намаляват прозореца и всичко, което отваря\n"
    "                   (до 300 %, колкото побира екранът), или го връщат на\n"
    "                   100 %; програмата помни избраното увеличение\n"
    "  F5               показва рисунката и отчета на цял екран, стъпка по стъпка\n"
    "  F6               упражнение: пресмятате страните и лицата, програмата\n"
    "                   проверява; там и номерирани задачи (\"Нова задача...\")\n"
    "  F1               помощ\n"
    "  F10 или Alt      към менюто; стрелките и Enter избират команда\n"
    "Контекстното меню (десният бутон или Shift+F10) на всеки списък копира,\n"
    "записва и отваря върховете като редове \"X<Tab>Y\"; това на отчета го\n"
    "записва и отпечатва. Файл или текст, пуснат върху платното, се отваря или\n"
    "поставя.\n"
    "\n"
    "X расте надясно, а Y расте надолу от горния ляв ъгъл на платното.\n"
    "\n"
    "Опции:\n"
    "  -h, --help     показва тази помощ\n"
    "  -v, --version  показва версията\n";

// Qt's own options, which QApplication takes off the command line: those
// that take a value, then those that do not.
const char *const QtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "geometry", "qwindowtitle", "title",
                                          "qwindowicon", "icon", "session", "style", "stylesheet",
                                          "qmljsdebugger", "display", "name", "visual"};
const char *const QtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb", "qdevel", "qdebug"};

// The program takes a file to open, --help and --version and Qt's own
// options, and nothing else. All is decided before any window exists, so
// without a display too.
class CommandLine
{
public:
    CommandLine()
    {
        // Qt's options have one dash: -platform, -style.
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.addOptions({m_help, m_version});
        for (const char *name : QtOptionsWithValue)
            m_parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        for (const char *name : QtFlags)
            m_parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }

    // What to print and the exit status, when the program is not to open
    // its window.
    std::optional<std::pair<QString, int>> answer(const QStringList &arguments)
    {
        if (!m_parser.parse(arguments) || m_parser.positionalArguments().size() > 1)
            return std::pair{QStringLiteral("zarvelon: непозната опция или аргумент: %1\n\n%2")
                                 .arg(arguments.mid(1).join(u' '), QString::fromUtf8(Help)),
                             2};
        if (m_parser.isSet(m_help))
            return std::pair{QString::fromUtf8(Help), 0};
        if (m_parser.isSet(m_version))
            return std::pair{QStringLiteral("zarvelon %1\n").arg(QStringLiteral(ZARVELON_VERSION)), 0};
        return std::nullopt;
    }

    // The file to open at start, if any.
    QString file() const { return m_parser.positionalArguments().value(0); }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("показва тази помощ")};
    QCommandLineOption m_version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("показва версията")};
};

// Runs `then` once the window is on the screen, so that a message it brings
// stands over the window, not where the window was yet to be placed.
class WhenShown : public QObject
{
public:
    WhenShown(QWindow *window, std::function<void()> then) : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

// Reading the system's font configuration is the largest part of the
// start, and Qt does it only when the window first measures a text. It is
// read on a thread of its own instead, while the program connects to the
// display; the window waits for it before it measures anything.
class FontConfiguration
{
public:
#ifdef ZARVELON_FONTCONFIG
    FontConfiguration() : m_reading([] { FcInit(); }) {}
    ~FontConfiguration() { waitUntilRead(); }
    void waitUntilRead()
    {
        if (m_reading.joinable())
            m_reading.join();
    }

private:
    std::thread m_reading;
#else
    void waitUntilRead() {}
#endif
};

} // namespace

int main(int argc, char *argv[])
{
    // The arguments as Qt reads them, on Windows from the system's UTF-16:
    // a file named in Cyrillic, given by "Open with", arrives whole.
    const QStringList arguments = [&] {
        const QCoreApplication reader(argc, argv);
        return QCoreApplication::arguments();
    }();
    CommandLine commandLine;
    if (const auto answer = commandLine.answer(arguments)) {
        const auto &[text, status] = *answer;
        writeConsoleText(text, status == 0 ? stdout : stderr);
        return status;
    }

    FontConfiguration fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvelon"));
    QApplication::setOrganizationName(QStringLiteral("Zarvelon")); // where the settings are kept
    QApplication::setApplicationVersion(QStringLiteral(ZARVELON_VERSION));
    // Lets a Wayland dock match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarvelon.Zarvelon"));
    installBulgarianCatalogue(app);
    fonts.waitUntilRead();
    MainWindow window;
    window.show();
    // A file that cannot be opened is said so over an empty board. A file
    // given wins over a board left by a crash, which waits for the next
    // start without one.
    new WhenShown(window.windowHandle(), [&window, file = commandLine.file()] {
        window.keepForRecovery(BoardRecovery::defaultFolder(), file.isEmpty());
        if (!file.isEmpty())
            window.openVertexFile(file);
    });
    return app.exec();
}
