'use strict';
// The page's half of the window interface. The behaviour (calculator.wasm, C++) drives the
// controls through `page`; the page passes clicks and keys to it. Numbers are read, computed
// and written only in the module: here texts are merely moved between it and the controls.
// Inline in the page, so that the controls answer from the first paint: until the module has
// started, choosing and clearing replay the behaviour's own calls recorded at build time, and
// the module is then handed whatever was chosen and typed (and an early Изчисли).
(() => {
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
    setFieldMaxLength: (field, maxLength) => {
      if (maxLength === 0) delete fields[field].dataset.maxLength;
      else fields[field].dataset.maxLength = maxLength;
    },
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
    hintTimer = setTimeout(hideLengthHint, 4000);
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
        hideLengthHint();
        hideReadingNotice();
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

  function hasSelection() {
    const active = document.activeElement;
    if (active && typeof active.selectionStart === 'number' &&
        active.selectionStart !== active.selectionEnd) {
      return true;
    }
    return !document.getSelection().isCollapsed;
  }

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

  // A field a calculation locked (every field is locked, an option is chosen) keeps its lock,
  // and says at the field, when it is clicked, tapped or typed into, how to go on. It goes with
  // the focus, a choice or a button.
  const lockedHint = byId('locked-hint');
  let lockedField = null;
  const isLocked = (input) => input.readOnly && chosen >= 0 && fields.every((f) => f.readOnly);

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

  // Until the module has started: the behaviour's calls for each option chosen before and
  // each event (options 0-7, then Изтрий), and what happened, to hand over.
  const earlyCalls = JSON.parse(byId('early-choices').textContent);
  const early = { option: -1, events: [], calculate: false, focus: null };
  let module = null;

  // With the module, any choice goes to it, the chosen option's too: it tells the notices to go.
  function chooseOption(k) {
    chosen = k;
    if (module) {
      module._calculator_option_chosen(k);
      return;
    }
    hideReadingNotice();
    hideLockedHint();
    earlyCalls[early.option + 1][k].forEach(([method, ...args]) => page[method](...args));
    early.option = k;
    early.events.push(k);
  }

  // An early Изчисли waits, visibly and audibly, with every control as it is, for the module.
  function pressCommand(k) {
    if (module) {
      module._calculator_command_click(k);
      return;
    }
    hideLockedHint();
    if (k === 0) {
      if (!early.calculate) early.focus = document.activeElement;  // not the page's body
      early.calculate = true;
      client.inert = true;
      client.setAttribute('aria-busy', 'true');
      moduleLoading.hidden = false;
    } else if (!early.calculate) {
      earlyCalls[early.option + 1][radios.length].forEach(([m, ...args]) => page[m](...args));
      early.events.push(radios.length);
    }
  }

  // Choosing a measure with a click, a tap or Space puts the cursor in its field with the text
  // it shows selected, so that what the pupil types replaces it instead of joining it; the text
  // stays in view from its first character.
  function focusField(k) {
    const input = fields[k];
    input.focus();
    input.setSelectionRange(0, input.value.length, 'backward');
    input.scrollLeft = 0;
  }

  // The arrow keys go through the options in their order, round again from either end, and
  // choose as they go; the focus stays on the options.
  function stepOption(k, step) {
    const next = (k + step + radios.length) % radios.length;
    radios[next].checked = true;
    radios[next].focus();
    if (chosen !== next) chooseOption(next);
  }

  // A click (a tap, Space) comes before the change, which then has nothing to tell. Before the
  // module has started, choosing the chosen option again changes nothing.
  fields.forEach(refuseLongEdits);
  radios.forEach((radio, k) => {
    radio.addEventListener('click', () => {
      if (!radio.checked) return;
      if (module || chosen !== k) chooseOption(k);
      focusField(k);
    });
    radio.addEventListener('change', () => {
      if (radio.checked && chosen !== k) chooseOption(k);
    });
  });
  commands.forEach((button, k) => button.addEventListener('click', () => pressCommand(k)));
  // An option ticked before this script ran (a tap while the page was arriving, or the
  // browser restoring a form on going back) is chosen now.
  const tickedEarly = radios.findIndex((radio) => radio.checked);
  if (tickedEarly >= 0) chooseOption(tickedEarly);
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

  // The module takes the window over as the page shows it, then gets the user's early events
  // again; the tick and the typed text, which replaying them may clear, are put back.
  // The browser's number formats take it tens of milliseconds to load the first time, which
  // would hold up the page: they are read in a worker, or here if no worker can start. The
  // worker's code comes as a data: address, which costs the page less than a Blob's.
  function readSettings() {
    const language = navigator.languages?.[0] || navigator.language;
    return new Promise((resolve, reject) => {
      const code = `onmessage = (event) => postMessage((${numberSettings})(event.data));`;
      const worker = new Worker(`data:text/javascript,${encodeURIComponent(code)}`);
      worker.onmessage = (event) => resolve(event.data);
      worker.onerror = reject;
      worker.postMessage(language);
    }).catch(() => numberSettings(language));
  }

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
    const limit = Number(fields[k].dataset.maxLength ?? 0);  // 0: no limit
    if (limit && text.length > limit) {
      showLengthHint(fields[k], limit);
      return;
    }
    fields[k].value = text;
    updateTabStop(fields[k]);
    pressCommand(0);
  }

  function start(started, settings) {
    const ticked = radios.findIndex((radio) => radio.checked);
    const typed = fields.map((input) => [input.value, input.selectionStart, input.selectionEnd]);
    settings.sizes.forEach((size) => started._calculator_add_group_size(size));
    started.ccall('calculator_start', null, ['string', 'string'],
                  [settings.decimal, settings.group]);
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
})();
