// How often the WebAssembly analysis differs from the native one: the same
// sections through the page's engine (built for Node) and through
// mphi-batch, SECTION against SECTION.
// node compare_native.mjs ENGINE-NODE.js MPHI-BATCH WORKDIR COUNT
import { execFileSync } from "node:child_process";
import { existsSync, mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";

const [enginePath, batch, work, countText] = process.argv.slice(2);
const Module = createRequire(import.meta.url)(enginePath);
await new Promise(resolve => { if (Module.calledRun) resolve(); else Module.onRuntimeInitialized = resolve; });
const ask = request => JSON.parse(Module.ccall("mphi_compute", "string", ["string"], [JSON.stringify(request)]));
// The values in the order of the rows below, named as the engine names them.
const NAMES = ask({ describe: true }).values.map(v => v.name);
if (NAMES.join() !== "b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r") throw new Error("values: " + NAMES);

// The end-to-end cases' sections (the worked example, and a load beyond
// it), then random but sensible sections (a fixed sequence).
let seed = 20261209;
const uniform = (low, high) => {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return low + (high - low) * seed / 2147483648;
};
const rows = [["40", "35", "1.9", "5", "1.3", "10", "0.21", "4.2", "2.8", "2100", "100", "0.02"],
              ["40", "35", "1.9", "5", "1.3", "10", "0.21", "4.2", "2.8", "2100", "10000", "0.02"]];
for (let i = 0; i < Number(countText); ++i) {
  const b = uniform(25, 120), h = uniform(25, 120), fc = uniform(0.14, 0.56);
  rows.push([b.toFixed(1), h.toFixed(1), uniform(1.3, 3.2).toFixed(2), uniform(2.5, 7.5).toFixed(2),
             uniform(0.95, 1.6).toFixed(2), uniform(5, 30).toFixed(1), fc.toFixed(3),
             uniform(2.8, 5.6).toFixed(2), uniform(2.8, 4.2).toFixed(2), uniform(2000, 2100).toFixed(0),
             (uniform(-0.1, 0.95) * fc * b * h).toFixed(1), uniform(0.01, 0.06).toFixed(4)]);
}
mkdirSync(work, { recursive: true });
writeFileSync(work + "/table.csv", [NAMES.join(",") + ",id", ...rows.map((r, i) => r.join(",") + "," + i)].join("\n") + "\n");
try {
  execFileSync(batch, [work + "/table.csv", "--out", work + "/native", "--csv", work + "/native.csv"]);
} catch (e) {
  if (e.status !== 3) throw e;  // refused rows are compared too: neither side writes them
}

let same = 0, differ = 0, refused = 0;
rows.forEach((row, i) => {
  const values = Object.fromEntries(NAMES.map((n, k) => [n, row[k]]));
  const answer = ask({ values, L: "" });
  const nativePath = `${work}/native/${i}/SECTION`;
  if (!answer.ok) {
    if (existsSync(nativePath)) ++differ; else ++refused;
    return;
  }
  const native = existsSync(nativePath) ? readFileSync(nativePath, "latin1") : null;
  const written = answer.models.find(m => m.section !== undefined);
  if (written && native === written.section) ++same; else ++differ;
});
console.log(`${rows.length} sections: ${same} identical, ${differ} differ, ${refused} refused by both`);
if (differ > 0 || same === 0) process.exit(1);
