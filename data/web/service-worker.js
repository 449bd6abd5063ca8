// Keeps the program's files so that the page starts without network after
// one visit. Each build has a cache of its own (the name holds the version
// and a digest of the program): when the browser finds a changed service
// worker on a visit with network, the new files are fetched and the old
// cache goes.
"use strict";
const cacheName = "wellenzeiger-@PROJECT_VERSION@-__BUILD_DIGEST__";
const files = ["./", "index.html", "loader.js", "wellenzeiger.js", "wellenzeiger.wasm",
               "manifest.webmanifest", "org.wellenzeiger.Wellenzeiger.svg", "icon-180.png",
               "icon-192.png", "icon-512.png"];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
                        .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name.startsWith("wellenzeiger-") &&
                                                            name !== cacheName)
                                          .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The cached file where there is one, else the network.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((cached) => cached || fetch(event.request)));
});
