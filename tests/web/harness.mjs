// The one harness of the browser edition's tests: Debian's Chromium, headless, driven by
// playwright-core, the page opened from file://, and the batch program's outputs to compare
// with. MORVANTA_PAGE and MORVANTA_BATCH name the two (default: build-web/ and build/).
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { inflateSync } from 'node:zlib';
import { createRequire } from 'node:module';

const root = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
const pagePath = process.env.MORVANTA_PAGE || join(root, 'build-web/ui/web/morvanta.html');
const batchPath = process.env.MORVANTA_BATCH || join(root, 'build/ui/qt/morvanta');
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const Generous = 180000;  // the longest any wait or action may take before it gives up

let browser;
export async function openPage(fragment = '', viewport = { width: 623, height: 610 }) {
  browser ??= await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--no-first-run', '--disable-sync'],
  });
  const page = await browser.newPage({ viewport, acceptDownloads: true });
  page.setDefaultTimeout(Generous);
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  page.errors = errors;
  await page.goto(pathToFileURL(pagePath).href + fragment);
  await page.waitForFunction(() => document.documentElement.dataset.ready, null, { timeout: Generous });
  return page;
}
export const closeBrowser = () => browser?.close();

export const log = (page) => page.$eval('#Memo1', (m) => m.value);
export const focused = (page) => page.evaluate(() => {
  const e = document.activeElement;
  return e.type === 'radio' ? `${e.name}:${e.value}` : e.id;
});
export const ended = (page) => page.evaluate(() => window.morvanta.ended());
// Waits until the log holds the given number of end-of-job lines and the run is over.
export async function runsDone(page, count) {
  await page.waitForFunction((n) => !window.morvanta.running() &&
    (document.getElementById('Memo1').value.match(/Normal End of Job/g) || []).length >= n,
    count, { timeout: Generous });
}
export async function openMenu(page) {
  await page.click('#MapBox', { button: 'right' });
  await page.waitForSelector('[role=menu]');
}
export async function chooseMenuItem(page, label) {
  await openMenu(page);
  await page.click(`[role=menu] >> text="${label}"`);
}
export async function download(page, label) {
  const [file] = await Promise.all([page.waitForEvent('download'), chooseMenuItem(page, label)]);
  return readFileSync(await file.path());
}
export async function axeViolations(page) {
  await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() => window.axe.run(document));
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
}
// A canvas at its own size, as RGB triples row by row, and its width; the plot's RGB.
export async function canvasPixels(page, id) {
  const [url, width] = await page.$eval(`#${id}`, (c) => [c.toDataURL('image/png'), c.width]);
  return { rgb: pngRgb(Buffer.from(url.split(',')[1], 'base64')), width };
}
export const canvasRgb = async (page) => (await canvasPixels(page, 'MapBox')).rgb;
// The plot's pixels each drawn as a factor x factor block.
export const blocks = (rgb, factor) => Array.from({ length: 3 * (400 * factor) ** 2 }, (_, i) => {
  const x = Math.floor((i / 3) % (400 * factor) / factor), y = Math.floor(i / 3 / (400 * factor) / factor);
  return rgb[3 * (y * 400 + x) + i % 3];
});
// The boxes of the page's controls on the page, [left, top, width, height].
export const boxes = (page, ids) => page.evaluate((ids) => Object.fromEntries(ids.map((id) => {
  const r = document.getElementById(id).getBoundingClientRect(); return [id, [r.x + scrollX, r.y + scrollY, r.width, r.height]];
})), ids);

// The batch program's PNG and CSV for the same options.
export function batchRun(options) {
  const folder = mkdtempSync(join(tmpdir(), 'morvanta-web-'));
  execFileSync(batchPath, ['--batch', ...options, `--png=${folder}/plot.png`, `--csv=${folder}/trials.csv`]);
  return { rgb: pngRgb(readFileSync(`${folder}/plot.png`)), csv: readFileSync(`${folder}/trials.csv`) };
}

// A PNG's pixels as RGB triples, whatever filters its writer chose (8-bit RGB or RGBA).
export function pngRgb(png) {
  let at = 8, width = 0, channels = 3;
  const idat = [];
  while (at < png.length) {
    const length = png.readUInt32BE(at), type = png.toString('latin1', at + 4, at + 8);
    const data = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') { width = data.readUInt32BE(0); channels = data[9] === 6 ? 4 : 3; }
    if (type === 'IDAT') idat.push(data);
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat)), stride = width * channels, rows = raw.length / (stride + 1);
  const out = Buffer.alloc(rows * stride);
  for (let y = 0; y < rows; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? out[y * stride + x - channels] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? out[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      out[y * stride + x] = (v + predictor) & 255;
    }
  }
  return Array.from(out.filter((_, i) => channels === 3 || i % 4 !== 3));
}

// The pixels that differ outside the boxes the labels' glyphs may cover.
export const LabelBoxes = [[0, 5, 90, 32], [195, 378, 300, 400]];
export function differingPixels(a, b, zoom = 1) {
  const differing = [], side = 400 * zoom;
  for (let y = 0; y < side; ++y) for (let x = 0; x < side; ++x) {
    if (LabelBoxes.some(([l, t, r, bt]) => x >= l * zoom && x < r * zoom && y >= t * zoom && y < bt * zoom)) continue;
    const i = 3 * (y * side + x);
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) differing.push(`(${x},${y})`);
  }
  return differing;
}
