// The fields' length limit, kept by the page itself.

// An edit that would leave more characters than the field's limit is refused whole, and the
// field says why. The page keeps the limit itself (data-max-length): the browser's maxlength
// would cut a paste, or a phone keyboard's composed text, to fit, turning it into another
// number without a word.
let hintTimer = 0;
let lengthField = null;
function hideLengthHint() {
  if (lengthHint.hidden) return;
  lengthHint.hidden = true;
  lengthField = null;
  layOutNotes();
}
function showLengthHint(field, limit) {
  byId('length-limit').textContent = limit;
  lengthField = field;
  lengthHint.hidden = false;
  layOutNotes();
  clearTimeout(hintTimer);
  hintTimer = setTimeout(hideLengthHint, Number(lengthHint.dataset.milliseconds));
}

const snapshot = (field) =>
  ({ text: field.value, start: field.selectionStart, end: field.selectionEnd });

function refuseLongEdits(field) {
  const limit = () => Number(field.dataset.maxLength);
  // What the field held before the edit under way, to go back to.
  let before = snapshot(field);
  // Typing, pasting and dropping are refused before they happen.
  field.addEventListener('beforeinput', (event) => {
    if (event.isComposing) return;
    before = snapshot(field);
    if (field.readOnly || !event.cancelable || !event.inputType.startsWith('insert')) return;
    const added = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
    const kept = field.value.length - (field.selectionEnd - field.selectionStart);
    if (kept + added.length <= limit()) return;
    event.preventDefault();
    showLengthHint(field, limit());
  });
  // A composition (how phones' keyboards type) cannot be refused before it happens: the text
  // it leaves is judged when it ends, as is any edit the browser would not let us cancel.
  field.addEventListener('compositionstart', () => { before = snapshot(field); });
  const judge = () => {
    const length = field.value.length;
    if (length > limit() && length > before.text.length) {
      field.value = before.text;
      field.setSelectionRange(before.start, before.end);
      showLengthHint(field, limit());
    } else if (field.value !== before.text) {
      hideLengthHint();
      hideReadingNotice();
    }
    before = snapshot(field);
  };
  field.addEventListener('input', (event) => { if (!event.isComposing) judge(); });
  field.addEventListener('compositionend', judge);
}
