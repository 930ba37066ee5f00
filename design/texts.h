#pragma once

#include <array>
#include <string_view>

#include "triangle/quantity_index.h"

// Every text the window shows, in Bulgarian, as UTF-8.
namespace design::texts {

inline constexpr std::string_view kWindowTitle =
    "www.ravnostranen.example Геометрия - равностранен триъгълник";

// "триъгълнк" without its "и" is the designed title, kept letter for letter.
inline constexpr std::string_view kTitleLabel = "Равностранен триъгълнк - лице, периметър";

// Option captions by measure index; the area's leading blank is part of the design.
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kOptionCaptions = {
    "страна",   "периметър",    " лице",     "медиана",
    "височина", "ъглополовяща", "R описана", "r вписана"};

// What screen readers call each measure's field and option.
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kMeasureNames = {
    "страна",
    "периметър",
    "лице",
    "медиана",
    "височина",
    "ъглополовяща",
    "радиус R на описаната окръжност",
    "радиус r на вписаната окръжност"};
inline constexpr std::string_view kOptionNamePrefix = "Дадена величина: ";
inline constexpr std::array<std::string_view, 2> kInfoFieldNames = {"Условие на задачата", "Мисъл"};

// How each measure follows from the side a, shown in the result fields' tooltips.
// In school notation: the fields compute in the order that keeps their doubles bit-exact
// (triangle/quantities.cpp), the exact values do not depend on any order.
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kFormulaFromSide = {
    "a",          "P = 3·a",    "S = a²·√3/4", "m = a·√3/2",
    "h = a·√3/2", "l = a·√3/2", "R = a·√3/3",  "r = a·√3/6"};
// How the side follows from each measure, shown in the options' tooltips.
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kSideFromMeasure = {
    "a = a",      "a = P/3",    "a = √(4·S/√3)", "a = 2·m/√3",
    "a = 2·h/√3", "a = 2·l/√3", "a = R·√3",      "a = 2·r·√3"};
// The step between the area's formula and the side's, in the solution.
inline constexpr std::string_view kSquaredSideFromArea = "a² = 4·S/√3";
inline constexpr std::string_view kOptionTooltipPrefix = "Страната от тази величина: ";
// The side's own option: the side is given itself, and nothing converts it ("a = a" says
// nothing).
inline constexpr std::string_view kSideOptionTooltip =
    "Дадена е самата страна a: от нея следват другите величини.";

// The solution of a calculation, step by step: its heading, what was given, and the sign
// between a measure's formula and the side's formula that follows from it.
inline constexpr std::string_view kSolutionTitle = "Решение";
inline constexpr std::string_view kGivenPrefix = "Дадено: ";
inline constexpr std::string_view kFollowsSign = "  ⇒  ";
inline constexpr std::string_view kCopySolutionCaption = "Копирай решението";
// Beside it on the page: copies the page's address, which holds the calculation.
inline constexpr std::string_view kCopyLinkCaption = "Копирай връзката";
// The choice of unit beside the solution: its caption, and each unit's name as written after
// a length (an area takes its square); the first, no unit, is the default.
inline constexpr std::string_view kUnitChoiceCaption = "Мерна единица:";
inline constexpr std::array<std::string_view, 6> kUnitNames = {"", "мм", "см", "дм", "м", "км"};
inline constexpr std::string_view kNoUnitName = "без мерна единица";
// Each unit as said after a number, and before it for an area's square.
inline constexpr std::array<std::string_view, 6> kSpokenUnitNames = {
    "", "милиметра", "сантиметра", "дециметра", "метра", "километра"};
inline constexpr std::string_view kSpokenSquarePrefix = "квадратни ";
// The line before the steps of a solution whose given value is zero or below: the measure's
// name and its value go between the parts.
// "с" is "със" before a word that begins with "с" or "з", as Bulgarian writes it.
inline constexpr std::string_view kNoTriangleBefore = "Няма триъгълник ";
inline constexpr std::string_view kWith = "с ";
inline constexpr std::string_view kWithBeforeSz = "със ";
inline constexpr std::string_view kNoTriangleAfter =
    ": дължините и лицата на триъгълниците са положителни.";
inline constexpr std::string_view kNoTriangleFigureDescription =
    "Чертеж: няма триъгълник с такава величина, затова не е начертан триъгълник.";

// The figure's text alternative: what it draws, which measure was given, its marks and values.
inline constexpr std::string_view kFigureDescription =
    "Чертеж: равностранен триъгълник ABC със страна a; височината CD от върха C към страната "
    "AB, която е и медиана, и ъглополовяща; описаната окръжност с радиус R и вписаната "
    "окръжност с радиус r, с общ център O.";
inline constexpr std::string_view kFigureGivenPrefix = " Дадено: ";
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kFigureGivenMarks = {
    " Открояват се страната AB и надписът ѝ.",
    " Откроени са трите страни.",
    " Оцветена е вътрешността на триъгълника.",
    " Отбелязани са равните части AD и DB, на които медианата дели страната AB.",
    " Отбелязан е правият ъгъл при петата D на височината.",
    " Отбелязани са равните ъгли, на които ъглополовящата дели ъгъла при C.",
    " Откроени са описаната окръжност и радиусът OB.",
    " Откроени са вписаната окръжност и радиусът OE."};
inline constexpr std::string_view kFigureValuesPrefix = " Стойности: ";

inline constexpr std::string_view kCalculateCaption = "Изчисли";
inline constexpr std::string_view kClearCaption = "Изтрий";
// The keys that press each button wherever the focus is (controller/key_map.h), as screen
// readers are told them: the names that accessibility interfaces use.
inline constexpr std::array<std::string_view, 2> kCommandKeyNames = {"Enter", "Escape"};

// The exercise statement and the saying shown in the two read-only fields; the statement's
// "входнните" with its doubled "н" is the designed text, kept letter for letter.
extern const std::string_view kStatement;
extern const std::string_view kSaying;

inline constexpr std::string_view kFailureTitle = "Грешка при изчислението";
inline constexpr std::string_view kOverflowMessage =
    "Препълване: резултатът излиза извън обхвата на числата, с които програмата работи.\n"
    "Въведете по-малка стойност.";
inline constexpr std::string_view kNegativeAreaMessage =
    "Невалиден аргумент: корен квадратен от отрицателно число.\n"
    "Лицето на триъгълника не може да бъде отрицателно.";
inline constexpr std::string_view kUnexpectedFailureMessage =
    "Изчислението не можа да бъде завършено:";

// Shown at a quantity field that refused an edit: the limit's number goes between the parts.
inline constexpr std::string_view kLengthLimitHintBefore = "Полето побира най-много ";
inline constexpr std::string_view kLengthLimitHintAfter = " знака: въведеното не е прието.";

// Shown at a field that a calculation locked, when the pupil clicks or types into it.
inline constexpr std::string_view kLockedFieldHint =
    "Полето е заключено. За нова стойност изберете величината отново или натиснете „Изтрий“.";
// What screen readers call that hint.
inline constexpr std::string_view kLockedFieldHintName = "Заключено поле";

// Said briefly, to the eye and to screen readers, once a copy has reached the clipboard: the
// whole solution ("Копирай решението"), or all eight measures (Ctrl+C with nothing selected).
inline constexpr std::string_view kSolutionCopied = "Решението е копирано.";
inline constexpr std::string_view kMeasuresCopied = "Осемте величини са копирани.";
inline constexpr std::string_view kLinkCopied = "Връзката е копирана.";

// Shown at the chosen field when a calculation read a number that is not its whole text:
// `Полето „периметър“ е прочетено като 7.0000: „,5“ не е част от числото.` and the sentence
// that names the decimal sign of the user's settings. Quotes are Bulgarian („…“).
inline constexpr std::string_view kReadingNoticeField = "Полето „";
inline constexpr std::string_view kReadingNoticeReadAs = "“ е прочетено като ";
inline constexpr std::string_view kReadingNoticeUnreadBefore = ": „";
inline constexpr std::string_view kReadingNoticeUnreadAfter = "“ не е част от числото.";
inline constexpr std::string_view kReadingNoticeNoNumberBefore = ": в „";
inline constexpr std::string_view kReadingNoticeNoNumberAfter = "“ няма число.";
inline constexpr std::string_view kReadingNoticeEmptyBefore = "“ е празно и е прочетено като ";
inline constexpr std::string_view kReadingNoticeDecimalSign =
    " Десетичният знак при текущите настройки е ";
// What screen readers call the notice itself.
inline constexpr std::string_view kReadingNoticeName = "Как е прочетено числото";
inline constexpr std::string_view kFullStopName = "точката (.)";
inline constexpr std::string_view kCommaName = "запетаята (,)";

// The second window of the desktop editions: the step-by-step solution of the last
// calculation and its figure, opened with F1, from the tooltips and the system menu.
inline constexpr std::string_view kSolutionWindowTitle = "Решение и чертеж";
// The key that opens it, as menus and the tooltips name it.
inline constexpr std::string_view kSolutionWindowKeyName = "F1";
// The last line of each option's and each result's tooltip.
inline constexpr std::string_view kSolutionTooltipLine = "F1: решението и чертежът";
static_assert(kSolutionTooltipLine.starts_with(kSolutionWindowKeyName));
// What screen readers call the solution's text and the figure.
inline constexpr std::string_view kSolutionTextName = "Решение стъпка по стъпка";
inline constexpr std::string_view kFigureName = "Чертеж";
// Shown in place of a solution while the fields show no calculation.
inline constexpr std::string_view kNoSolutionYet =
    "Изберете величина, въведете стойността ѝ и натиснете „Изчисли“: тук ще се появи "
    "решението стъпка по стъпка.";

}  // namespace design::texts
