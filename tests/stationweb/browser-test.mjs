// Drives the station page in headless Chromium: a wrong code is refused, the right one
// pairs, the values move as the dive plays, a failure is injected and shows as in force, a
// note is added, and the classroom page shows the station's tile.
//   node browser-test.mjs CHROMIUM ADDRESS CODE WORK_FOLDER [SCREENSHOT_FOLDER]
import { createRequire } from "node:module";
import path from "node:path";

const require = createRequire(path.join(process.env.NODE_PATH, "x.js"));
const puppeteer = require("puppeteer-core");
const [chromium, address, code, work, shots] = process.argv.slice(2);

function check(condition, what) {
  if (!condition) throw new Error(`failed: ${what}`);
  console.log(`ok: ${what}`);
}

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);

const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", `--user-data-dir=${path.join(work, "profile")}`],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(address);

  await page.type("#code", "000000");
  await page.click("#pair");
  await page.waitForFunction(() => document.getElementById("message").textContent !== "");
  check((await text(page, "#message")) === "wrong pairing code", "a wrong code is refused");
  check(await page.$eval("#live", (live) => live.hidden), "nothing shows before pairing");

  await page.$eval("#code", (input) => (input.value = ""));
  await page.type("#code", code);
  await page.click("#pair");
  await page.waitForFunction(() => !document.getElementById("live").hidden);
  check((await text(page, "#status")) === "Connected", "the right code pairs");

  await page.select("#speed", "10");
  await page.waitForFunction(() => document.getElementById("clock").textContent === "×10");
  const firstTime = await text(page, "#time");
  await page.waitForFunction(
    (first) => document.getElementById("time").textContent !== first && document.getElementById("handsetPO2").textContent !== "",
    { timeout: 30000 },
    firstTime,
  );
  check((await text(page, "#loopPO2")) !== "", `live values: loop PO2 ${await text(page, "#loopPO2")} at ${await text(page, "#time")}`);

  await page.click('input[data-option="4"]');
  await page.click("#changeNow");
  await page.waitForFunction(() => document.getElementById("failures").textContent.includes("Cell Drift"), { timeout: 20000 });
  check(true, "the injected failure shows as in force");

  await page.type("#note", "trainee noticed the drift");
  await page.click("#addNote");
  await page.waitForFunction(() => document.getElementById("note").value === "");
  await page.select("#drills", "handset-flood");
  await page.click("#startDrill");
  await page.waitForFunction(() => document.getElementById("drill").textContent === "handset-flood");
  check(true, "a drill started from the page is running");
  await page.select("#speed", "1");
  await new Promise((resolve) => setTimeout(resolve, 1500));
  if (shots) await page.screenshot({ path: path.join(shots, "station-page.png"), fullPage: true });

  const classroom = await browser.newPage();
  await classroom.setViewport({ width: 1100, height: 520 });
  await classroom.goto(new URL("classroom", address).href);
  await classroom.type("#address", new URL(address).host);
  await classroom.type("#code", code);
  await classroom.click("#addStation");
  await classroom.waitForFunction(() => document.querySelector('[data-field="status"]')?.textContent === "live", { timeout: 10000 });
  check((await text(classroom, '[data-field="loop"]')) !== "–", "the classroom tile shows the station live");
  // A station that is not there keeps trying.
  await classroom.type("#address", "127.0.0.1:9");
  await classroom.type("#code", "000000");
  await classroom.click("#addStation");
  await classroom.waitForFunction(() => document.querySelectorAll('[data-field="status"]')[1]?.textContent === "reconnecting…");
  check(true, "a station that is not there shows as reconnecting");
  if (shots) await classroom.screenshot({ path: path.join(shots, "classroom-page.png"), fullPage: true });
} finally {
  await browser.close();
}
