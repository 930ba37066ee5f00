// The reader's number settings, which the module writes and reads numbers with.

// The reader's regional settings, as the browser writes numbers in their first language:
// the separators, and a long integer as it writes it, which the module reads the group sizes
// off (triangle/group_sizes.h).
function numberSettings(language) {
  let writer;
  try {
    writer = new Intl.NumberFormat(language, { useGrouping: true });
  } catch {
    writer = new Intl.NumberFormat(undefined, { useGrouping: true });  // an unknown language
  }
  const parts = writer.formatToParts(1234567890123.5);
  const part = (type) => parts.find((p) => p.type === type)?.value ?? '';
  const integer = parts.filter((p) => p.type === 'integer' || p.type === 'group')
    .map((p) => p.value).join('');
  return { decimal: part('decimal') || '.', group: part('group'), integer };
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
