// Keeps every file of the page on the first visit, so that the program
// starts with no network from then on. The list and the cache's name are
// filled in at build time (seal-offline-files), the name from the files'
// contents: a changed page installs afresh and drops the old files.

const kCache = "@CACHE_NAME@";
const kFiles = @FILES@;

// From the server itself, not the browser's HTTP cache, which may still
// hold files of the last page.
self.addEventListener("install", (event) => {
    event.waitUntil(
        caches
            .open(kCache)
            .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, { cache: "reload" }))))
            .then(() => self.skipWaiting()),
    );
});

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
            .then(() => self.clients.claim()),
    );
});

// The kept copy first; the network only for what was never kept. Matched
// by the cache's name, since opening a cache that a newer worker has
// dropped would make it anew.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") return;
    event.respondWith(
        caches
            .match(event.request, { cacheName: kCache, ignoreSearch: true })
            .then((kept) => kept ?? fetch(event.request)),
    );
});
