'use strict';
// Keeps the page, its script and its module, so that a second visit works without a network.
// Answers from the cache at once and refreshes the cache from the network behind the answer,
// so an updated page is shown from the visit after it was published.
const cacheName = 'ravnostranen-1';
const files = ['./', 'page.js', 'calculator.js', 'calculator.wasm', 'manifest.webmanifest',
               'icon.svg', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
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
  event.respondWith(caches.open(cacheName).then(async (cache) => {
    const cached = await cache.match(event.request, { ignoreSearch: true });
    const fresh = fetch(event.request).then((response) => {
      if (response.ok) cache.put(event.request, response.clone());
      return response;
    });
    if (cached) {
      event.waitUntil(fresh.catch(() => undefined));
      return cached;
    }
    return fresh;
  }));
});
