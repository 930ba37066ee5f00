#pragma once

#include <string>

// What the behaviour does to the controls when an option is chosen, or the window cleared,
// before the module has started, recorded at build time by running it: the page applies it
// itself until the module starts, and then hands the module what the user chose and typed.
namespace web {

// JSON: for each option the behaviour last saw chosen (none, then 0 to 7; Изтрий does not
// forget it), for each event (choosing option 0
// to 7, then Изтрий), the window interface's calls in order, each as [page method, args...].
std::string EarlyChoicesJson();

}  // namespace web
