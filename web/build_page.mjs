// Makes the one self-contained page: the template with the engine (the
// WebAssembly inlined in its script) and the worker code put in place.
// node build_page.mjs TEMPLATE ENGINE.js WORKER.js OUT.html
import { readFileSync, writeFileSync, renameSync } from "node:fs";

const [template, engine, worker, out] = process.argv.slice(2);
let page = readFileSync(template, "utf8");
for (const [marker, file] of [["@ENGINE@", engine], ["@WORKER@", worker]]) {
  const text = readFileSync(file, "utf8");
  if (text.includes("</script")) throw new Error(file + " would close its script element");
  page = page.split(marker).join(text);
}
writeFileSync(out + ".tmp", page);
renameSync(out + ".tmp", out);
