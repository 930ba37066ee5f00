// The module's way to the page: each function hands over to Module.page, the object page.js
// passes to createCalculator, turning the module's UTF-8 texts into strings and back.
// (Plain functions: this emscripten copies library functions in as declarations.)
mergeInto(LibraryManager.library, {
  page_clear_option: function(option) { Module.page.clearOption(option); },
  page_field_text_length: function(field) {
    return lengthBytesUTF8(Module.page.fieldText(field));
  },
  page_copy_field_text: function(field, buffer, size) {
    stringToUTF8(Module.page.fieldText(field), buffer, size);
  },
  page_set_field_text: function(field, text, length) {
    Module.page.setFieldText(field, UTF8ToString(text, length));
  },
  page_set_field_enabled: function(field, enabled) {
    Module.page.setFieldEnabled(field, enabled !== 0);
  },
  page_set_field_max_length: function(field, maxLength) {
    Module.page.setFieldMaxLength(field, maxLength);
  },
  page_set_field_title: function(field, text, length) {
    Module.page.setFieldTitle(field, UTF8ToString(text, length));
  },
  page_show_reading_notice: function(field, text, length) {
    Module.page.showReadingNotice(field, UTF8ToString(text, length));
  },
  page_hide_notices: function() { Module.page.hideNotices(); },
  page_report_failure: function(message, length) {
    Module.page.reportFailure(UTF8ToString(message, length));
  },
  page_show_calculation: function(announcement, length) {
    Module.page.showCalculation(UTF8ToString(announcement, length));
  },
  page_show_figure: function(markup, length, figureClass, classLength, description,
                             descriptionLength) {
    Module.page.showFigure(UTF8ToString(markup, length), UTF8ToString(figureClass, classLength),
                           UTF8ToString(description, descriptionLength));
  },
  page_show_solution: function(text, length, spoken, spokenLength) {
    Module.page.showSolution(UTF8ToString(text, length), UTF8ToString(spoken, spokenLength));
  },
  page_show_link: function(fragment, length) {
    Module.page.showLink(UTF8ToString(fragment, length));
  },
});
