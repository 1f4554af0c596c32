// The page's worker, run after the engine above it: one answer per request,
// requests that come before the engine is ready wait for it.
"use strict";
const waiting = [];
let ready = false;

function answer(message) {
  const text = Module.ccall("mphi_compute", "string", ["string"], [message.request]);
  postMessage({ id: message.id, answer: text });
}

function engineReady() {
  ready = true;
  waiting.splice(0).forEach(answer);
}

if (Module.calledRun) engineReady();
else Module.onRuntimeInitialized = engineReady;
onmessage = e => (ready ? answer(e.data) : waiting.push(e.data));
