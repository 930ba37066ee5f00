// The figure and the solution: where they stand, copying them, the calculation's address and
// its unit.

// On a screen narrower than the window's design the figure and the solution follow the
// buttons, inside the window's column, where a pupil sees them after calculating; the
// statement and the saying come after them. Tab reaches them after the buttons either way.
function placeTeaching() {
  const wide = matchMedia(teaching.dataset.wideMedia);
  const client = document.querySelector('.client');
  const windowBox = document.querySelector('.window');
  const place = () => {
    if (wide.matches) windowBox.after(teaching);
    else client.append(teaching);
  };
  wide.addEventListener('change', place);
  place();
}
placeTeaching();

// Once the text is on the clipboard, the page says so for a moment, in words a screen reader
// hears too (emptied first, so that a second copy is heard as well).
const copyNotice = byId('copy-notice');
let copyTimer = 0;
function copyText(text, said) {
  navigator.clipboard?.writeText(text).then(() => {
    copyNotice.textContent = '';
    clearTimeout(copyTimer);
    copyTimer = setTimeout(() => {
      copyNotice.textContent = said;
      copyTimer = setTimeout(() => { copyNotice.textContent = ''; }, 3000);
    }, 100);
  }, () => {});  // the browser refused: nothing to copy into, nothing lost
}
byId('copy-solution').addEventListener('click',
  () => copyText(solutionText, copyNotice.dataset.solution));

// The address of the calculation the page shows: the fragment replaces the current entry of
// the history, which gains none; without a calculation the page's own fragment goes. It is
// written in a task of its own, after the results are on the screen, once for any number of
// calculations in one task.
let linkFragment = '';
let linkTimer = 0;
function writeLink() {
  linkTimer = 0;
  try {
    history.replaceState(history.state, '',
                         linkFragment ? `#${linkFragment}` : location.pathname + location.search);
  } catch {
    // A browser that limits how often a page renames itself: the button still copies it.
  }
}
function showLink(fragment) {
  linkFragment = fragment;
  if (!linkTimer) linkTimer = setTimeout(writeLink);
}
const linkAddress = () => new URL(`#${linkFragment}`, location.href).href;
byId('copy-link').addEventListener('click',
  () => copyText(linkAddress(), copyNotice.dataset.link));

const unitChoice = byId('unit');
unitChoice.addEventListener('change', () => {
  module?._calculator_unit_choice(unitChoice.selectedIndex);
});
