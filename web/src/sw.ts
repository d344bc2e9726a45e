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

sw.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const hit = await cache.match(event.request, { ignoreSearch: true });
      return hit ?? fetch(event.request);
    }),
  );
});
