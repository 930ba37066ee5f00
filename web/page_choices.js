// Choosing an option and pressing a button, before the module has started and after.

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
