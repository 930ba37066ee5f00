// The reader's number settings, which the module writes and reads numbers with.

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
