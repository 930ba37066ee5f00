'use strict';
// Keeps the page, its script and its module, so that a second visit works without a network,
// and answers from them. The build names the cache after the files' contents: a new version
// of the page brings a new service worker, which keeps all the new files before it drops the
// old ones, so the visit after the one that found it shows the new version whole.
const cacheName = 'ravnostranen-@VERSION@';
const files = ['./', 'page.js', 'calculator.js', 'calculator.wasm', 'manifest.webmanifest',
               'icon.svg', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  // Revalidated, so that a file the browser's own cache holds is taken only if still current.
  const requests = files.map((file) => new Request(file, { cache: 'no-cache' }));
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
