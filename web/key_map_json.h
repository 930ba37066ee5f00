#pragma once

#include <string>

// The keyboard's table (controller/key_map.h) as the page reads it: page.js names the key, the
// kind of control focused and whether text is selected, and finds the command there.
namespace web {

// JSON: the table's rows in order, each as [key, [focus kinds], only without a selection,
// command], every one a name ("Return", "option", "calculate", ...).
std::string KeyMapJson();

}  // namespace web
