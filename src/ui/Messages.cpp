// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"

#include "Board.h"
#include "NumberText.h"
#include "ReportLayout.h"
#include "VertexModel.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Messages {

namespace {

constexpr int LongestQuotedLine = 40;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A line of the user's text as a message quotes it: its tabs as blanks, a
// long one cut short.
QString quoted(const Placement &placement)
{
    QString text = placement.lineText.trimmed().replace(u'\t', u' ');
    if (text.size() > LongestQuotedLine)
        text = text.left(LongestQuotedLine - 1) + u'…';
    return QStringLiteral("ред %1 („%2“)").arg(placement.lineNumber).arg(text);
}

QString holderOf(Source source)
{
    switch (source) {
    case Source::Clipboard: return QStringLiteral("В клипборда");
    case Source::Drop: return QStringLiteral("В пуснатия текст");
    default: return QStringLiteral("Във файла");
    }
}

QString nothingDone(Source source)
{
    switch (source) {
    case Source::File: return QStringLiteral("Върховете на платното са непроменени.");
    default: return QStringLiteral("Не е поставен нито един връх.");
    }
}

QString fileHeading(const QString &path)
{
    return QStringLiteral("Върховете от „%1“ не са отворени.").arg(native(path));
}

QString linesNotPlaced(const Placement &placement, Source source, const QRect &area, int present)
{
    const QString form = QStringLiteral("Всеки ред трябва да съдържа две цели числа, X и Y, разделени с "
                                        "табулация, интервали или точка и запетая.");
    switch (placement.outcome) {
    case Placement::Placed: return {};
    case Placement::BoardClosed:
        return QStringLiteral("Лицето вече е изчислено, затова нови върхове не се поставят. Изберете ред от "
                              "списъците, изтрийте връх или натиснете „Чисти“ и поставете върховете отново.");
    case Placement::NoVertices: return QStringLiteral("%1 няма върхове за поставяне.\n%2").arg(holderOf(source), form);
    case Placement::NotAVertex:
        return QStringLiteral("Не е връх: %1.\n%2\n%3").arg(quoted(placement), form, nothingDone(source));
    case Placement::OffCanvas:
        return QStringLiteral("Върхът е извън платното: %1. X може да е от %2 до %3, а Y — от %4 до %5.\n%6")
            .arg(quoted(placement))
            .arg(area.left()).arg(area.right()).arg(area.top()).arg(area.bottom())
            .arg(nothingDone(source));
    case Placement::NoRoom:
        return QStringLiteral("Няма място за толкова върхове: от %1 нататък. На платното може да има най-много "
                              "%2 върха")
                   .arg(quoted(placement))
                   .arg(VertexModel::MaxVertices)
               + (present > 0 ? QStringLiteral(", а вече има %1.").arg(present) : QStringLiteral("."))
               + u'\n' + nothingDone(source);
    }
    return {};
}

} // namespace

QString notPlaced(const Placement &placement, Source source, const QRect &area, int present, const QString &file)
{
    if (source == Source::Press) {
        if (placement.outcome != Placement::NoRoom)
            return {};
        return QStringLiteral("На платното вече има най-много върхове: %1.\n"
                              "Изтрийте връх или натиснете „Чисти“, за да поставите нов.")
            .arg(VertexModel::MaxVertices);
    }
    const QString words = linesNotPlaced(placement, source, area, present);
    return source == Source::File && !words.isEmpty() ? fileHeading(file) + u'\n' + words : words;
}

QString boardClosed()
{
    return QStringLiteral("Лицето вече е изчислено. За нов връх изберете ред от списъците или натиснете „Чисти“.");
}

QString nothingPicked(int vertices)
{
    return vertices == 0 ? QStringLiteral("Няма върхове за изтриване.")
                         : QStringLiteral("Няма избран връх. Щракнете върху ред от списъците, после „Трий 1т“.");
}

QString whereMoreIs()
{
    return QStringLiteral("F1: помощ. Десен бутон върху списък или отчета: още команди.");
}

QString notMoved(VertexModel::Column column, const QRect &area)
{
    const bool x = column == VertexModel::XColumn;
    return QStringLiteral("%1 трябва да е цяло число от %2 до %3. Върхът не е преместен.")
        .arg(x ? QStringLiteral("X") : QStringLiteral("Y"))
        .arg(x ? area.left() : area.top())
        .arg(x ? area.right() : area.bottom());
}

FileKind fileKind(Document document)
{
    const QString text = QStringLiteral("Текстови файлове (*.txt);;Всички файлове (*)");
    const QString txt = QStringLiteral("txt");
    const QString pdfFiles = QStringLiteral("PDF файлове (*.pdf)");
    const QString pdf = QStringLiteral("pdf");
    switch (document) {
    case Document::Vertices:
        return {QStringLiteral("Запиши върховете като"), QStringLiteral("Отвори върхове"),
                QStringLiteral("върхове.txt"), text, txt};
    case Document::Report:
        return {QStringLiteral("Запиши отчета като"), {}, QStringLiteral("отчет.txt"), text, txt};
    case Document::Worksheet:
        return {QStringLiteral("Запиши листа като PDF"), {}, QStringLiteral("лист.pdf"), pdfFiles, pdf};
    case Document::PupilWorksheet:
        return {QStringLiteral("Запиши листа на ученика като PDF"), {}, QStringLiteral("лист-ученик.pdf"), pdfFiles,
                pdf};
    case Document::ClassSet:
        return {QStringLiteral("Запиши комплекта за класа като PDF"), {}, QStringLiteral("комплект.pdf"), pdfFiles,
                pdf};
    case Document::Picture:
        return {QStringLiteral("Запиши рисунката като"), {}, QStringLiteral("рисунка.png"),
                QStringLiteral("PNG файлове (*.png)"), QStringLiteral("png")};
    }
    return {};
}

QString notSaved(Document document, const QString &path, const QString &reason)
{
    switch (document) {
    case Document::Vertices:
        return QStringLiteral("Върховете не са записани в „%1“: %2.").arg(native(path), reason);
    case Document::Report:
        return QStringLiteral("Отчетът не е записан в „%1“: %2.").arg(native(path), reason);
    case Document::Worksheet:
    case Document::PupilWorksheet:
    case Document::ClassSet:
        return QStringLiteral("Листът не е записан в „%1“: %2.").arg(native(path), reason);
    case Document::Picture:
        return QStringLiteral("Рисунката не е записана в „%1“: %2.").arg(native(path), reason);
    }
    return {};
}

QString unreadable(const QString &path, const QString &reason)
{
    return QStringLiteral("%1\nФайлът не може да бъде прочетен: %2.").arg(fileHeading(path), reason);
}

QString tooLarge(const QString &path, qint64 largestBytes)
{
    return QStringLiteral("%1\nФайлът е по-голям от %2 MB: не е файл с върхове.")
        .arg(fileHeading(path))
        .arg(largestBytes >> 20);
}

QString notAFile(const QString &path)
{
    return QStringLiteral("%1\nТова не е обикновен файл, а например папка или устройство.")
        .arg(fileHeading(path));
}

QString notText(const QString &path)
{
    return QStringLiteral("%1\nФайлът не е текст: може би е документ, таблица или картина. Запишете върховете "
                          "като обикновен текст (.txt).")
        .arg(fileHeading(path));
}

QString nothingToSave()
{
    return QStringLiteral("На платното няма върхове: няма какво да се запише.");
}

QString whichSheet()
{
    return QStringLiteral("Изберете лист.\n„Лист на учителя“ е с целия отчет. „Лист на ученика“ е със задача: "
                          "рисунката и координатите на върховете, с празни места за страните и лицата.\n"
                          "„Комплект за класа“ е по един лист на ученика с различна задача за всеки, "
                          "а след тях — листът на учителя на всяка задача.");
}

QString sheetName(Document sheet)
{
    switch (sheet) {
    case Document::PupilWorksheet: return QStringLiteral("Лист на ученика");
    case Document::ClassSet: return QStringLiteral("Комплект за класа...");
    default: return QStringLiteral("Лист на учителя");
    }
}

QString preparingSheet()
{
    return QStringLiteral("Листът се подготвя...");
}

QString noPrinter()
{
    return QStringLiteral("Няма инсталиран принтер.\nЗапишете листа като файл PDF и го отпечатайте от друг "
                          "компютър.");
}

QString savePdfInstead()
{
    return QStringLiteral("Запиши като PDF...");
}

QString printDialogCaption()
{
    return QStringLiteral("Отпечатай листа");
}

QString printerFailed(const QString &printer)
{
    return QStringLiteral("Листът не е отпечатан: принтерът „%1“ не отговаря. Проверете дали е включен.")
        .arg(printer);
}

QString ok()
{
    return QStringLiteral("Добре");
}

QString cancel()
{
    return QStringLiteral("Отказ");
}

QString helpCaption()
{
    return QStringLiteral("Zarvelon — помощ");
}

QString triangleAreas(const FanTriangle &triangle)
{
    return QStringLiteral("Триъгълник 1, %1, %2\nЛице по Херон = %3; Лице ориентирано = %4")
        .arg(triangle.k)
        .arg(triangle.k + 1)
        .arg(standardNumberText(triangle.measures.heron), standardNumberText(std::fabs(triangle.measures.determinant)));
}

QString overlapping(int count)
{
    return QStringLiteral("Тук се застъпват %1 триъгълника: сборът в отчета брои това място %1 пъти.").arg(count);
}

QString canvasDescription(const Board &board)
{
    const int n = board.vertices().vertexCount();
    QString words = n == 0 ? QStringLiteral("Няма върхове.")
                  : n == 1 ? QStringLiteral("1 връх.")
                           : QStringLiteral("%1 върха.").arg(n);
    if (const int picked = board.selectedRow(); picked >= 0) {
        const Point p = board.points()[picked];
        words += QStringLiteral(" Избран е връх %1 (%2, %3).").arg(picked + 1).arg(qint64(p.x)).arg(qint64(p.y));
    }
    const DrawnFigure &figure = board.figure();
    if (board.isClosed() && figure.base == DrawnFigure::Base::Fan && figure.fan) {
        // The report's total line and its warning, if any: its lines from the
        // total on.
        const LinedText &report = board.reportLines();
        const int total = firstLineOf({ReportPart::Total, -1}, int(figure.fan->triangles.size()));
        for (int line = total; line < report.lineCount(); ++line) {
            words += u' ';
            words += report.lineContent(line);
        }
    }
    return words;
}

QString workingCaption()
{
    return QStringLiteral("Zarvelon — изчисление");
}

QString pixelCoordinates(QPoint pixel)
{
    return QStringLiteral("X = %1; Y = %2").arg(standardNumberText(pixel.x()), standardNumberText(pixel.y()));
}

QString presentationCaption()
{
    return QStringLiteral("Zarvelon — на цял екран");
}

QString presentationKeys()
{
    return QStringLiteral("→ напред, ← назад, номер и Enter — към триъгълника, Escape — изход");
}

namespace {

QString vertexWithCoordinates(int number, Point p)
{
    return QStringLiteral("%1 (%2; %3)").arg(number).arg(standardNumberText(p.x), standardNumberText(p.y));
}

} // namespace

QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns)
{
    const int n = int(vertices.size());
    QStringList lines{n == 0 ? QStringLiteral("Няма върхове.")
                             : QStringLiteral("Върхове (%1) с координатите им (X; Y):").arg(n)};
    const int rows = std::max(1, room - 2);
    const int shown = n <= rows * columns ? n : rows * columns - 1;
    for (int row = 0; row < rows && row < shown; ++row) {
        QStringList cells;
        for (int i = row; i < shown; i += rows)
            cells << vertexWithCoordinates(i + 1, vertices[size_t(i)]);
        if (row == rows - 1 && shown < n)
            cells << QStringLiteral("… и още %1").arg(n - shown);
        lines << cells.join(u'\t');
    }
    lines << QStringLiteral("X расте надясно, Y расте надолу от горния ляв ъгъл на платното.");
    return lines;
}

QString notComputed()
{
    return QStringLiteral("Натиснете „Контур“ или „Поред“, за да видите триъгълниците.");
}

QStringList triangleStep(const FanTriangle &t, int index, int count, double runningTotal)
{
    const TriangleMeasures &m = t.measures;
    return {QStringLiteral("Триъгълник %1 от %2: върхове 1, %3 и %4").arg(index + 1).arg(count).arg(t.k).arg(t.k + 1),
            QStringLiteral("%1, %2, %3").arg(vertexWithCoordinates(1, t.A), vertexWithCoordinates(t.k, t.B),
                                             vertexWithCoordinates(t.k + 1, t.C)),
            QStringLiteral("Страни: a = %1; b = %2; c = %3")
                .arg(fixedDecimalsText(m.a, 3), fixedDecimalsText(m.b, 3), fixedDecimalsText(m.c, 3)),
            QStringLiteral("Лице по Херон = %1").arg(standardNumberText(m.heron)),
            QStringLiteral("D = %1; лице ориентирано |D| = %2")
                .arg(roundedNumberText(m.determinant, 3), standardNumberText(std::fabs(m.determinant))),
            QStringLiteral("Сбор на |D| дотук: %1").arg(standardNumberText(runningTotal))};
}

QStringList totalStep(const Board &board)
{
    QStringList lines;
    const DrawnFigure &figure = board.figure();
    if (!figure.fan)
        return lines;
    const LinedText &report = board.reportLines();
    const int total = firstLineOf({ReportPart::Total, -1}, int(figure.fan->triangles.size()));
    for (int line = total; line < report.lineCount(); ++line)
        if (!report.lineContent(line).isEmpty())
            lines << report.lineContent(line).toString();
    return lines;
}

QString copyCaption()
{
    return QStringLiteral("&Копирай");
}

QString selectAllCaption()
{
    return QStringLiteral("&Избери всичко");
}

QString reportOutOfDate()
{
    return QStringLiteral("Отчетът описва многоъгълника преди последната промяна.");
}

QString reportOutOfDateDescription()
{
    return reportOutOfDate() + QStringLiteral(" „Контур“ или „Поред“ пише нов отчет.");
}

QString classSetCaption()
{
    return QStringLiteral("Комплект за класа");
}

QString classSetSheets()
{
    return QStringLiteral("Брой листове на ученици (от 1 до 40):");
}

QString classSetVertices()
{
    return QStringLiteral("Брой върхове на многоъгълника (от 3 до 10):");
}

QString variantMark(int variant)
{
    return QStringLiteral("Вариант %1").arg(variant);
}

QStringList answersPage(const std::vector<int> &variants)
{
    QStringList numbers;
    for (int variant : variants)
        numbers << QString::number(variant);
    return {QStringLiteral("Отговори"),
            QStringLiteral("Следват листовете на учителя с отчета на всеки вариант, в реда на листовете на "
                           "учениците: %1.").arg(numbers.join(QStringLiteral(", "))),
            QStringLiteral("Ученикът може да провери отговорите си и сам: в прозореца „Упражнение“ (клавиш F6) "
                           "напишете номера на варианта и натиснете „Отвори варианта“.")};
}

QString practiceText(PracticeText text)
{
    switch (text) {
    case PracticeText::Caption:
        return QStringLiteral("Zarvelon — упражнение");
    case PracticeText::Nothing:
        return QStringLiteral("Няма многоъгълник за упражнение: отчетът не описва триъгълници. Поставете поне три "
                          "върха и натиснете „Контур“ или натиснете „Нова задача...“.");
    case PracticeText::BoardChanged:
        return QStringLiteral("Отчетът вече не описва този многоъгълник: отговорите тук са за предишния.");
    case PracticeText::Again:
        return QStringLiteral("Започни ново упражнение");
    case PracticeText::Total:
        return QStringLiteral("Лице на многоъгълника");
    case PracticeText::Check:
        return QStringLiteral("Провери");
    case PracticeText::Solve:
        return QStringLiteral("Покажи решението");
    case PracticeText::NewTask:
        return QStringLiteral("Нова задача...");
    case PracticeText::Variant:
        return QStringLiteral("Номер на варианта:");
    case PracticeText::OpenVariant:
        return QStringLiteral("Отвори варианта");
    case PracticeText::ShowWorking:
        return QStringLiteral("Покажи изчислението");
    case PracticeText::VertexCount:
        return QStringLiteral("Брой върхове (от 3 до 10):");
    }
    return {};
}

QString practiceHeading(int variant, int vertices)
{
    const QString count = QStringLiteral("%1 върха").arg(vertices);
    return variant > 0 ? QStringLiteral("Задача вариант %1: многоъгълник с %2").arg(variant).arg(count)
                       : QStringLiteral("Многоъгълникът от отчета: %1").arg(count);
}

QString practiceVertices(const std::vector<Point> &vertices)
{
    QStringList listed;
    for (size_t i = 0; i < vertices.size(); ++i)
        listed << vertexWithCoordinates(int(i) + 1, vertices[i]);
    return QStringLiteral("Координати на върховете (X; Y): %1.").arg(listed.join(QStringLiteral(", ")));
}

QString practiceRules()
{
    const QLocale locale;
    return QStringLiteral("Пресметнете страните на всеки триъгълник с три десетични знака, лицето му по Херон и "
                          "|D|, после лицето на многоъгълника, и натиснете Enter или „Провери“.\n"
                          "Лицето по Херон се приема с разлика до %1 % или до %2 (по-голямото), защото се смята "
                          "от закръглени страни; |D| и лицето на многоъгълника — само точни.")
        .arg(locale.toString(100 * Practice::HeronShare), locale.toString(Practice::HeronTolerance));
}

QString practiceTooLarge(int most)
{
    return QStringLiteral("Многоъгълникът от отчета има повече от %1 върха: упражнението е за по-малки. "
                          "Натиснете „Нова задача...“.").arg(most);
}

QString practiceTriangle(const FanTriangle &triangle, int index)
{
    return QStringLiteral("Триъгълник %1 (върхове 1, %2, %3)").arg(index + 1).arg(triangle.k).arg(triangle.k + 1);
}

QString practiceColumn(Practice::Field field)
{
    switch (field) {
    case Practice::SideA: return QStringLiteral("a");
    case Practice::SideB: return QStringLiteral("b");
    case Practice::SideC: return QStringLiteral("c");
    case Practice::Heron: return QStringLiteral("S по Херон");
    case Practice::Determinant: return QStringLiteral("|D|");
    case Practice::FieldsPerTriangle: break;
    }
    return practiceText(PracticeText::Total);
}

QString practiceFieldName(int index, Practice::Field field)
{
    switch (field) {
    case Practice::SideA:
    case Practice::SideB:
    case Practice::SideC:
        return QStringLiteral("Триъгълник %1, страна %2").arg(index + 1).arg(practiceColumn(field));
    case Practice::Heron: return QStringLiteral("Триъгълник %1, лице по Херон").arg(index + 1);
    case Practice::Determinant:
        return QStringLiteral("Триъгълник %1, абсолютна стойност на D").arg(index + 1);
    case Practice::FieldsPerTriangle: break;
    }
    return practiceText(PracticeText::Total);
}

QString practiceScore(int right, int fields, bool solutionShown)
{
    const QString score = QStringLiteral("%1 от %2 верни").arg(right).arg(fields);
    return solutionShown ? score + QStringLiteral(" — решението е показано и резултатът не се брои.") : score;
}

QString practiceSolved()
{
    return QStringLiteral("Решението е показано: резултатът не се брои.");
}

namespace {

// The vertices of a side, as the working names them: a = BC, b = AC, c = AB.
std::pair<int, int> sideVertices(const FanTriangle &t, Practice::Field side)
{
    switch (side) {
    case Practice::SideA: return {t.k, t.k + 1};
    case Practice::SideB: return {1, t.k + 1};
    default: return {1, t.k};
    }
}

// D's products in the working's order, as x and y of vertex numbers.
QString determinantTerm(const FanTriangle &t, int term)
{
    const int A = 1, B = t.k, C = t.k + 1;
    const std::pair<int, int> xy[] = {{A, B}, {C, A}, {B, C}, {C, B}, {A, C}, {B, A}};
    const auto [x, y] = xy[std::clamp(term, 0, 5)];
    return term == 1 || term == 4 ? QStringLiteral("y%1·x%2").arg(y).arg(x) : QStringLiteral("x%1·y%2").arg(x).arg(y);
}

} // namespace

QString practiceHint(const Practice::Verdict &v, const FanTriangle *t, Practice::Field field)
{
    using Practice::Hint;
    const bool total = field == Practice::FieldsPerTriangle;
    switch (v.hint) {
    case Hint::None: return {};
    case Hint::NotANumber:
        return QStringLiteral("Това не е число. Напишете само цифри, със запетая или точка пред десетичните знаци.");
    case Hint::Rounding:
        return QStringLiteral("Почти: закръглете дължината до три десетични знака.");
    case Hint::SquareRoot:
        return field == Practice::Heron
            ? QStringLiteral("Това е произведението p(p − a)(p − b)(p − c). Лицето е корен квадратен от него.")
            : QStringLiteral("Това е сборът на квадратите на разликите. Страната е корен квадратен от него.");
    case Hint::OtherSide: {
        const auto [from, to] = sideVertices(*t, field);
        return QStringLiteral("Това е дължината на страна %1. Страна %2 свързва върхове %3 и %4.")
            .arg(practiceColumn(Practice::Field(v.detail)), practiceColumn(field))
            .arg(from)
            .arg(to);
    }
    case Hint::XDifference:
    case Hint::YDifference:
    case Hint::Differences: {
        const auto [from, to] = sideVertices(*t, field);
        if (v.hint == Hint::Differences)
            return QStringLiteral("Проверете разликите на координатите на върхове %1 и %2 и техните квадрати.")
                .arg(from)
                .arg(to);
        return QStringLiteral("Проверете разликата на координатите %1 на върхове %2 и %3.")
            .arg(v.hint == Hint::XDifference ? u'X' : u'Y')
            .arg(from)
            .arg(to);
    }
    case Hint::HalfPerimeter: return QStringLiteral("p е половината от периметъра: p = (a + b + c) / 2.");
    case Hint::FromWrongSides:
        return QStringLiteral("Лицето е пресметнато вярно от вашите страни, но те не са верни: поправете първо тях.");
    case Hint::HeronFactor:
        return QStringLiteral("Проверете множителя p − %1: страната се изважда от p.")
            .arg(practiceColumn(Practice::Field(v.detail)));
    case Hint::HeronFactors:
        return QStringLiteral("Проверете p = (a + b + c) / 2 и множителите p − a, p − b и p − c.");
    case Hint::NotHalf:
        return (total ? QStringLiteral("Лицето на многоъгълника е сборът на точните |D|: цяло число или "
                                       "завършващо на %1.")
                      : QStringLiteral("|D| е точно число: цяло или завършващо на %1. Пресметнете D по "
                                       "координатите, без закръгляне."))
            .arg(QLocale().toString(0.5).mid(1));
    case Hint::Sign: return QStringLiteral("Лицето не може да е отрицателно: вземете абсолютната стойност.");
    case Hint::Half: return QStringLiteral("Това е два пъти |D|: не забравяйте ½ пред скобата.");
    case Hint::DeterminantTerm:
        return QStringLiteral("Проверете произведението %1 в скобата на D и знака пред него.")
            .arg(determinantTerm(*t, v.detail));
    case Hint::DeterminantTerms:
        return QStringLiteral("Проверете шестте произведения в скобата на D: първите три се събират, "
                              "последните три се изваждат.");
    case Hint::TriangleOnceEach:
        return QStringLiteral("Проверете дали |D| на триъгълник %1 е събрано точно веднъж.").arg(v.detail + 1);
    case Hint::Sum: return QStringLiteral("Съберете |D| на всички триъгълници.");
    }
    return {};
}

QString practiceVerdict(const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field field)
{
    switch (verdict.result) {
    case Practice::Verdict::Empty: return QStringLiteral("Не е попълнено.");
    case Practice::Verdict::Right: return QStringLiteral("Вярно.");
    case Practice::Verdict::Wrong: break;
    }
    return QStringLiteral("Грешно. ") + practiceHint(verdict, triangle, field);
}

} // namespace Messages
