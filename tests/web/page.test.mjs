// The browser edition as a user meets it: opened from disk, the keyboard rules, a link's
// setup, the same pixels and CSV as the batch program, accessibility and the frame pacing.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import * as h from './harness.mjs';

after(h.closeBrowser);

test('opens from file:// with Start focused, the empty plot and the designed controls', async () => {
  const page = await h.openPage();
  assert.equal(await h.focused(page), 'BitBtn1');
  assert.equal(await page.$eval('#MapBox', (c) => c.getAttribute('role') + '/' + c.getAttribute('aria-label')), 'img/Phase plane');
  assert.match(await page.$eval('#PlotDescription', (d) => d.textContent), /^Empty plot\./);
  assert.deepEqual(await h.boxes(page, ['MapBox', 'BitBtn1', 'BitBtn2', 'Edit1', 'Edit2', 'Memo1', 'RadioGroup1', 'Image1']), { MapBox: [24, 40, 400, 400], BitBtn1: [488, 480, 75, 25], BitBtn2: [488, 512, 75, 24],
    Edit1: [128, 480, 40, 21], Edit2: [128, 510, 40, 21], Memo1: [432, 168, 161, 265], RadioGroup1: [248, 480, 100, 50],
    Image1: [440, 48, 153, 105] });
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('Tab visits the controls in the designed order', async () => {
  const page = await h.openPage();
  const order = [await h.focused(page)];
  for (let i = 0; i < 8; ++i) { await page.keyboard.press('Tab'); order.push(await h.focused(page)); }
  assert.deepEqual(order, ['BitBtn1', 'BitBtn2', 'RadioGroup2', 'fixed:0', 'Edit1', 'Edit2', 'Memo1', 'trials:1', 'BitBtn1']);
  await page.close();
});

// What a key does where the focus is: a run, the program's end, or nothing.
const keyRules = [
  { focus: '#BitBtn1', key: 'Enter', does: 'run' },
  { focus: '#BitBtn1', key: ' ', does: 'run' },
  { focus: '#BitBtn1', key: 'Shift+Enter', does: 'nothing' },
  { focus: '#BitBtn2', key: 'Enter', does: 'end' },
  { focus: '#BitBtn2', key: ' ', does: 'end' },
  { focus: '#Edit1', key: 'Enter', does: 'end' },
  { focus: '#Edit2', key: 'Enter', does: 'end' },
  { focus: '#RadioGroup2', key: 'Enter', does: 'end' },
  { focus: 'input[name=trials][value="1"]', key: 'Enter', does: 'end' },
  { focus: '#Memo1', key: 'Enter', does: 'nothing' },
];
for (const { focus, key, does } of keyRules) {
  test(`${key === ' ' ? 'Space' : key} on ${focus}: ${does}`, async () => {
    const page = await h.openPage('#trials=1');
    await page.focus(focus);
    await page.keyboard.press(key);
    if (does === 'run') await h.runsDone(page, 1);
    assert.equal(await h.ended(page), does === 'end');
    if (does === 'end') {
      assert.match(await page.$eval('#Ended', (e) => e.textContent), /ended.*[Rr]eload/);
      assert.ok(await page.$$eval('button, input, textarea', (all) => all.every((c) => c.disabled)));
    }
    if (does !== 'run') assert.doesNotMatch(await h.log(page), /Normal End of Job/);
    await page.close();
  });
}

test('arrows move within a group and select', async () => {
  const page = await h.openPage();
  await page.focus('input[name=fixed][value="0"]');
  await page.keyboard.press('ArrowDown');
  assert.equal(await h.focused(page), 'fixed:1');
  assert.ok(await page.$eval('input[name=fixed][value="1"]', (r) => r.checked));
  await page.close();
});

// A link's parameters: what the controls then show and what the log names as ignored.
const links = [
  { link: '#scenario=comp-mild&trials=1', fixed: '2', trials: '0', log: '' },
  { link: '#scenario=reversed&trials=50&isoclines&shapes', fixed: '3', trials: '2', log: '' },
  { link: '#a12=1.2&scenario=comp-severe&a21=1.9&map', fixed: '1', trials: '1', log: '' },
  { link: '#trials=7&colour=red&scenario=comp-mild', fixed: '2', trials: '1', log: 'Link: ignored trials=7, colour=red' },
  { link: '#a12=1.2&seed=99999999&csv=x.csv', fixed: '0', trials: '1', log: 'Link: ignored a12=1.2, seed=99999999, csv=x.csv' },
  { link: '#%zz&&scenario', fixed: '0', trials: '1', log: 'Link: ignored %zz, scenario' },
];
for (const { link, fixed, trials, log } of links) {
  test(`link ${link}`, async () => {
    const page = await h.openPage(link);
    assert.equal(await page.$eval('input[name=fixed]:checked', (r) => r.value), fixed);
    assert.equal(await page.$eval('input[name=trials]:checked', (r) => r.value), trials);
    assert.equal(await h.log(page), log);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

// A seeded run's plot and trials against the batch program's for the same options; a long
// run is taken in slices of a bounded number of steps, the number boxes counting between them.
const seededRuns = [
  { link: 'scenario=comp-severe&trials=100&seed=43200000', batch: ['--scenario=comp-severe', '--trials=100', '--seed=43200000'], sliced: true },
  { link: 'scenario=start-point&trials=10&seed=0&isoclines', batch: ['--trials=10', '--seed=0', '--isoclines'] },
];
for (const { link, batch, sliced } of seededRuns) {
  test(`seeded run ${link}: the batch program's pixels and CSV`, async () => {
    const page = await h.openPage('#' + link);
    await page.click('#BitBtn1');
    await h.runsDone(page, 1);
    if (sliced) {
      const { stats, stepsPerSlice } = await page.evaluate(() => ({ stats: window.morvanta.stats, stepsPerSlice: window.morvanta.stepsPerSlice }));
      assert.ok(stats.sliceSteps.length > 1 && stats.sliceSteps.every((n) => n <= stepsPerSlice),
        `slices of at most ${stepsPerSlice} steps: ${stats.sliceSteps}`);
      assert.ok(stats.shownNumbers.some(([trial]) => trial > 1 && trial < 100), `trial boxes: ${stats.shownNumbers}`);
    }
    const expected = h.batchRun(batch);
    assert.deepEqual(h.differingPixels(await h.canvasRgb(page), expected.rgb).slice(0, 10), []);
    assert.deepEqual(h.differingPixels(h.pngRgb(await h.download(page, 'Save Plot As…')), expected.rgb).slice(0, 10), []);
    assert.equal((await h.download(page, 'Save Trials As…')).toString(), expected.csv.toString());
    assert.match(await page.$eval('#Announcer', (a) => a.textContent), /^Normal End of Job\. Scenario /);
    await page.close();
  });
}

test('a click on the plot clears it; clicks during a run are handled after it', async () => {
  const page = await h.openPage('#trials=100');
  const empty = await h.canvasRgb(page);
  await page.click('#BitBtn1');
  await page.click('#MapBox');
  await page.click('#BitBtn1');
  await h.runsDone(page, 2);
  assert.notDeepEqual(await h.canvasRgb(page), empty, 'the second run drew');
  await page.click('#MapBox');
  assert.deepEqual(h.differingPixels(await h.canvasRgb(page), empty), []);
  await page.close();
});

test('no accessibility violations at load, after a run, with the menu and the dialog open', async () => {
  const page = await h.openPage('#trials=1');
  assert.deepEqual(await h.axeViolations(page), [], 'at load');
  await page.click('#BitBtn1');
  await h.runsDone(page, 1);
  assert.deepEqual(await h.axeViolations(page), [], 'after a run');
  await h.openMenu(page);
  assert.deepEqual(await h.axeViolations(page), [], 'menu open');
  await page.click('[role=menu] >> text="Coefficients…"');
  assert.deepEqual(await h.axeViolations(page), [], 'dialog open');
  await page.close();
});

test('the keyboard opens the menu; its options change the plot and the link', async () => {
  const page = await h.openPage('#scenario=comp-mild');
  await page.keyboard.press('Shift+F10');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Copy Plot');
  const before = await h.canvasRgb(page);
  await page.click('[role=menu] >> text="Show Isoclines"');
  assert.notDeepEqual(await h.canvasRgb(page), before, 'isoclines drawn');
  await h.chooseMenuItem(page, 'Copy Link to This Setup');
  await page.waitForFunction(() => /#scenario=comp-mild&trials=10&isoclines/.test(document.getElementById('Memo1').value));
  await page.close();
});

test('with isoclines on, another scenario draws its own empty plot at once', async () => {
  const fresh = await h.openPage('#scenario=comp-severe&isoclines');
  const expected = await h.canvasRgb(fresh);
  await fresh.close();
  const page = await h.openPage('#scenario=comp-mild&isoclines');
  assert.notDeepEqual(await h.canvasRgb(page), expected);
  await page.check('input[name=fixed][value="1"]');
  assert.deepEqual(await h.canvasRgb(page), expected);
  await page.close();
});

// The lesson extras, a table per behaviour run by one body: a link, the user's steps (a menu item,
// a run, a run ended by Escape once under way) and what the user then sees.
const menuItems = [
  { link: 'scenario=comp-severe', steps: ['Axis Numbers', 'Describe Plot'], alert: /Axis numbers from 0 to 0\.9\./,
    drawn: [['yellowText', 278, 382, 302, 396]] },
  { link: 'scenario=comp-severe&isoclines', steps: ['Label Isoclines'], drawn: [['species1', 0, 0, 400, 400], ['species2', 0, 0, 400, 400]] },
  { link: 'scenario=comp-severe&trials=1&seed=43200000', steps: ['run', 'Describe Plot'], alert: /^Scenario Comp Severe, 1 trial/ },
  { link: 'scenario=comp-severe&trials=1', steps: ['Tally Outcomes', 'run', 'run', 'Reset Shares', 'run'],
    log: /\nShares \(2 trials\):[^]*\nShares \(1 trials\):[^\n]*$/ },
];
// The early run counts in no shares.
const pacedRuns = [
  { link: 'scenario=comp-severe&trials=100&pace=200', steps: ['Tally Outcomes', 'escape', 'Full', 'run'] },
  { link: 'scenario=comp-severe&trials=100', steps: ['Tally Outcomes', '2,000 Steps a Second', 'escape', 'Full', 'run'] },
].map((row) => ({ ...row, log: /^Run ended early by Escape\n[^]*\nShares \(100 trials\):[^\n]*$/ }));
const classViews = [
  { link: 'scenario=comp-severe&trials=10&seed=43200000&zoom=2', steps: ['run'], zoom: 2 },
  { link: 'scenario=comp-severe&trials=10&seed=43200000', steps: ['Show Caption', 'run'], zoom: 1, caption: true },
  { link: 'scenario=comp-severe&trials=10&seed=43200000', steps: ['Show Caption', '3×', 'run'], zoom: 3, caption: true },
];
const shades = {  // the rasteriser's lines exactly, the browser's text as its smoothing draws it
  yellowText: (r, g, b) => r === g && r > 128 && b < 64, species1: (r, g, b) => r === 255 && g === 160 && b === 64,
  species2: (r, g, b) => r === 112 && g === 224 && b === 112 };
const count = ({ rgb, width }, shade, l, t, r, b) => rgb.filter((v, i) => {
  const x = (i / 3) % width, y = Math.floor(i / 3 / width);
  return i % 3 === 0 && x >= l && x < r && y >= t && y < b && shades[shade](v, rgb[i + 1], rgb[i + 2]);
}).length;
async function act(page, step) {
  if (step === 'escape') {
    await page.click('#BitBtn1');
    await page.waitForFunction(() => Number(document.getElementById('Edit2').value) > 0);
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !window.morvanta.running());
    assert.match(await page.$eval('#Announcer', (a) => a.textContent), /^Run ended early by Escape\. Scenario /);
  } else if (step === 'run') {
    const done = ((await h.log(page)).match(/Normal End of Job/g) || []).length;
    await page.click('#BitBtn1'); await h.runsDone(page, done + 1);
  } else await h.chooseMenuItem(page, step);
}
for (const { link, steps, alert, log, drawn = [], zoom, caption } of [...menuItems, ...pacedRuns, ...classViews]) {
  test(`#${link}: ${steps.join(', ')}`, async () => {
    const page = await h.openPage('#' + link);
    const alerts = [];
    page.on('dialog', (d) => { alerts.push(d.message()); d.accept(); });
    const before = await h.canvasPixels(page, 'MapBox');
    for (const step of steps) await act(page, step);
    if (alert) assert.match(alerts.join('\n'), alert);
    if (log) assert.match(await h.log(page), log);
    const plot = await h.canvasPixels(page, 'MapBox');
    for (const box of drawn) assert.ok(count(plot, ...box) > 0 && count(before, ...box) === 0, `${box} drawn`);
    const z = (box) => box.map((v) => v * zoom);
    if (zoom) {  // the page and the plot against the batch program's
      assert.deepEqual(await h.boxes(page, ['MapBox', 'Edit1']), { MapBox: z([24, 40, 400, 400]), Edit1: z([128, 480, 40, 21]) });
      const batch = h.batchRun(['--scenario=comp-severe', '--trials=10', '--seed=43200000']).rgb;
      assert.deepEqual(h.differingPixels(plot.rgb, h.blocks(batch, zoom), zoom).slice(0, 10), []);
    }
    assert.equal(await page.$eval('#Caption', (c) => !c.hidden), !!caption);
    if (caption) {
      assert.deepEqual((await h.boxes(page, ['Caption'])).Caption, z([24, 441, 400, 20]));
      assert.equal(await page.$eval('#Caption', (c) => c.getAttribute('aria-label')), 'Comp Severe; a12 1.5, a21 1.5; seed 43200000');
      const strip = await h.canvasPixels(page, 'Caption');
      assert.deepEqual([strip.rgb.slice(0, 3), strip.rgb.slice(-3)], [[0, 0, 128], [0, 0, 128]], 'on navy');
      assert.ok(count(strip, 'yellowText', 0, 0, strip.width, strip.width) > 0, 'the words in yellow');
    }
    await page.close();
  });
}
