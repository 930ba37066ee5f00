'use strict';
// The page's half of the window interface. The behaviour (calculator.wasm, C++) drives the
// controls through `page`; the page passes clicks and keys to it. Numbers are read, computed
// and written only in the module: here texts are merely moved between it and the controls.
(() => {
  const byId = (id) => document.getElementById(id);
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

  // A disabled field is read-only: it keeps its text readable and selectable, and is a stop
  // for Tab once it shows something.
  function updateTabStop(field) {
    field.tabIndex = field.readOnly && field.value === '' ? -1 : 0;
  }

  const page = {
    clearOption: (option) => { radios[option].checked = false; },
    fieldText: (field) => fields[field].value,
    // A text shows from its first character: the browser leaves a new value's caret, and a
    // focused field's view, at its end, where the ellipsis does not reach.
    setFieldText: (field, text) => {
      const input = fields[field];
      input.value = text;
      input.setSelectionRange(0, 0);
      input.scrollLeft = 0;
      updateTabStop(input);
    },
    setFieldEnabled: (field, enabled) => {
      fields[field].readOnly = !enabled;
      updateTabStop(fields[field]);
    },
    setFieldMaxLength: (field, maxLength) => {
      if (maxLength === 0) delete fields[field].dataset.maxLength;
      else fields[field].dataset.maxLength = maxLength;
    },
    setFieldTitle: (field, title) => {
      if (title) fields[field].title = title;
      else fields[field].removeAttribute('title');
    },
    reportFailure: (message) => {
      byId('failure-message').textContent = message;
      failure.showModal();
    },
    showCalculation: (given, text) => {
      figure.setAttribute('class', given < 0 ? 'figure' : `figure given-${given}`);
      announcement.textContent = text;
    },
    // The figure comes drawn, from its description in design/; the solution, a line a
    // paragraph, is real text that can be selected, read out and reached with Tab.
    showFigure: (markup, description) => {
      figure.innerHTML = markup;
      figure.setAttribute('aria-label', description);
    },
    showSolution: (text) => {
      solutionText = text;
      solutionLines.replaceChildren(...text.split('\n').filter((line) => line).map((line) => {
        const paragraph = document.createElement('p');
        paragraph.textContent = line;
        return paragraph;
      }));
      solution.hidden = text === '';
    },
  };

  // The reader's regional settings, as the browser writes numbers in their first language:
  // the separators, and the group sizes from the decimal side, a repeated last one dropped
  // (1,23,45,67,890 in hi-IN gives 3, 2).
  function numberSettings(language) {
    let writer;
    try {
      writer = new Intl.NumberFormat(language, { useGrouping: true });
    } catch {
      writer = new Intl.NumberFormat(undefined, { useGrouping: true });  // an unknown language
    }
    const parts = writer.formatToParts(1234567890123.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? '';
    const sizes = parts.filter((p) => p.type === 'integer').map((p) => p.value.length);
    sizes.shift();  // the leading group may be short
    sizes.reverse();
    while (sizes.length > 1 && sizes.at(-1) === sizes.at(-2)) sizes.pop();
    return { decimal: part('decimal') || '.', group: part('group'), sizes };
  }

  // An edit that would leave more characters than the field's limit is refused whole, and the
  // field says why. The page keeps the limit itself (data-max-length): the browser's maxlength
  // would cut a paste, or a phone keyboard's composed text, to fit, turning it into another
  // number without a word.
  let hintTimer = 0;
  function showLengthHint(field, limit) {
    byId('length-limit').textContent = limit;
    const box = field.getBoundingClientRect();
    lengthHint.style.left = `${box.left + scrollX}px`;
    lengthHint.style.top = `${box.bottom + scrollY + 2}px`;
    lengthHint.hidden = false;
    clearTimeout(hintTimer);
    hintTimer = setTimeout(() => { lengthHint.hidden = true; }, 4000);
  }

  const snapshot = (field) =>
    ({ text: field.value, start: field.selectionStart, end: field.selectionEnd });

  function refuseLongEdits(field) {
    const limit = () => Number(field.dataset.maxLength ?? 0);  // 0: no limit
    // What the field held before the edit under way, to go back to.
    let before = snapshot(field);
    // Typing, pasting and dropping are refused before they happen.
    field.addEventListener('beforeinput', (event) => {
      if (event.isComposing) return;
      before = snapshot(field);
      if (field.readOnly || !limit() || !event.cancelable ||
          !event.inputType.startsWith('insert')) {
        return;
      }
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
      if (limit() && length > limit() && length > before.text.length) {
        field.value = before.text;
        field.setSelectionRange(before.start, before.end);
        showLengthHint(field, limit());
      } else if (field.value !== before.text) {
        lengthHint.hidden = true;
      }
      before = snapshot(field);
    };
    field.addEventListener('input', (event) => { if (!event.isComposing) judge(); });
    field.addEventListener('compositionend', judge);
  }

  // On a screen narrower than the window's design the figure and the solution follow the
  // buttons, inside the window's column, where a pupil sees them after calculating; the
  // statement and the saying come after them. Tab reaches them after the buttons either way.
  function placeTeaching() {
    const wide = matchMedia(`(min-width: ${teaching.dataset.wideFrom}px)`);
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

  function copyText(text) {
    navigator.clipboard?.writeText(text)
      .catch(() => {});  // the browser refused: nothing to copy into, nothing lost
  }
  byId('copy-solution').addEventListener('click', () => copyText(solutionText));

  function hasSelection() {
    const active = document.activeElement;
    if (active && typeof active.selectionStart === 'number' &&
        active.selectionStart !== active.selectionEnd) {
      return true;
    }
    return !document.getSelection().isCollapsed;
  }

  function start(module, settings) {
    settings.sizes.forEach((size) => module._calculator_add_group_size(size));
    module.ccall('calculator_start', null, ['string', 'string'],
                 [settings.decimal, settings.group]);

    // Reported only when an option becomes the chosen one, with the mouse or the arrows:
    // choosing the chosen option again keeps what was typed.
    fields.forEach(refuseLongEdits);
    radios.forEach((radio, k) => radio.addEventListener('change', () => {
      if (radio.checked) module._calculator_option_click(k);
    }));
    commands.forEach((button, k) => button.addEventListener('click', () => {
      module._calculator_command_click(k);
    }));
    // As on the desktop, from every control: Enter calculates (a focused button answers it
    // itself), Escape clears, Ctrl+C with nothing selected copies every measure; keys that
    // end or cancel a composition are the keyboard's.
    document.addEventListener('keydown', (event) => {
      if (failure.open || event.altKey || event.isComposing) return;
      const control = event.ctrlKey || event.metaKey;
      const onButton = event.target instanceof HTMLButtonElement;
      if (event.key === 'Enter' && !control && !event.shiftKey && !onButton) {
        event.preventDefault();
        commands[0].click();
      } else if (event.key === 'Escape' && !control) {
        event.preventDefault();
        commands[1].click();
      } else if (control && event.code === 'KeyC' && !hasSelection() && navigator.clipboard) {
        // In the solution: the whole solution; anywhere else: every measure.
        event.preventDefault();
        copyText(solution.contains(document.activeElement) ? solutionText
          : module.UTF8ToString(module._calculator_measures_text()));
      }
    });
    document.documentElement.dataset.ready = '';
    // Offline from the second visit on; registered last, so that it takes nothing from the
    // first one's start.
    navigator.serviceWorker?.register('sw.js');
  }

  // The module is fetched and compiled once the window is on the screen, so that the first
  // paint waits for nothing but the page itself; the steps after it are separate tasks, each
  // short, so that the page answers the reader all along.
  requestAnimationFrame(() => setTimeout(() => {
    const script = document.createElement('script');
    script.src = 'calculator.js';
    document.head.append(script);
    const settings = numberSettings(navigator.languages?.[0] || navigator.language);
    script.onload = () => createCalculator({ page })
      .then((module) => setTimeout(() => start(module, settings)));
  }));
})();
