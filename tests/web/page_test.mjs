// The page in headless Chromium, from file:// as an engineer opens it: the
// worked example's figures of both models and SECTION against mphi's bytes,
// a refused value at its field with no result left on show, a link's query
// reproducing a calculation, the interaction diagrams, and not one console
// error. Writes the screenshot the README shows beside the page.
// node page_test.mjs PAGE.html WORKED_SECTION
import { readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import puppeteer from "puppeteer-core";

const [pagePath, sectionPath] = process.argv.slice(2);
const url = "file://" + pagePath;
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };
const near = (value, want, tolerance) => Math.abs(Number(value) - want) <= tolerance;

const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
const page = await browser.newPage();
await page.setViewport({ width: 1280, height: 1000 });
const errors = [];
page.on("console", m => { if (m.type() === "error") errors.push(m.text()); });
page.on("pageerror", e => errors.push(e.message));

async function open(query) {
  await page.goto(url + query);
  return settle();
}
async function settle() {
  await page.waitForSelector("body[data-state=done], body[data-state=refused]", { timeout: 30000 });
  return page.$eval("body", b => b.dataset.state);
}
const figure = id => page.$eval("#fig-" + id, c => c.dataset.value);

// The worked example: the page opens on it.
check(await open("") === "done", "the worked example did not compute");
check(near(await figure("Mu"), 2107.559, 5e-4), "Mu");
check(near(await figure("Mp"), 2035.974, 5e-3), "Caltrans Mp");
check(near(await figure("mu-caltrans"), 1.631, 5e-4), "Caltrans mu_phi");
check(near(await figure("Mn"), 1959.724, 5e-3), "Priestley Mn");
check(near(await figure("mu-priestley"), 1.628, 5e-4), "Priestley mu_phi");
check((await page.$eval("#end", e => e.dataset.end)) === "0.8Mu", "end of the curve");
// The assessment model beside it: the worked figures.
check((await page.$eval("#end", e => e.dataset.assessmentEnd)) === "core_crushing", "assessment end");
check(near(await figure("a-peak-M"), 2029.35, 5e-3), "assessment peak");
check(near(await figure("a-mu-phi-u"), 13.949, 5e-4), "assessment mu_phi");
check((await page.$$("#plot svg polyline.assessment")).length === 1, "both curves on one chart");
const section = await page.$eval("#dl-SECTION", async a => (await fetch(a.href)).text());
check(section === readFileSync(sectionPath, "latin1"), "SECTION differs from mphi's bytes");
check((await page.$eval("#dl-SECTION", a => a.download)) === "SECTION", "SECTION's file name");
for (const name of ["SECTION-csv", "SECTION-json", "SECTION-svg", "interaction-svg", "sweep-csv",
                    "assessment-json", "assessment-sweep-csv"]) {
  check((await page.$$("#dl-" + name)).length === 1, name + " download missing");
}
check((await page.$$("#interaction svg polyline.mu")).length === 2, "interaction diagrams missing");
check((await page.$$("#spec-plot svg polyline.caltrans")).length === 1, "M-phi plot missing");
await page.screenshot({ path: join(dirname(pagePath), "page.png") });

// Typing debounces, recomputes and keeps the query in step.
await page.$eval("#in-L", i => { i.value = "200"; i.dispatchEvent(new Event("input")); });
check(await settle() === "done", "the drift did not compute");
check(near(await figure("mu-delta"), 1.2749, 5e-4), "drift mu_delta");
check(near(await figure("a-drift-ultimate"), 6.936, 5e-3), "assessment drift");
check(new URL(page.url()).searchParams.get("L") === "200", "the query does not follow the form");

// A refused value shows the data check's reason at its field.
check(await open("?r=2") === "refused", "r = 2 was not refused");
const reason = await page.$eval("#field-r .error", e => e.textContent);
check(reason.includes("r = 2: main steel area exceeds the tie-confined core"), "reason at r: " + reason);
check((await page.$$("#figures td")).length === 0 && (await page.$$("#downloads a")).length === 0,
      "a refused form leaves figures or downloads on show");
check(await open("?fc=28") === "refused", "fc in MPa was not refused");
check((await page.$eval("#field-fc .error", e => e.textContent)).includes("fc is in T/cm2 (0.28, not 28)"),
      "no unit hint at fc");
check(await open("?model=assessment&bars_face=2.5") === "refused", "2.5 bars were not refused");
check((await page.$eval("#field-bars_face .error", e => e.textContent)).includes("whole number"),
      "reason at bars_face");
check(await open("?fc=0%2C21") === "refused", "a decimal comma was not refused");
check((await page.$eval("#field-fc .error", e => e.textContent)).includes("is not a number"),
      "reason at fc");

// A link reproduces a calculation: column C2 of examples/columns.csv.
check(await open("?b=50&h=50&clearb1cm=5&r=0.024&dcm=2.5&dbcm=1.3&sccm=10&fc=0.28&fy=4.2&fsy=2.8" +
                 "&Es=2040&P0=250") === "done", "the query's section did not compute");
check(near(await figure("Mu"), 7250.104, 5e-4), "the query's Mu");
check((await page.$eval("#in-b", i => i.value)) === "50", "the query did not fill the form");
// The length in the results' length: 2 m in si is the worked 200 cm, and
// 200 there is refused at L, naming the unit.
check(await open("?units=si&L=2") === "done", "L = 2 m did not compute");
check(near(await figure("mu-delta"), 1.2749, 5e-4), "drift at 2 m");
check((await page.$eval("#field-L .unit", e => e.textContent)) === "m", "L's unit in si");
check(await open("?units=si&L=200") === "refused", "L = 200 m was not refused");
check((await page.$eval("#field-L .error", e => e.textContent)).includes(
      "L = 200 m is 571 times the section depth h = 0.35 m"), "the reason at L");
// Data that runs but looks wrong: a warning, at its field too.
check(await open("?dcm=9") === "done", "a 9 cm bar did not compute");
check((await page.$eval("#end", e => e.textContent)).includes(
      "Warning: dcm = 9 cm is more than a sixth of the section's smaller side (h = 35 cm): is it in mm?"),
      "no warning of the bar");
check((await page.$eval("#field-dcm .warned", e => e.textContent)).includes("a sixth"),
      "the warning at dcm");
// The results in si: kN.m for T.cm, 9.81 kN for a ton.
check(await open("?units=si") === "done", "si did not compute");
check(near(await figure("Mu"), 2107.559 * 0.0981, 5e-4), "Mu in kN.m");
check(near(await figure("a-peak-M"), 2029.35 * 0.0981, 5e-3), "assessment peak in kN.m");
// The explicit-bar column, the assessment model alone.
check(await open("?b=60&h=60&clearb1cm=5&r=0.0164&dcm=2.5&dbcm=1.3&sccm=10&fc=0.28&fy=4.2&fsy=2.8" +
                 "&Es=2040&P0=201.6&L=300&model=assessment&bars_face=4&bars_side=2") === "done",
      "the explicit bars did not compute");
check(near(await figure("a-peak-M"), 9531.58, 2e-2), "explicit bars' peak");
check(near(await figure("a-mu-phi-dc"), 11.179, 5e-4), "explicit bars' mu_phi");
check(near(await figure("a-drift-damage_control"), 4.3527, 5e-4), "explicit bars' flexural drift");
check(near(await figure("a-cap-drift"), 3.8029, 5e-4), "explicit bars' drift capacity");
check((await page.$eval("#figures", t => t.textContent)).includes("Drift capacity, by shear"),
      "the governing mode");
check((await page.$$("#dl-SECTION")).length === 0, "SECTION offered for the assessment model");
// The bridge column: a circle with a spiral. Both models asked, the
// specified one stands aside; the drawing shows its 12 bars and spiral.
check(await open("?shape=circular&D=60&n_bars=12&clearb1cm=4&dcm=2.5&dbcm=1.3&sccm=8&fc=0.35" +
                 "&fy=4.2&fsy=4.2&Es=2040&P0=150&L=300") === "done", "the circle did not compute");
check(near(await figure("a-peak-M"), 7619.43, 5e-3), "the circle's peak");
check(near(await figure("a-cap-drift"), 5.4551, 5e-4), "the circle's drift capacity");
check((await page.$eval("#field-r", e => e.style.display)) === "none", "r offered for a circle");
check((await page.$$("#section-drawing svg circle.bar")).length === 12, "the drawing's bars");
check((await page.$$("#section-drawing svg circle.ties")).length === 1, "the drawing's spiral");
check(await open("?shape=circular&D=60&n_bars=3&clearb1cm=4&dcm=2.5&dbcm=1.3&sccm=8&fc=0.35" +
                 "&fy=4.2&fsy=4.2&Es=2040&P0=150&model=assessment") === "refused", "3 bars ran");
check((await page.$eval("#field-n_bars .error", e => e.textContent)).includes("at least 4 bars"),
      "the reason at n_bars");

check(errors.length === 0, "console errors: " + errors.join(" | "));
await browser.close();
if (failures.length > 0) {
  console.log("page: " + failures.length + " failed:\n  " + failures.join("\n  "));
  process.exit(1);
}
console.log("page: 0 failed");
