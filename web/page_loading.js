// Loading the module, handing it the page, and following a calculation's address.

// An address holding a calculation (a teacher's link) does what a pupil would do once the
// module has started: choose the measure, type the text, choose the unit, press Изчисли. A
// fragment that is not one of ours leaves the page as it opened; a text longer than the field
// takes is refused as a paste of it would be, and the field says how much fits.
const longestFragment = 16384;  // beyond what any field can take, percent-encoded
function openLink() {
  const fragment = location.hash.slice(1);
  if (!fragment || fragment.length > longestFragment) return;
  const k = module.ccall('calculator_read_link', 'number', ['string'], [fragment]);
  if (k < 0) return;
  const text = module.UTF8ToString(module._calculator_link_text());
  unitChoice.selectedIndex = module._calculator_link_unit();
  module._calculator_unit_choice(unitChoice.selectedIndex);
  radios[k].checked = true;
  chooseOption(k);
  const limit = Number(fields[k].dataset.maxLength);
  if (text.length > limit) {
    showLengthHint(fields[k], limit);
    return;
  }
  fields[k].value = text;
  updateTabStop(fields[k]);
  pressCommand(0);
}

// The module takes the window over as the page shows it, then gets the user's early events
// again; the tick and the typed text, which replaying them may clear, are put back.
function start(started, settings) {
  const ticked = radios.findIndex((radio) => radio.checked);
  const typed = fields.map((input) => [input.value, input.selectionStart, input.selectionEnd]);
  started.ccall('calculator_start', null, ['string', 'string', 'string'],
                [settings.decimal, settings.group, settings.integer]);
  module = started;
  early.events.forEach((k) => (k < radios.length ? chooseOption(k) : pressCommand(1)));
  if (ticked >= 0) radios[ticked].checked = true;
  fields.forEach((input, k) => {
    if (input.readOnly || input.value === typed[k][0]) return;
    input.value = typed[k][0];
    input.setSelectionRange(typed[k][1], typed[k][2]);
    updateTabStop(input);
  });
  client.inert = false;
  client.removeAttribute('aria-busy');
  moduleLoading.hidden = true;
  if (early.calculate) {
    early.focus?.focus();  // where it was before the page waited
    pressCommand(0);
  }
  if (unitChoice.selectedIndex > 0) module._calculator_unit_choice(unitChoice.selectedIndex);
  // A link is followed unless the pupil has already begun on their own.
  if (!early.calculate && early.events.length === 0) openLink();
  addEventListener('hashchange', openLink);
  document.documentElement.dataset.ready = '';
  // Offline from the second visit on; registered last, in a task of its own, so that it takes
  // nothing from the first one's start. Asked for a new version on every visit, which the
  // next one then runs.
  setTimeout(() => navigator.serviceWorker?.register('sw.js')
    .then((registration) => registration.update())
    .catch(() => {}));  // no service worker: the page works online all the same
}

// Without its module the page cannot calculate: it says so, and its controls look it.
function failToLoad() {
  if (module) return;
  moduleLoading.hidden = true;
  moduleFailure.hidden = false;
  client.inert = false;
  client.removeAttribute('aria-busy');
  document.querySelector('.measures').disabled = true;
  commands.forEach((button) => { button.disabled = true; });
  document.documentElement.dataset.failed = '';
}

// The module's code compiled from its whole bytes, fetched with the page (preload): the
// browser compiles it away from the page's thread, where feeding it the bytes as they
// arrive would take one long task once they are all there.
function instantiateWasm(imports, receive) {
  fetch('calculator.wasm', { credentials: 'same-origin' })
    .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject()))
    .then((bytes) => WebAssembly.instantiate(bytes, imports))
    .then(({ instance, module: compiled }) => receive(instance, compiled), failToLoad);
  return {};  // the exports come later, through `receive`
}

// The module was asked for with the page (preload); its script runs once the window is on
// the screen, so that the first paint waits for nothing but the page itself. The steps after
// it are separate tasks, each short, so that the page answers the reader all along; the
// number formats, which take longest to arrive, are asked for first.
requestAnimationFrame(() => setTimeout(() => {
  const settings = readSettings();
  setTimeout(() => {
    const script = document.createElement('script');
    script.src = 'calculator.js';
    script.onerror = failToLoad;
    script.onload = () => {
      if (typeof createCalculator !== 'function') {
        failToLoad();
        return;
      }
      Promise.all([createCalculator({ page, instantiateWasm }), settings])
        .then(([started, read]) => setTimeout(() => {
          try {
            start(started, read);
          } catch {
            module = null;  // a start that failed half-way is no working module
            failToLoad();
          }
        }), failToLoad);
    };
    document.head.append(script);
  });
}));
