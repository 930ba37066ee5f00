// The page's half of the window interface. The behaviour (calculator.wasm, C++) drives the
// controls through `page`; the page passes clicks and keys to it. Numbers are read, computed
// and written only in the module: here texts are merely moved between it and the controls.
// Inline in the page, so that the controls answer from the first paint: until the module has
// started, choosing and clearing replay the behaviour's own calls recorded at build time, and
// the module is then handed whatever was chosen and typed (and an early Изчисли).
// The page's script is these files in the order web/CMakeLists.txt gives them, run as one
// function: each uses what the ones before it define.

const byId = (id) => document.getElementById(id);
// The first control has the focus, as designed, but the page opens at its top: on a phone the
// statement lies below the controls, where the browser's own autofocus would scroll to.
document.querySelector('.client [autofocus]')?.focus({ preventScroll: true });
const measures = [...Array(8).keys()];
const radios = measures.map((k) => byId(`radio-${k}`));
const fields = measures.map((k) => byId(`field-${k}`));
const commands = [byId('command-0'), byId('command-1')];
const failure = byId('failure');
const figure = byId('figure');
const teaching = byId('teaching');
const solution = byId('solution');
const solutionLines = byId('solution-lines');
let solutionText = '';
const announcement = byId('announcement');

const lengthHint = byId('length-hint');
const readingNotice = byId('reading-notice');
let noticeField = null;  // the field whose description the notice is
let noticeToAnnounce = '';

// A field's description: the notices that speak of it while they show.
function describe(input, id, on) {
  const ids = (input.getAttribute('aria-describedby') ?? '').split(' ')
    .filter((word) => word && word !== id);
  if (on) ids.push(id);
  if (ids.length) input.setAttribute('aria-describedby', ids.join(' '));
  else input.removeAttribute('aria-describedby');
}

// Until the next edit, choice or button: a pupil reads it at a pupil's pace.
function hideReadingNotice() {
  const shown = !readingNotice.hidden;
  readingNotice.hidden = true;
  if (noticeField) describe(noticeField, 'reading-notice', false);
  noticeField = null;
  noticeToAnnounce = '';
  if (shown) layOutNotes();
}
const resultDetails = byId('result-details');
const moduleLoading = byId('module-loading');
const moduleFailure = byId('module-failure');
const client = document.querySelector('.client');

// A disabled field is read-only: it keeps its text readable and selectable, and is a stop
// for Tab once it shows something.
function updateTabStop(field) {
  field.tabIndex = field.readOnly && field.value === '' ? -1 : 0;
}

let chosen = -1;  // the option chosen last, until clearing unticks it

// Each line as written, hidden from screen readers, and after it, visually hidden, as a
// teacher says it ("корен квадратен от 3" for √3), which neither selecting nor copying takes.
function solutionParagraphs(text, spoken) {
  const said = spoken.split('\n');
  return text.split('\n').filter((line) => line).flatMap((line, k) => {
    const shown = document.createElement('p');
    shown.textContent = line;
    shown.setAttribute('aria-hidden', 'true');
    const heard = document.createElement('div');
    heard.className = 'visually-hidden spoken';
    heard.setAttribute('role', 'paragraph');  // a line of its own, as the visible one is
    heard.textContent = said[k] || line;
    return [shown, heard];
  });
}

const page = {
  clearOption: (option) => {
    radios[option].checked = false;
    if (option === chosen) chosen = -1;
  },
  fieldText: (field) => fields[field].value,
  // A text shows from its first character: the browser leaves a new value's caret, and a
  // focused field's view, at its end, where the ellipsis does not reach.
  setFieldText: (field, text) => {
    const input = fields[field];
    // Emptying an empty field moves nothing; placing its view would make the browser lay
    // out the page, which clearing the window would pay for once a field.
    if (text === '' && input.value === '') return;
    input.value = text;
    input.setSelectionRange(0, 0);
    input.scrollLeft = 0;
    updateTabStop(input);
  },
  setFieldEnabled: (field, enabled) => {
    fields[field].readOnly = !enabled;
    updateTabStop(fields[field]);
  },
  setFieldMaxLength: (field, maxLength) => { fields[field].dataset.maxLength = maxLength; },
  setFieldTitle: (field, title) => {
    if (title) fields[field].title = title;
    else fields[field].removeAttribute('title');
  },
  // Shown once the calculation has laid out its results, figure and solution, which may move
  // the statement it covers.
  showReadingNotice: (field, text) => {
    hideReadingNotice();
    readingNotice.textContent = text;
    noticeField = fields[field];
    describe(noticeField, 'reading-notice', true);
    noticeToAnnounce = text;
  },
  hideNotices: () => {
    hideReadingNotice();
    hideLockedHint();
  },
  reportFailure: (message) => {
    byId('failure-message').textContent = message;
    failure.showModal();
  },
  showCalculation: (text) => {
    // A notice is heard first: it says what the results were calculated from.
    announcement.textContent = noticeToAnnounce ? `${noticeToAnnounce}\n${text}` : text;
    noticeToAnnounce = '';
    if (noticeField) {
      readingNotice.hidden = false;
      layOutNotes();
      // In one column it is at the field; the pupil sees it without looking for it.
      const box = readingNotice.getBoundingClientRect();
      if (box.top < 0 || box.bottom > innerHeight) readingNotice.scrollIntoView({ block: 'nearest' });
    }
    showResultDetails();  // a focused result's new title
  },
  // The figure comes drawn, from its description in design/; the solution, a line a
  // paragraph, is real text that can be selected, read out and reached with Tab.
  showFigure: (markup, figureClass, description) => {
    figure.innerHTML = markup;
    figure.setAttribute('class', figureClass);
    figure.setAttribute('aria-label', description);
  },
  showSolution: (text, spoken) => {
    solutionText = text;
    solutionLines.replaceChildren(...solutionParagraphs(text, spoken));
    solution.hidden = text === '';
  },
  showLink: (fragment) => showLink(fragment),
};
