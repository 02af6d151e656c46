// The browser half of scripts/web-check: opens the served page in headless Chromium
// through puppeteer-core, types every page's worked case with real key events, clicks
// and copies with the mouse, takes a screenshot of each and reads the figures off it
// with tesseract. One line per step with its time; exits non-zero on any failure.
//   node scripts/web-check.js URL SHOTS_DIR
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [url, shots] = process.argv.slice(2);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvel-web-check-'));
let failed = 0;
let browser, page;

// step NAME FUNCTION: runs it; the function returns what it found, or throws.
// QUORVEL_WEB_ONLY=REGEX runs only the steps so named (and the start).
const only = process.env.QUORVEL_WEB_ONLY ? new RegExp(process.env.QUORVEL_WEB_ONLY) : null;
async function step(name, fn) {
  if (only && !only.test(name) && !/^(start Chromium|open the page)$/.test(name)) return true;
  const start = Date.now();
  let ok = true, found;
  try {
    found = await fn();
  } catch (error) {
    ok = false;
    found = error && error.message ? error.message : String(error);
    failed = 1;
  }
  const took = ((Date.now() - start) / 1000).toFixed(1) + 's';
  console.log(`${ok ? 'ok  ' : 'FAIL'}  ${name.padEnd(30)} ${took.padStart(6)}  ${String(found).split('\n')[0]}`);
  return ok;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Keys as puppeteer names them; "Alt+KeyP" holds Alt around P.
async function keys(...names) {
  for (const name of names) {
    const parts = name.split('+');
    const key = parts.pop();
    for (const modifier of parts) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of parts.reverse()) await page.keyboard.up(modifier);
    await sleep(150);
  }
}
async function type(text) {
  await page.keyboard.type(text, { delay: 60 });
  await sleep(150);
}

// The screenshot, in grey at twice the size, for tesseract.
async function shoot(name) {
  await sleep(500); // the frame after the last key
  const file = path.join(shots, name + '.png');
  await page.screenshot({ path: file });
  const big = path.join(profile, 'ocr.png');
  execFileSync('convert', [file, '-colorspace', 'Gray', '-resize', '200%', big]);
  return { file, big };
}

// The words tesseract reads, each with where it stands in the page (CSS pixels).
// Read twice: as a page, and as sparse text, which finds the small button captions.
function words(big) {
  return ['3', '11'].flatMap((psm) => {
    const tsv = execFileSync('tesseract', [big, '-', '--psm', psm, 'tsv'], { stdio: ['ignore', 'pipe', 'ignore'] });
    return tsv.toString().split('\n').slice(1).map((line) => line.split('\t'))
      .filter((f) => f.length >= 12 && f[11].trim())
      .map((f) => ({ text: f[11].trim(), x: (+f[6] + f[8] / 2) / 2, y: (+f[7] + f[9] / 2) / 2 }));
  });
}

// Every figure must be read as a word of its own: 2.57 is not in 12.578.
function expect(read, figures) {
  const all = read.map((w) => w.text);
  const missing = figures.filter((f) => !all.some((t) => t.replace(/[^0-9.]+$/, '') === f));
  if (missing.length) throw new Error(`not read: ${missing.join(' ')}; read: ${all.join(' ').slice(0, 300)}`);
}
async function readFigures(name, ...figures) {
  const { file, big } = await shoot(name);
  const read = words(big);
  expect(read, figures);
  return { read, found: `read ${figures.join(' ')} (${path.basename(file)})` };
}
function where(read, text) {
  const w = read.find((w) => w.text === text || w.text.replace(/[^0-9.]+$/, '') === text);
  if (!w) throw new Error(`"${text}" not found on the screen`);
  return w;
}

const FLOW = ['Alt+KeyF', 'Tab'];
const NOTCH = [...FLOW, 'Tab', 'NumpadEnter'];

(async () => {
  await step('start Chromium', async () => {
    browser = await puppeteer.launch({
      executablePath: process.env.QUORVEL_CHROMIUM || '/usr/bin/chromium',
      headless: false, // the flags below say it, as they are
      args: ['--headless', '--no-sandbox', '--enable-unsafe-swiftshader', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--no-first-run', `--user-data-dir=${profile}/profile`],
      defaultViewport: { width: 1280, height: 800 },
    });
    page = await browser.newPage();
    page.on('console', (m) => { if (process.env.QUORVEL_WEB_CONSOLE) console.log('console: ' + m.text()); });
    await browser.defaultBrowserContext().overridePermissions(new URL(url).origin,
      ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    return await browser.version();
  });
  if (!page) process.exit(1);

  let read;
  // The page loaded afresh, each case on a program of its own, as a user who opens it.
  const open = async () => {
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction(() => performance.getEntriesByName('quorvel-form-painted').length > 0,
      { timeout: 120000, polling: 50 });
    await sleep(300);
  };
  const opened = await step('open the page', async () => {
    await open();
    const t = await page.evaluate(() => {
      const painted = performance.getEntriesByName('quorvel-form-painted')[0].startTime;
      const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
      const bytes = entries.reduce((sum, e) => sum + (e.transferSize || 0), 0);
      const body = entries.reduce((sum, e) => sum + (e.encodedBodySize || 0), 0);
      return { painted, bytes, body, files: entries.length };
    });
    return `first painted form ${Math.round(t.painted)} ms after navigation; ${t.files} files, ` +
      `${t.body} bytes (${t.bytes} transferred)`;
  });
  if (!opened) process.exit(1);

  await step('title and clock', async () => {
    const title = await page.title();
    if (title !== 'Pipeline Quorvel') throw new Error(`the page's title is "${title}"`);
    // The date and time at load, from the browser's clock, as the form writes it.
    const now = await page.evaluate(() => {
      const d = new Date(), two = (n) => String(n).padStart(2, '0');
      const at = (m) => new Date(d.getTime() + m * 60000);
      return [-1, 0].map(at).map((t) => [`${two(t.getDate())}/${two(t.getMonth() + 1)}/${t.getFullYear()}`,
        `${two(t.getHours())}:${two(t.getMinutes())}`]);
    });
    ({ read } = await readFigures('start'));
    const text = read.map((w) => w.text).join(' ');
    if (!now.some(([date, time]) => text.includes(date) && text.includes(time)))
      throw new Error(`no ${now[1].join(' ')} read: ${text.slice(0, 200)}`);
    return `"${title}", ${now[1].join(' ')} from the browser's clock`;
  });

  await step('pipe worked case', async () => {
    await keys('Alt+KeyP'); await type('10'); await keys('Tab'); await type('100'); await keys('Tab');
    await type('0.1'); await keys('Tab'); await type('0.5');
    return ({ read } = await readFigures('pipe', '1.27', '2.57')).found;
  });

  await step('copy a figure', async () => {
    const w = where(read, '2.57');
    await page.mouse.click(w.x, w.y, { button: 'right' });
    await shoot('copy-menu');
    await keys('KeyC');
    await sleep(500);
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    if (!/^2\.57\s+m$/.test(copied)) throw new Error(`the clipboard holds "${copied}"`);
    return `right click on 2.57, C: the browser's clipboard holds "${copied}"`;
  });

  await step('orifice worked case', async () => {
    await open();
    await keys(...FLOW, 'Enter'); await type('0.1'); await keys('Tab'); await type('2');
    return ({ read } = await readFigures('orifice', '0.031', '30.51')).found;
  });

  await step('rounded orifice by mouse', async () => {
    const w = where(read, 'Rounded');
    await page.mouse.click(w.x, w.y);
    return (await readFigures('orifice-rounded', '0.048', '47.73')).found;
  });

  await step('rectangular notch', async () => {
    await open();
    await keys(...NOTCH, 'Enter'); await type('0.2'); await keys('Shift+Tab'); await type('1.0');
    return (await readFigures('rectangular', '0.165', '165.00')).found;
  });

  await step('trapezoidal notch', async () => {
    await open();
    await keys(...NOTCH, 'Tab', 'Space'); await type('0.2'); await keys('Tab'); await type('0.5');
    await keys('Tab'); await type('14');
    return (await readFigures('trapezoidal', '0.089', '89.00')).found;
  });

  await step('V-notch', async () => {
    await open();
    await keys(...NOTCH, 'Tab', 'Tab', 'Space'); await type('0.2'); await keys('Shift+Tab'); await type('90');
    return (await readFigures('v-notch', '0.026', '26.00')).found;
  });

  await step('Close', async () => {
    await keys('Alt+KeyC');
    await page.waitForFunction(() => /has ended/.test(document.body.innerText), { timeout: 10000 });
    await shoot('closed');
    return `Alt+C: the page says "${(await page.evaluate(() => document.body.innerText)).split('\n')[0]}"`;
  });

  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  process.exit(failed);
})().catch(async (error) => {
  console.log(`FAIL  ${String(error)}`);
  if (browser) await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  process.exit(1);
});
