#include "web/calculation_link.h"

#include <array>
#include <cstddef>
#include <utility>

namespace web {
namespace {

// The units' names in a link, by design::LengthUnit: plain ASCII, unlike the names shown.
constexpr std::array<std::string_view, design::kLengthUnitCount> kUnitCodes = {"",   "mm", "cm",
                                                                               "dm", "m",  "km"};

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool Unreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '%') {
      decoded += text[at];
      continue;
    }
    if (text.size() - at < 3) return std::nullopt;
    const int high = HexValue(text[at + 1]);
    const int low = HexValue(text[at + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    decoded += static_cast<char>(high * 16 + low);
    at += 2;
  }
  return decoded;
}

// Well-formed UTF-8 (no overlong forms, surrogates or code points beyond U+10FFFF), with no
// control character but the tab, which a pasted text may hold.
bool ReadableText(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
      if ((lead < 0x20 && lead != '\t') || lead == 0x7F) return false;
      ++at;
      continue;
    }
    int more = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3, code = lead & 0x07, least = 0x10000;
    } else {
      return false;
    }
    if (text.size() - at <= static_cast<std::size_t>(more)) return false;
    for (int k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    if (code >= 0x80 && code < 0xA0) return false;  // the C1 controls
    at += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

}  // namespace

std::string LinkFragment(const CalculationLink& link) {
  std::string fragment = "m=" + std::to_string(link.measure) + "&v=";
  for (const char c : link.text) {
    if (Unreserved(c)) {
      fragment += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      fragment += '%';
      fragment += kHexDigits[byte / 16];
      fragment += kHexDigits[byte % 16];
    }
  }
  if (link.unit != design::LengthUnit::kNone) {
    fragment += "&u=";
    fragment += kUnitCodes.at(static_cast<std::size_t>(link.unit));
  }
  return fragment;
}

std::optional<CalculationLink> ReadLinkFragment(std::string_view fragment) {
  if (fragment.starts_with('#')) fragment.remove_prefix(1);
  CalculationLink link;
  bool has_measure = false;
  bool has_text = false;
  bool has_unit = false;
  while (true) {
    const std::size_t end = fragment.find('&');
    const std::string_view part = fragment.substr(0, end);
    const std::size_t equals = part.find('=');
    if (equals != 1) return std::nullopt;
    const std::string_view value = part.substr(2);
    switch (part[0]) {
      case 'm':
        if (has_measure || value.size() != 1 || value[0] < '0' ||
            value[0] >= '0' + triangle::kQuantityCount) {
          return std::nullopt;
        }
        link.measure = static_cast<triangle::QuantityIndex>(value[0] - '0');
        has_measure = true;
        break;
      case 'v': {
        if (has_text) return std::nullopt;
        std::optional<std::string> text = PercentDecoded(value);
        if (!text || !ReadableText(*text)) return std::nullopt;
        link.text = std::move(*text);
        has_text = true;
        break;
      }
      case 'u': {
        if (has_unit) return std::nullopt;
        std::size_t unit = 1;
        while (unit < kUnitCodes.size() && kUnitCodes.at(unit) != value) ++unit;
        if (unit == kUnitCodes.size()) return std::nullopt;
        link.unit = static_cast<design::LengthUnit>(unit);
        has_unit = true;
        break;
      }
      default:
        return std::nullopt;
    }
    if (end == std::string_view::npos) break;
    fragment.remove_prefix(end + 1);
  }
  if (!has_measure || !has_text) return std::nullopt;
  return link;
}

}  // namespace web
