#pragma once

#include <array>
#include <string_view>

#include "triangle/quantity_index.h"

// Every text the window shows, in Bulgarian, as UTF-8.
namespace ui::texts {

inline constexpr std::string_view kWindowTitle =
    "www.ravnostranen.example Геометрия - равностранен триъгълник";

inline constexpr std::string_view kTitleLabel = "Равностранен триъгълнк - лице, периметър";

// Option captions by measure index; the area's leading blank is part of the design.
inline constexpr std::array<std::string_view, triangle::kQuantityCount> kOptionCaptions = {
    "страна",   "периметър",    " лице",     "медиана",
    "височина", "ъглополовяща", "R описана", "r вписана"};

inline constexpr std::string_view kCalculateCaption = "Изчисли";
inline constexpr std::string_view kClearCaption = "Изтрий";

// The exercise statement and the saying shown in the two read-only fields.
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

}  // namespace ui::texts
