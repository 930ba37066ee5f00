#pragma once

#include <string>
#include <string_view>

namespace web {

// `text` as HTML or SVG text or an attribute's value: &, <, > and " escaped.
std::string EscapeHtml(std::string_view text);

}  // namespace web
