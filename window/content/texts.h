// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window's fixed texts, in UTF-8. Each line of a text ends in a line
// break; blanks at line ends belong to the text.
#pragma once

namespace content {

inline constexpr char kCaption[] = "www.example.org Kelvani";
inline constexpr char kHeading[] = "Kelvani";
inline constexpr char kClearCaption[] = "Чисти";

// Label1[0] is the heading; Label1[1..3] name Available, Crossed, Remaining.
inline constexpr const char *kLabelCaptions[4] = {kHeading, "Достъпни", "Преминати", "Оставащи"};

// The problem statement shown at the bottom of the window.
inline constexpr char kStatement[] =
    "Счита се, че използваните от Ойлер принципи в задачата за седемте моста на Кьонигсберг стават основа за възникване теорията на графите.\n"
    "Част от изводите на Ойлер са:\n"
    "ако всички върхове на графа са четни (с четен брой ребра), то може с едно вдигане на молива от листа, да се начертае граф, започвайки от произволен връх и завършвайки в същия връх;\n"
    "за цялостно преминаване броят на нечетните върхове на графа трябва винаги да е четен;\n"
    "граф с повече от два нечетни върха е невъзможно да се начертае с едно вдигане на молива. \n"
    "Да се реализира проект, представящ вътрешнопредметни връзки в Информатика.\n"
    "Тема на проекта: Kelvani.\n"
    "В проекта да се постави изображение на седемте моста на Кьонигсберг. Всеки от мостовете да има уникален номер и да свързва две полета с уникално означение.\n"
    "Броят на полетата е 4, на мостовете 7.\n"
    "В група списъчни полета се извежда информация за:\n"
    "възможен мост за преминаване;\n"
    "мост, който вече е преминат;\n"
    "останалите, отдалечени мостове.\n"
    "При събитие On-Click върху ред от първото поле съответният мост се прехвърля в съседното списъчно поле и не участва до края.\n"
    "В самото начало потребителя има възможност да избере произволен мост и свързаните с него полетата. На всеки следващ ход са достъпни само възможните необиколени мостове за конкретното място.\n";

// The second text, which the window keeps hidden.
inline constexpr char kSecondText[] =
    "Неприятното в това да си първият, направил нещо по \n"
    "правилния начин, е, че никой не оценява колко трудно е \n"
    "било. \n";

// What a screen reader says for the statement and the map; the lists take
// their names from the captions above them.
inline constexpr char kStatementName[] = "Условие на задачата";
inline constexpr char kMapName[] = "Карта на мостовете";
inline constexpr char kMapDescription[] =
    "Четири земи: А е северният бряг, Б е западният остров, В е източният остров, Г е южният бряг. "
    "Мостове 1 и 4 свързват А и Б; мостове 2 и 3 свързват Б и Г; мост 5 свързва А и В; "
    "мост 6 свързва В и Г; мост 7 свързва Б и В.";

} // namespace content
