// The notes at a field: a result's full value, the locked field's hint, and where each stands.

// A result's full value and how it was found (its title, which touch screens never show)
// appear under it while it has the focus: a tap, Tab or a click gives it the focus.
let detailsField = null;
function showResultDetails() {
  const active = document.activeElement;
  const field = fields.includes(active) && active.title ? active : null;
  if (!field && !detailsField) return;  // nothing shown, nothing to show
  detailsField = field;
  resultDetails.hidden = !field;
  if (field) resultDetails.textContent = field.title;
  layOutNotes();
}

// A field a calculation locked (the behaviour tells: before one, a field waits for its measure)
// keeps its lock, and says at the field, when it is clicked, tapped or typed into, how to go on. It goes with
// the focus, a choice or a button.
const lockedHint = byId('locked-hint');
let lockedField = null;
const isLocked = (input) => input.readOnly && module && module._calculator_locked_hint_applies();

function hideLockedHint() {
  if (!lockedField) return;
  lockedHint.hidden = true;
  lockedHint.textContent = '';
  describe(lockedField, 'locked-hint', false);
  lockedField = null;
  layOutNotes();
}

function showLockedHint(input) {
  if (!isLocked(input)) return;
  hideLockedHint();
  lockedField = input;
  lockedHint.textContent = lockedHint.dataset.text;
  lockedHint.hidden = false;
  describe(input, 'locked-hint', true);
  layOutNotes();
}

// Keys that would change the text, a paste, a cut or a drop; Ctrl+C and moving are allowed.
function wouldEdit(event) {
  if (event.ctrlKey || event.metaKey) return ['KeyV', 'KeyX', 'KeyZ', 'KeyY'].includes(event.code);
  return !event.altKey && (event.key.length === 1 || event.key === 'Backspace' ||
                           event.key === 'Delete');
}
fields.forEach((input) => {
  input.addEventListener('click', () => showLockedHint(input));
  input.addEventListener('keydown', (event) => {
    if (wouldEdit(event) && !event.isComposing) showLockedHint(input);
  });
  ['paste', 'cut', 'drop'].forEach((type) => input.addEventListener(type, () => {
    if (isLocked(input)) showLockedHint(input);
  }));
  input.addEventListener('blur', () => { if (lockedField === input) hideLockedHint(); });
});

// The notes at a field: what a calculation read, the length limit, the lock, a focused
// result's full value, each covering no result and no button. In one column they stand under
// their field's row, as wide as the row, in that order, and the row makes room for them. In
// the design's layout the reading notice covers the statement; a result's full value goes
// under its field; the two hints go under or over their field where they cover no control,
// else over the statement, just below the controls.
const wideLayout = matchMedia(teaching.dataset.wideMedia);
const boxOf = (element) => {
  const r = element.getBoundingClientRect();
  return { left: r.left + scrollX, top: r.top + scrollY, right: r.right + scrollX,
           bottom: r.bottom + scrollY };
};
const overlaps = (p, q) => p.left < q.right && q.left < p.right && p.top < q.bottom &&
  q.top < p.bottom;
const rowOf = (input) => [input, byId(`option-${fields.indexOf(input)}`)];
let roomy = [];  // the controls whose rows make room for notes

function placeNote(note, left, top, width) {
  note.style.left = `${left}px`;
  note.style.top = `${top}px`;
  note.style.width = width === undefined ? '' : `${width}px`;
  note.style.maxWidth = width === undefined ? '' : 'none';
}

function placeHintWide(note, input, taken) {
  placeNote(note, 0, 0);
  const width = note.offsetWidth;
  const height = note.offsetHeight;
  const field = boxOf(input);
  const controls = [...fields, ...commands, ...radios.map((r) => r.closest('label'))]
    .map(boxOf).concat(taken);
  const places = [[field.left, field.bottom + 2], [field.right - width, field.bottom + 2],
                  [field.left, field.top - 2 - height], [field.right - width, field.top - 2 - height]];
  const free = places.find(([left, top]) => left >= scrollX && top >= 0 &&
    left + width <= scrollX + document.documentElement.clientWidth &&
    !controls.some((c) => overlaps({ left, top, right: left + width, bottom: top + height }, c)));
  if (free) {
    placeNote(note, free[0], free[1]);
  } else {
    const statement = boxOf(byId('info-0'));
    const below = taken.filter((t) => t.right > statement.left && t.left < statement.right &&
                                      t.bottom > statement.top);
    placeNote(note, statement.left, Math.max(statement.top, ...below.map((t) => t.bottom + 2)),
              statement.right - statement.left);
  }
  taken.push(boxOf(note));
}

function layOutNotes() {
  roomy.forEach((control) => { control.style.marginBottom = ''; });
  roomy = [];
  const notes = [[noticeField, readingNotice], [lengthField, lengthHint],
                 [lockedField, lockedHint], [detailsField, resultDetails]]
    .filter(([input, note]) => input && !note.hidden);
  if (!notes.length) return;
  if (wideLayout.matches) {
    const taken = [];
    for (const [input, note] of notes) {
      if (note === readingNotice) {
        const statement = boxOf(byId('info-0'));
        placeNote(note, statement.left, statement.top, statement.right - statement.left);
      } else if (note === resultDetails) {
        const box = boxOf(input);
        const under = taken.filter((t) => overlaps(t, { ...box, top: box.bottom, bottom: box.bottom + 4 }));
        placeNote(note, Math.max(0, Math.min(box.left - scrollX, innerWidth - 320)) + scrollX,
                  Math.max(box.bottom, ...under.map((t) => t.bottom)) + 2);
      } else {
        placeHintWide(note, input, taken);
      }
    }
    return;
  }
  for (const input of fields) {  // from the top, each row's room moving the rows below it
    const own = notes.filter(([field]) => field === input).map(([, note]) => note);
    if (!own.length) continue;
    const [field, option] = rowOf(input).map(boxOf);
    let top = field.bottom + 2;
    for (const note of own) {
      placeNote(note, option.left, top, field.right - option.left);
      top += note.offsetHeight + 2;
    }
    roomy.push(...rowOf(input));
    rowOf(input).forEach((control) => { control.style.marginBottom = `${top - field.bottom}px`; });
  }
}
addEventListener('resize', layOutNotes);
document.addEventListener('focusin', showResultDetails);
document.addEventListener('focusout', () => setTimeout(showResultDetails));
