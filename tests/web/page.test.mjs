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
  const boxes = await page.evaluate(() => Object.fromEntries(['MapBox', 'BitBtn1', 'BitBtn2', 'Edit1', 'Edit2', 'Memo1', 'RadioGroup1', 'Image1'].map(
    (id) => { const r = document.getElementById(id).getBoundingClientRect(); return [id, [r.x, r.y, r.width, r.height]]; })));
  assert.deepEqual(boxes, { MapBox: [24, 40, 400, 400], BitBtn1: [488, 480, 75, 25], BitBtn2: [488, 512, 75, 24],
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
