// Keeps the whole page (the WebAssembly and the SoundFont included) in the
// browser's cache, so that Sonorix opens with the network gone.
declare const SONORIX_FILES: string[];
declare const SONORIX_VERSION: string;
const sw = self as unknown as ServiceWorkerGlobalScope;
const CACHE = `sonorix-${SONORIX_VERSION}`;

sw.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((c) => c.addAll(SONORIX_FILES)).then(() => sw.skipWaiting()));
});

sw.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith('sonorix-') && k !== CACHE).map((k) => caches.delete(k))))
      .then(() => sw.clients.claim()),
  );
});

// Opened once: every file of the page's start comes through here, from the cache first.
let opened: Promise<Cache> | null = null;

sw.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  opened ??= caches.open(CACHE);
  event.respondWith(
    opened.then(
      async (cache) => (await cache.match(event.request, { ignoreSearch: true })) ?? fetch(event.request),
      () => {
        // The cache could not be opened: the network, and another try next time.
        opened = null;
        return fetch(event.request);
      },
    ),
  );
});
