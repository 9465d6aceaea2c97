// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PracticeMessages.h"

#include "Fan.h"
#include "Messages.h"

#include <QLocale>

#include <algorithm>

namespace Messages {

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
                          "Лицето по Херон е вярно, когато формулата на Херон го дава от верни страни с три "
                          "десетични знака, с p и множителите, закръглени също така; при тесен триъгълник това са "
                          "няколко процента. Винаги е вярно с разлика до %1 % или до %2 (по-голямото). |D| и "
                          "лицето на многоъгълника — само точни.")
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
            .arg(v.hint == Hint::XDifference ? QStringLiteral("X") : QStringLiteral("Y"))
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
    case Hint::Sign:
        if (field <= Practice::SideC)
            return QStringLiteral("Дължината не може да е отрицателна: разстоянието между два върха е положително.");
        return field == Practice::Heron
            ? QStringLiteral("Лицето не може да е отрицателно: коренът квадратен е положително число.")
            : QStringLiteral("Лицето не може да е отрицателно: вземете абсолютната стойност.");
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
