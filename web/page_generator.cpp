// Writes the page of the browser edition from the window's description: index.html from
// index.html.in, page.css and the page's script files, and manifest.webmanifest. Run at build
// time (under Node).
//   page_generator TEMPLATE STYLE OUTPUT_FOLDER SCRIPT...
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "design/page_loading_texts.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "web/early_choices.h"
#include "web/key_map_json.h"
#include "web/page_markup.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

// Puts `value` wherever the template says @name@, which it must say at least once.
void Fill(std::string& page, std::string_view name, const std::string& value) {
  const std::string placeholder = "@" + std::string(name) + "@";
  auto at = page.find(placeholder);
  if (at == std::string::npos) throw std::runtime_error("the template lacks " + placeholder);
  for (; at != std::string::npos; at = page.find(placeholder, at + value.size())) {
    page.replace(at, placeholder.size(), value);
  }
}

// Inline script or JSON ends at the first "</script": none may hold one.
std::string Inline(const std::string& code) {
  if (code.find("</") != std::string::npos) throw std::runtime_error("inline code holds </");
  return code;
}

// A script file as every first visit carries it: without its comment lines, indentation and
// blank lines, a third of its bytes. The lines stay as they are otherwise; that no string or
// block comment spans lines, which would make this change them, is checked.
std::string WithoutCommentLines(const std::string& code) {
  std::string kept;
  std::istringstream lines(code);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("/*") != std::string::npos ||
        std::count(line.begin(), line.end(), '`') % 2 != 0) {
      throw std::runtime_error("a block comment or a template spans lines: " + line);
    }
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, 2, "//") == 0) continue;
    kept += line.substr(start) + "\n";
  }
  return kept;
}

// The script files in order, as one function run once, so that they share its names and
// leave none on the page.
std::string Script(char** first, char** last) {
  std::string script = "'use strict';\n(() => {\n";
  for (; first != last; ++first) script += WithoutCommentLines(ReadFile(*first));
  return script + "})();\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: page_generator TEMPLATE STYLE OUTPUT_FOLDER SCRIPT...\n";
    return 2;
  }
  try {
    const std::string folder = argv[3];
    std::string page = ReadFile(argv[1]);
    Fill(page, "TITLE", web::EscapeHtml(design::texts::kWindowTitle));
    Fill(page, "THEME_COLOUR", web::HexColour(design::kWindowBackground));
    Fill(page, "STYLE", ReadFile(argv[2]) + web::WindowCss());
    Fill(page, "WINDOW", web::WindowMarkup(web::StartState()));
    Fill(page, "FIGURE", web::TeachingMarkup());
    Fill(page, "LENGTH_HINT",
         web::LengthHintMarkup() + web::ReadingNoticeMarkup() + web::LockedHintMarkup() +
             web::CopyNoticeMarkup());
    Fill(page, "FAILURE_TITLE", web::EscapeHtml(design::texts::kFailureTitle));
    Fill(page, "MODULE_LOADING", web::EscapeHtml(design::texts::kModuleLoading));
    Fill(page, "MODULE_LOAD_FAILURE", web::EscapeHtml(design::texts::kModuleLoadFailure));
    Fill(page, "EARLY_CHOICES", Inline(web::EarlyChoicesJson()));
    Fill(page, "KEY_MAP", Inline(web::KeyMapJson()));
    Fill(page, "SCRIPT", Inline(Script(argv + 4, argv + argc)));
    WriteFile(folder + "/index.html", page);
    WriteFile(folder + "/manifest.webmanifest", web::Manifest());
  } catch (const std::exception& failure) {
    std::cerr << "page_generator: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}
