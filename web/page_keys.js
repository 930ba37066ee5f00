// The keyboard: each key's command from the keyboard's table.

// Text selected in the focused field or on the page, which the browser's own copy takes.
function hasSelection() {
  const active = document.activeElement;
  if (active && typeof active.selectionStart === 'number' &&
      active.selectionStart !== active.selectionEnd) {
    return true;
  }
  return !document.getSelection().isCollapsed;
}

// The keyboard's table, as on the desktop (controller/key_map.h): the key each event is, with
// the modifiers each allows (Shift may go with Escape and Ctrl+C, not with Enter or an arrow);
// keys that end or cancel a composition are the keyboard's.
const keyMap = JSON.parse(byId('key-map').textContent);
const arrows = { ArrowUp: 'Up', ArrowDown: 'Down', ArrowLeft: 'Left', ArrowRight: 'Right' };
function keyOf(event) {
  const control = event.ctrlKey || event.metaKey;
  if (event.key === 'Enter' && !control && !event.shiftKey) return 'Return';
  if (event.key === 'Escape' && !control) return 'Escape';
  if (control && event.code === 'KeyC') return 'Copy';
  if (event.key === 'F1' && !control && !event.shiftKey) return 'F1';
  if (arrows[event.key] && !control && !event.shiftKey) return arrows[event.key];
  return null;
}
function focusKindOf(target) {
  if (radios.includes(target)) return 'option';
  if (fields.includes(target)) return 'quantityField';
  if (target instanceof HTMLTextAreaElement && target.classList.contains('info')) return 'infoField';
  if (target instanceof HTMLButtonElement) return 'button';
  return 'other';
}
function commandFor(event) {
  const key = keyOf(event);
  const focus = key && focusKindOf(event.target);
  return keyMap.find(([k, kinds, onlyUnselected]) =>
    k === key && kinds.includes(focus) && !(onlyUnselected && hasSelection()))?.[3];
}
// What each command does here; the page has no solution window, so F1 does nothing.
const keyCommands = {
  calculate: () => commands[0].click(),
  clear: () => commands[1].click(),
  // In the solution: the whole solution; anywhere else: every measure. Without a clipboard,
  // or before the module has started, the browser's own copy goes on.
  copyMeasures: () => {
    if (!navigator.clipboard || !module) return false;
    if (solution.contains(document.activeElement)) {
      copyText(solutionText, copyNotice.dataset.solution);
    } else {
      copyText(module.UTF8ToString(module._calculator_measures_text()),
               copyNotice.dataset.measures);
    }
    return true;
  },
  previousOption: (event) => stepOption(radios.indexOf(event.target), -1),
  nextOption: (event) => stepOption(radios.indexOf(event.target), 1),
};
document.addEventListener('keydown', (event) => {
  if (failure.open || event.altKey || event.isComposing) return;
  const run = keyCommands[commandFor(event)];
  if (run && run(event) !== false) event.preventDefault();
});
