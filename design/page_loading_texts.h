#pragma once

#include <string_view>

// What the browser edition says while its module is on the way, and if it cannot come.
namespace design::texts {

// Shown and read out when Изчисли is pressed before the module has started; the press is
// answered as soon as it has.
inline constexpr std::string_view kModuleLoading = "Зарежда се…";
inline constexpr std::string_view kModuleLoadFailure =
    "Калкулаторът не можа да се зареди. Проверете връзката с интернет и презаредете "
    "страницата.";

}  // namespace design::texts
