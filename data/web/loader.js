// Loads the program into the page: checks that the browser can run it,
// downloads wellenzeiger.wasm with a progress bar, starts it in #screen, and
// shows the end page when the program ends. Registers the service worker that
// keeps the files for use without network.
"use strict";
(function () {
    const wasmBytes = __WASM_BYTES__; // the size of wellenzeiger.wasm, filled in when packed
    const byId = (id) => document.getElementById(id);
    const pages = ["loading", "failure", "ended"];

    function show(page) { // one of `pages`, or null for the program itself
        for (const id of pages) byId(id).hidden = id !== page;
    }

    function fail(reason, detail) {
        console.error("wellenzeiger: " + reason + (detail ? " (" + detail + ")" : ""));
        byId("failure-text").textContent = reason;
        byId("screen").hidden = true;
        show("failure");
    }

    function canRunWebGL() {
        try {
            const canvas = document.createElement("canvas");
            return !!(canvas.getContext("webgl2") || canvas.getContext("webgl"));
        } catch (error) {
            return false;
        }
    }

    async function download(url, progress) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(url + ": " + response.status + " " + response.statusText);
        if (!response.body || !wasmBytes)
            return response.arrayBuffer();
        const reader = response.body.getReader();
        const chunks = [];
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            chunks.push(value);
            received += value.length;
            progress(Math.min(1, received / wasmBytes));
        }
        const bytes = new Uint8Array(received);
        let at = 0;
        for (const chunk of chunks) {
            bytes.set(chunk, at);
            at += chunk.length;
        }
        return bytes.buffer;
    }

    function loadScript(url) {
        return new Promise((resolve, reject) => {
            const script = document.createElement("script");
            script.src = url;
            script.onload = resolve;
            script.onerror = () => reject(new Error(url + " nicht ladbar"));
            document.body.appendChild(script);
        });
    }

    function keepForOffline() {
        if (!("serviceWorker" in navigator))
            return;
        navigator.serviceWorker.register("service-worker.js").catch((error) => {
            console.warn("wellenzeiger: ohne Netz nicht verfügbar: " + error);
        });
    }

    async function start() {
        if (typeof WebAssembly !== "object")
            return fail("Dieser Browser kann kein WebAssembly ausführen. Bitte öffnen Sie die " +
                        "Seite in einem aktuellen Browser (Chrome, Edge, Firefox oder Safari).");
        if (!canRunWebGL())
            return fail("Dieser Browser zeichnet kein WebGL, oder es ist abgeschaltet. Bitte " +
                        "schalten Sie WebGL (die Grafikbeschleunigung) ein oder öffnen Sie die " +
                        "Seite in einem anderen Browser.");
        keepForOffline();
        let wasm;
        try {
            const bytes = await download("wellenzeiger.wasm", (share) => { byId("progress").value = share; });
            byId("loading-text").textContent = "Das Programm wird gestartet …";
            wasm = await WebAssembly.compile(bytes);
            await loadScript("wellenzeiger.js");
        } catch (error) {
            return fail("Das Programm ließ sich nicht laden. Bitte prüfen Sie die Verbindung " +
                        "und laden Sie die Seite neu.", String(error));
        }
        const screen = byId("screen");
        try {
            window.wellenzeiger = await createQtAppInstance({
                qtContainerElements: [screen],
                qtFontDpi: 96,
                instantiateWasm(imports, done) {
                    WebAssembly.instantiate(wasm, imports).then((instance) => done(instance, wasm),
                        (error) => fail("Das Programm ließ sich nicht starten.", String(error)));
                    return {};
                },
                locateFile: (file) => file,
                print: (text) => console.log(text),
                printErr: (text) => console.error(text),
                onAbort: (text) => fail("Das Programm ist abgebrochen. Bitte laden Sie die Seite neu.", text),
                wellenzeigerEnded() {
                    screen.hidden = true;
                    show("ended");
                    byId("restart").focus();
                },
            });
        } catch (error) {
            return fail("Das Programm ließ sich nicht starten.", String(error));
        }
        show(null);
    }

    byId("restart").addEventListener("click", () => location.reload());
    window.addEventListener("error", (event) => console.error("wellenzeiger: " + event.message));
    start();
})();
