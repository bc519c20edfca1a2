// The browser edition's figures, measured in headless Chromium through the tests' harness:
// the page's size, the time from navigation to the first drawn plot, and for a 100-trial
// run the compute spent in wasm, the longest slice of it and the long tasks (> 50 ms).
//   node bench/web_figures.mjs   (MORVANTA_PAGE as for tests/web; run from the repository)
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import * as h from '../tests/web/harness.mjs';

const page = await h.openPage('#scenario=comp-severe&trials=100&seed=43200000');
const file = readFileSync(process.env.MORVANTA_PAGE || 'build-web/ui/web/morvanta.html');
await page.evaluate(() => {
  window.longTasks = [];
  new PerformanceObserver((l) => window.longTasks.push(...l.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
  window.frames = 0;
  const count = () => { window.frames += 1; if (window.morvanta.running()) requestAnimationFrame(count); };
  document.getElementById('BitBtn1').click();
  requestAnimationFrame(count);
});
await h.runsDone(page, 1);
const figures = await page.evaluate(() => ({ ...window.morvanta.stats, frames: window.frames, longTasks: window.longTasks }));
console.log(`page ${file.length} bytes, ${gzipSync(file, { level: 9 }).length} gzipped`);
console.log(`first drawn plot ${figures.firstPlotMs.toFixed(0)} ms after navigation`);
console.log(`100-trial run: ${figures.computeMs.toFixed(1)} ms of wasm over ${figures.frames} frames, ` +
            `longest slice ${figures.longestSliceMs.toFixed(1)} ms (slices ${figures.slices.join(" ")} ms, ${figures.sliceSteps.join(" ")} steps), long tasks: [${figures.longTasks.join(', ')}]`);
await h.closeBrowser();
