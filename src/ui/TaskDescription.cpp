// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskDescription.h"

#include <QStringList>

namespace {

QString linesEndedByCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

// Every blank counts: lines 1 and 4 hold a double blank, lines 16 and 18 end
// with a blank. Line 15 names set "B" with a Latin letter; elsewhere "А" and
// "В" are Cyrillic.
QString taskDescription()
{
    return linesEndedByCrLf({
        QStringLiteral("При проучвания за проектиране и строителство често срещана задача е изчисляване площ на неправилен изпъкнал многоъгълник. Входни данни са  координати на триангулачни точки - координати на върховете му."),
        QStringLiteral("Да се реализира проект, представящ междупредметни връзки Геометрия и Информатика."),
        QStringLiteral("Тема на проекта: Геометрия - неправилен, изпъкнал N-ъгълник."),
        QStringLiteral("Примерният проект използва графичен потребителски интерес, чрез който  интерактивно се въвеждат координати на точки или се изтрива съществуваща точка."),
        QStringLiteral("Автоматично се изчислява лице на неправилен, изпъкнал N-ъгълник като сума от лицата на съставящите го триъгълници."),
        QString(),
        QString(),
        QStringLiteral("Алгоритъм за подреждане на върховете на неправилен, изпъкнал N-ъгълник"),
        QStringLiteral("Всяка въведена точка трябва да бъде връх от един изпъкнал многоъгълник."),
        QStringLiteral("Намират се точката с най-малка стойност по ордината."),
        QStringLiteral("Нейните координати ще означим с Xn, Yn."),
        QStringLiteral("Множеството от всички точки (списъчно поле) са разделят на две подмножества А и В."),
        QStringLiteral("При всяко прехвърляне стойностите от началното списъчно поле се изтриват."),
        QStringLiteral("множеството А съдържа всички точки, чийто стойност по абсцисата X<=Xn"),
        QStringLiteral("множеството B съдържа всички точки, чийто стойност по абсцисата X>Xn"),
        QStringLiteral("Множеството А се сортира във възходящ ред по ордината. "),
        QStringLiteral("След сортиране се прехвърля в началното списъчно поле в новата наредба."),
        QStringLiteral("Множеството В се сортира в низходящ ред по ордината. "),
        QStringLiteral("След сортиране се добавя към началното списъчно поле в новата наредба."),
        QStringLiteral("Използва се новата наредба на точките, построяват се линии между всеки две съседни точки, включително между последната и първа точки."),
        QStringLiteral("Алгоритъмът не работи коректно при неизпъкнал или самопресичащ се многоъгълник. Прочетете допълнителен материал за метод на трапеците."),
    });
}
