'use strict';
// Keeps the page, its module and its icons, so that a second visit works without a network,
// and answers from them. The build writes in every file's SHA-256: a new version of the page
// brings a new service worker, which keeps the new files only if each is the one it lists (a
// host caught half-way through an upload, or a cache still serving old files, fails the
// install, which the next visit tries again), takes over at once, and then drops this
// folder's older copies. A visit thus runs one build whole, never a mix.
const files = @FILES@;
// Caches are shared by the whole origin: this page's are named after its folder.
const prefix = `ravnostranen ${self.registration.scope} `;
const cacheName = `${prefix}@VERSION@`;

async function digest(response) {
  const bytes = await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer());
  return [...new Uint8Array(bytes)].map((b) => b.toString(16).padStart(2, '0')).join('');
}

async function keepBuild() {
  const cache = await caches.open(cacheName);
  try {
    await Promise.all(Object.entries(files).map(async ([file, expected]) => {
      // Revalidated, so that a file the browser's own cache holds is taken only if current.
      const response = await fetch(new Request(file, { cache: 'no-cache' }));
      if (!response.ok) throw new Error(`${file}: HTTP ${response.status}`);
      if (await digest(response) !== expected) throw new Error(`${file} is another build's`);
      await cache.put(file, response);
    }));
  } catch (failure) {
    await caches.delete(cacheName);
    throw failure;
  }
}

self.addEventListener('install', (event) => {
  event.waitUntil(keepBuild().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith(prefix) && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page answers to its folder and to index.html in it, with any query.
function cacheKey(request) {
  const url = new URL(request.url);
  const folder = new URL(self.registration.scope).pathname;
  return url.pathname === folder || url.pathname === `${folder}index.html` ? './' : request;
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(cacheKey(event.request), { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
