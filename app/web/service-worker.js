// Keeps every file of one version of the page, so that the program starts
// with no network from then on. The files' SHA-256 digests and the
// version's name, made from them, are filled in at build time
// (seal-offline-files).
//
// A version is kept whole or not at all: a file that does not match its
// digest, as when a server holds the files of two builds halfway through
// publishing, leaves the last good version in place. A new version waits
// until no page of the old one is open, so that an open page never mixes
// the files of two builds.

const kVersion = "@VERSION@";
const kDigests = @DIGESTS@;

// The origin's caches may be other apps' too: this app's carry its scope.
const kPrefix = `vondrel ${self.registration.scope} `;
const kCache = kPrefix + kVersion;

async function hex(buffer) {
    const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", buffer));
    return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// From the server itself, not the browser's HTTP cache, which may still
// hold files of the last version.
async function fetchChecked(file) {
    const response = await fetch(new Request(file, { cache: "reload" }));
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    const body = await response.clone().arrayBuffer();
    if ((await hex(body)) !== kDigests[file]) throw new Error(`${file} is not this version's`);
    return response;
}

async function keepVersion() {
    const files = Object.keys(kDigests);
    const responses = await Promise.all(files.map(fetchChecked));
    const cache = await caches.open(kCache);
    await Promise.all(files.map((file, index) => cache.put(file, responses[index])));
}

self.addEventListener("install", (event) => event.waitUntil(keepVersion()));

// Once no page of an older version is open, its files go, and the worker
// takes the pages that none controls, as the first visit's, whose later
// fetches (the principle window's picture) are then this version's too.
self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(
                    names.filter((name) => name.startsWith(kPrefix) && name !== kCache).map((name) => caches.delete(name)),
                ),
            )
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
