#pragma once

// What the page (page_bridge.js, page.js) offers the module: its controls, by measure index.
// Texts cross as UTF-8 with their length in bytes.
extern "C" {
void page_clear_option(int option);
int page_field_text_length(int field);
void page_copy_field_text(int field, char* buffer, int size);  // size counts the closing zero
void page_set_field_text(int field, const char* text, int length);
void page_set_field_enabled(int field, int enabled);
void page_set_field_max_length(int field, int max_length);
void page_set_field_title(int field, const char* text, int length);
void page_report_failure(const char* message, int length);
// The notice about how `field` was read, until the next edit, choice or button.
void page_show_reading_notice(int field, const char* text, int length);
// No reading notice, nor the locked field's hint, stays shown.
void page_hide_notices();
// After every click: what a screen reader should announce.
void page_show_calculation(const char* announcement, int length);
// The figure's SVG content, its class and its text alternative, and the solution's lines
// (none: empty), each ending in a line feed, with the same lines as a screen reader should say
// them.
void page_show_figure(const char* markup, int length, const char* figure_class, int class_length,
                      const char* description, int description_length);
void page_show_solution(const char* text, int length, const char* spoken, int spoken_length);
// The calculation the fields show, as the fragment of the page's address (empty: none).
void page_show_link(const char* fragment, int length);
}
