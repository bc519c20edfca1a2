// The page: the window's controls bound to the form's handlers (main.cpp), the plot's
// pixels put on the canvas once a frame, the keyboard rules of the desktop window, the plot
// menu and its dialogs. Runs in the module's own scope, after the wasm is loaded.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const form = $('Form1'), canvas = $('MapBox'), start = $('BitBtn1'), end = $('BitBtn2');
  const edit1 = $('Edit1'), edit2 = $('Edit2'), memo = $('Memo1'), fixed = $('RadioGroup2');
  const radios = (name) => Array.from(document.querySelectorAll(`input[name=${name}]`));
  const context = canvas.getContext('2d');
  const FrameBudgetMs = 8;  // of the ~16 ms a frame has at 60 Hz
  // A slice also ends after this many steps, whatever the clock says, so that no slice can
  // block the page for long even where the clock is coarse or the machine slow. Measured in
  // headless Chromium on this 2-core build machine (bench/web_figures.mjs): a slice of 4096
  // steps takes about 1 ms (at most 6 ms in the first run, before the wasm is optimised);
  // a school Chromebook about 5 times slower needs about 5 ms, a tenth of a 50 ms long task.
  // A 100-trial "Comp Severe" run (about 44,000 steps) still takes only 11 frames.
  const StepsPerSlice = 4096;
  // The last run's slices: the steps each took and the number boxes after it; its timings.
  const stats = { firstPlotMs: 0 };
  const newRunStats = () => Object.assign(stats, { computeMs: 0, longestSliceMs: 0, slices: [], sliceSteps: [], shownNumbers: [] });
  newRunStats();
  const held = [];          // clicks made during a run, handled after it in order
  let running = false, ended = false;
  // A run at a pace takes Escape, which ends it at its next frame.
  let paced = false, escaped = false;
  let zoom = 1;

  const text = (pointer) => UTF8ToString(pointer);
  const withString = (s, f) => { const p = allocateUTF8(s); try { return f(p); } finally { _free(p); } };

  // The browser's fonts write the plot's labels into the pixel buffer.
  const textCanvas = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
  const faces = { 'Times New Roman': '"Times New Roman", "Liberation Serif", Tinos, "DejaVu Serif", serif' };
  const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');
  Module.plotText = (bits, x, y, s, face, points, fontRgb, brushRgb) => {
    const font = `${Math.round(points * 96 / 72)}px ${faces[face] || 'serif'}`;
    textCanvas.font = font;
    const m = textCanvas.measureText(s);
    const ascent = Math.ceil(m.fontBoundingBoxAscent || points * 96 / 72 * 0.9);
    const w = Math.max(1, Math.ceil(m.width)), h = Math.ceil(ascent + (m.fontBoundingBoxDescent || points * 96 / 72 * 0.25));
    textCanvas.canvas.width = w; textCanvas.canvas.height = h;
    textCanvas.font = font;
    textCanvas.fillStyle = css(brushRgb); textCanvas.fillRect(0, 0, w, h);
    textCanvas.fillStyle = css(fontRgb); textCanvas.textBaseline = 'alphabetic';
    textCanvas.fillText(s, 0, ascent);
    const rgba = textCanvas.getImageData(0, 0, w, h).data;
    const words = bits >> 2;
    for (let row = 0; row < h; ++row) for (let col = 0; col < w; ++col) {
      const px = x + col, py = y + row;
      if (px < 0 || py < 0 || px >= 400 || py >= 400) continue;
      const i = 4 * (row * w + col);
      HEAPU32[words + py * 400 + px] = (0xff000000 | rgba[i] << 16 | rgba[i + 1] << 8 | rgba[i + 2]) >>> 0;
    }
    return w << 16 | h;
  };

  // The log: a new last line, and the same for a screen reader when it ends a run.
  Module.appendLog = (line) => { memo.value += (memo.value ? '\n' : '') + line; memo.scrollTop = memo.scrollHeight; };

  // The changed rectangle of the plot onto the canvas, 1:1, as the wasm hands it over; at a
  // zoom, the blocks of those pixels in the plot drawn at the zoom.
  let rect = 0;
  const imageOf = (pointer, width, height) =>
    new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pointer, width * height * 4), width, height);
  function blit() {
    if (!rect) rect = _malloc(16);
    const pixels = _mv_take_changed(rect);
    // No destructuring in this file: emcc 3.1.6's JS optimiser drops such declarations.
    const at = rect >> 2, l = HEAP32[at], t = HEAP32[at + 1], r = HEAP32[at + 2], b = HEAP32[at + 3];
    if (!(r > l && b > t)) return;
    if (zoom === 1) { context.putImageData(imageOf(pixels, r - l, b - t), l, t); return; }
    const side = canvas.width, x0 = Math.floor(l * zoom), y0 = Math.floor(t * zoom);
    context.putImageData(imageOf(_mv_zoomed_plot(), side, side), 0, 0,
      x0, y0, Math.ceil(r * zoom) - x0, Math.ceil(b * zoom) - y0);
  }
  // The caption strip under the plot, when it is on, with the session's words.
  const strip = $('Caption'), stripContext = strip.getContext('2d');
  function showCaption() {
    strip.hidden = !option(OptionCaption) || ended;
    if (strip.hidden) return;
    stripContext.putImageData(imageOf(_mv_caption(), strip.width, strip.height), 0, 0);
    strip.setAttribute('aria-label', text(_mv_caption_text()));
  }
  // The page's layout and the plot at the factor: every pixel of the plot a block.
  function setZoom(factor) {
    zoom = _mv_zoom(factor);
    canvas.width = canvas.height = strip.width = _mv_zoomed_length(400);
    strip.height = _mv_zoomed_length(20);
    context.putImageData(imageOf(_mv_zoomed_plot(), canvas.width, canvas.height), 0, 0);
    showCaption();
    fit();
  }
  function showNumbers() {
    const trial = _mv_trial(), step = _mv_step();
    if (trial) edit1.value = String(trial);
    if (step) edit2.value = String(step);
  }
  function describePlot() { $('PlotDescription').textContent = text(_mv_description()); showCaption(); }
  const announce = (s) => { $('Announcer').textContent = s; };
  const items = () => [radios('trials').findIndex((r) => r.checked), radios('fixed').findIndex((r) => r.checked)];
  const sendItems = () => _mv_set_items(...items());

  function PaintB() { _mv_paint(); blit(); describePlot(); }

  function BitBtn1Click() {
    sendItems();
    newRunStats();
    _mv_start();
    running = true;
    paced = _mv_pace(-1) > 0;
    escaped = false;
    form.setAttribute('aria-busy', 'true');
    blit();
    requestAnimationFrame(frame);
  }
  function frame(time) {
    if (escaped) {
      const said = text(_mv_end_early());
      blit(); showNumbers();
      runEnded(said);
      return;
    }
    const t0 = performance.now();
    const over = _mv_advance(FrameBudgetMs, StepsPerSlice, time);
    const slice = performance.now() - t0;
    stats.computeMs += slice; stats.longestSliceMs = Math.max(stats.longestSliceMs, slice);
    stats.slices.push(Math.round(slice));
    stats.sliceSteps.push(_mv_slice_steps());
    blit(); showNumbers();
    stats.shownNumbers.push([edit1.value, edit2.value]);
    if (!over) { requestAnimationFrame(frame); return; }
    runEnded('');
  }
  function runEnded(said) {
    running = false;
    form.removeAttribute('aria-busy');
    describePlot();
    announce(said || 'Normal End of Job. ' + $('PlotDescription').textContent);
    while (held.length && !running && !ended) held.shift()();
  }
  function BitBtn2Click() {
    ended = true;
    closeMenu(); closeDialog();
    for (const control of form.querySelectorAll('button, input, textarea, fieldset')) control.disabled = true;
    fixed.removeAttribute('tabindex');
    strip.hidden = true;
    $('Ended').textContent = 'Morvanta has ended. Reload the page to start it again.';
  }
  // During a run the controls take no input; Start, End and the plot are held for after it.
  const handlers = new Map([[start, BitBtn1Click], [end, BitBtn2Click], [canvas, PaintB]]);
  function click(control) {
    const handler = handlers.get(control);
    if (running) held.push(handler); else handler();
  }

  start.addEventListener('click', () => click(start));
  end.addEventListener('click', () => click(end));
  canvas.addEventListener('click', (e) => { if (e.button === 0) click(canvas); });
  // With an option that draws on the empty plot, another scenario shows its own system at once.
  for (const r of radios('trials')) r.addEventListener('change', () => { sendItems(); showCaption(); });
  for (const r of radios('fixed')) r.addEventListener('change', () => {
    sendItems(); showCaption();
    if (!running && _mv_redraws_on_scenario()) PaintB();
  });
  document.addEventListener('keydown', (e) => {
    if (e.key !== 'Escape' || !running || !paced || menuOpen() || dialogOpen()) return;
    e.preventDefault();
    escaped = true;
  }, true);

  // Enter clicks the focused button; on a number box, the "Fixed" group or a radio item it
  // clicks "End", the default button; in the log it starts a new line. With Shift, Ctrl or
  // Alt it clicks nothing.
  form.addEventListener('keydown', (e) => {
    if (menuOpen() || dialogOpen()) return;
    if ((e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) && !ended) {
      e.preventDefault(); openMenu(null); return;
    }
    const target = e.target;
    if (e.key === 'Enter') {
      if (target === memo && !running) return;
      e.preventDefault();
      if (e.shiftKey || e.ctrlKey || e.altKey || e.repeat) return;
      if (target === start || target === end) click(target);
      else if (target !== memo) click(end);
      return;
    }
    if (e.key === 'Tab' && !e.ctrlKey && !e.altKey) {
      // Tab goes round the window's controls, as in a dialog.
      const stops = tabStops();
      const at = stops.indexOf(target);
      if ((e.shiftKey && at === 0) || (!e.shiftKey && at === stops.length - 1)) {
        e.preventDefault();
        stops[e.shiftKey ? stops.length - 1 : 0].focus();
      }
      return;
    }
    if (running && e.key !== 'Tab' && !(e.key === ' ' && target.tagName === 'BUTTON')) e.preventDefault();
  }, true);
  const tabStops = () => [start, end, fixed, ...radios('fixed').filter((r) => r.checked), edit1, edit2, memo,
    ...radios('trials').filter((r) => r.checked)];
  form.addEventListener('beforeinput', (e) => { if (running) e.preventDefault(); }, true);
  form.addEventListener('click', (e) => { if (running && e.target.type === 'radio') e.preventDefault(); }, true);

  // ---- The plot menu ----
  let menu = null, menuReturn = null;
  const menuOpen = () => menu !== null;
  const OptionIsoclines = 0, OptionTally = 1, OptionShapes = 2, OptionMap = 3, OptionField = 4,
    OptionAxisNumbers = 5, OptionLabelIsoclines = 6, OptionCaption = 7;
  const option = (which, set = -1) => _mv_option(which, set) === 1;
  function download(name, type, bytes) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], { type }));
    a.download = name;
    document.body.appendChild(a); a.click(); a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }
  function plotPng() {
    const size = _malloc(4);
    const p = _mv_plot_png(size);
    const bytes = HEAPU8.slice(p, p + HEAP32[size >> 2]);
    _free(size);
    return bytes;
  }
  function linkAddress() { return location.href.split('#')[0] + text(_mv_link()); }
  const menuItems = () => [
    ['Copy Plot', () => copyPlot()],
    ['Save Plot As…', () => download('plot.png', 'image/png', plotPng())],
    ['Save Trials As…', () => download('trials.csv', 'text/csv', text(_mv_trials_csv())), !_mv_has_run()],
    ['Clear Plot', () => click(canvas)],
    null,
    ['Show Isoclines', OptionIsoclines], ['Tally Outcomes', OptionTally],
    ['Outcome Shapes', OptionShapes], ['Show Outcome Map', OptionMap],
    ['Reset Shares', () => _mv_reset_shares()],
    null,
    ['Coefficients…', () => openDialog()],
    ['Show Time Course', () => showTimeCourse(), !_mv_has_run()],
    ['Show Direction Field', OptionField],
    null,
    ['Axis Numbers', OptionAxisNumbers], ['Label Isoclines', OptionLabelIsoclines],
    ['Show Caption', OptionCaption],
    { group: 'Zoom', choices: [['1×', 1], ['1.5×', 1.5], ['2×', 2], ['3×', 3]], now: zoom, choose: setZoom },
    { group: 'Pace', choices: [['Full', 0], ['2,000 Steps a Second', 2000], ['200 Steps a Second', 200]],
      now: _mv_pace(-1), choose: (pace) => _mv_pace(pace) },
    ['Describe Plot', () => alert(text(_mv_description()))],
    null,
    ['Copy Link to This Setup', () => copyLink()],
  ];
  function copyPlot() {
    if (navigator.clipboard && window.ClipboardItem) {
      const blob = new Blob([plotPng()], { type: 'image/png' });
      navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]).then(
        () => Module.appendLog('Plot copied'), () => Module.appendLog('This browser did not let the page copy the plot: use Save Plot As…'));
    } else Module.appendLog('This browser does not let a page copy a picture: use Save Plot As…');
  }
  function copyLink() {
    sendItems();
    const link = linkAddress();
    const fallback = () => Module.appendLog('Link to this setup: ' + link);
    if (navigator.clipboard && navigator.clipboard.writeText)
      navigator.clipboard.writeText(link).then(() => Module.appendLog('Link copied: ' + link), fallback);
    else fallback();
  }
  function openMenu(at) {
    if (ended) return;
    closeMenu();
    menuReturn = document.activeElement;
    menu = document.createElement('div');
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', 'Plot');
    for (const entry of menuItems()) {
      const item = document.createElement('div');
      if (!entry) { item.setAttribute('role', 'separator'); menu.appendChild(item); continue; }
      if (entry.group) { menu.appendChild(choiceGroup(entry)); continue; }
      const label = entry[0], action = entry[1], disabled = entry[2];
      item.textContent = label;
      item.tabIndex = -1;
      if (typeof action === 'number') {
        item.setAttribute('role', 'menuitemcheckbox');
        item.setAttribute('aria-checked', String(option(action)));
      } else item.setAttribute('role', 'menuitem');
      if (disabled) item.setAttribute('aria-disabled', 'true');
      item.addEventListener('click', (e) => { e.stopPropagation(); choose(item, action, disabled); });
      menu.appendChild(item);
    }
    const x = at ? at[0] : 74, y = at ? at[1] : 90;
    form.appendChild(menu);
    menu.style.left = Math.max(0, Math.min(x, 623 - Math.max(220, menu.offsetWidth))) + 'px';
    menu.style.top = Math.max(0, Math.min(y, 610 - Math.max(400, menu.offsetHeight))) + 'px';
    menu.addEventListener('keydown', menuKey);
    menuEntries()[0].focus();
  }
  // One choice of several on a line, as a submenu's items: the zoom, the pace.
  function choiceGroup(entry) {
    const group = document.createElement('div');
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', entry.group);
    group.innerHTML = `<span aria-hidden="true">${entry.group}</span>`;
    for (const choice of entry.choices) {
      const item = document.createElement('div');
      item.textContent = choice[0];
      item.tabIndex = -1;
      item.setAttribute('role', 'menuitemradio');
      item.setAttribute('aria-checked', String(choice[1] === entry.now));
      item.addEventListener('click', (e) => {
        e.stopPropagation(); closeMenu(); entry.choose(choice[1]);
        announce(`${entry.group} ${choice[0]}, on`);  // the choice confirmed with its group's name
      });
      group.appendChild(item);
    }
    return group;
  }
  const menuEntries = () => Array.from(menu.querySelectorAll('[role^=menuitem]'));
  function closeMenu() {
    if (!menu) return;
    menu.remove(); menu = null;
    if (menuReturn && menuReturn.focus) menuReturn.focus();
  }
  function choose(item, action, disabled) {
    if (disabled) return;
    closeMenu();
    if (typeof action === 'number') {
      option(action, option(action) ? 0 : 1);
      if (action !== OptionTally && action !== OptionShapes && action !== OptionCaption && !running) PaintB();
      else showCaption();
    } else action();
  }
  function menuKey(e) {
    const entries = menuEntries(), at = entries.indexOf(document.activeElement);
    const move = (d) => entries[(at + d + entries.length) % entries.length].focus();
    if (e.key === 'ArrowDown') move(1);
    else if (e.key === 'ArrowUp') move(-1);
    else if (e.key === 'Home') entries[0].focus();
    else if (e.key === 'End') entries[entries.length - 1].focus();
    else if (e.key === 'Escape' || e.key === 'Tab') closeMenu();
    else if (e.key === 'Enter' || e.key === ' ') document.activeElement.click();
    else return;
    e.preventDefault(); e.stopPropagation();
  }
  const formPoint = (e) => {
    const box = form.getBoundingClientRect(), scale = box.width / 623;
    return [(e.clientX - box.left) / scale, (e.clientY - box.top) / scale];
  };
  canvas.addEventListener('contextmenu', (e) => { e.preventDefault(); openMenu(formPoint(e)); });
  // A long press on touch opens the menu where browsers send no contextmenu for it.
  let press = null;
  canvas.addEventListener('pointerdown', (e) => {
    if (e.pointerType !== 'touch') return;
    const at = formPoint(e);
    press = setTimeout(() => { press = null; openMenu(at); }, 600);
  });
  for (const name of ['pointerup', 'pointercancel', 'pointermove'])
    canvas.addEventListener(name, () => { if (press) clearTimeout(press); press = null; });
  document.addEventListener('mousedown', (e) => { if (menu && !menu.contains(e.target)) closeMenu(); });

  // ---- Coefficients dialog ----
  let dialog = null;
  const dialogOpen = () => dialog !== null;
  function openDialog() {
    dialog = document.createElement('div');
    dialog.setAttribute('role', 'dialog');
    dialog.setAttribute('aria-modal', 'true');
    dialog.setAttribute('aria-labelledby', 'CoefficientsTitle');
    const shown = (i) => String(_mv_shown_coefficient(i));
    dialog.innerHTML = `<h2 id="CoefficientsTitle">Coefficients</h2>
      <div><label>A[1][2], the effect of species 2 on species 1: <input id="A12" type="text" value="${shown(0)}"></label></div>
      <div><label>A[2][1], the effect of species 1 on species 2: <input id="A21" type="text" value="${shown(1)}"></label></div>
      <p>For "Comp Severe", "Comp Mild" and "?", until you use the presets again. The diagonal stays 1.0; "Start Point" draws its own coefficients every trial.</p>
      <p id="CoefficientsError" role="alert"></p>
      <div><button type="button" id="CoefficientsOk">OK</button><button type="button" id="CoefficientsCancel">Cancel</button><button type="button" id="UsePresets">Use Presets</button></div>`;
    dialog.style.position = 'absolute';
    form.appendChild(dialog);
    const a12 = $('A12'), a21 = $('A21');
    $('CoefficientsOk').onclick = () => {
      const error = text(withString(a12.value, (p12) => withString(a21.value, (p21) => _mv_set_coefficients_text(p12, p21))));
      if (error) { $('CoefficientsError').textContent = error; return; }
      closeDialog(); if (!running) PaintB();
    };
    $('CoefficientsCancel').onclick = closeDialog;
    $('UsePresets').onclick = () => { _mv_clear_coefficients(); closeDialog(); if (!running) PaintB(); };
    dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') { e.preventDefault(); closeDialog(); }
      else if (e.key === 'Enter' && e.target.tagName === 'INPUT') { e.preventDefault(); $('CoefficientsOk').click(); }
      else if (e.key === 'Tab') {
        const stops = Array.from(dialog.querySelectorAll('input, button'));
        const i = stops.indexOf(document.activeElement);
        const next = (i + (e.shiftKey ? -1 : 1) + stops.length) % stops.length;
        e.preventDefault(); stops[next].focus();
      }
      e.stopPropagation();
    });
    a12.focus(); a12.select();
  }
  function closeDialog() {
    if (!dialog) return;
    dialog.remove(); dialog = null;
    canvas.focus(); start.focus();
  }

  // ---- Time course ----
  function showTimeCourse() {
    let panel = $('TimeCourse');
    if (!panel) {
      panel = document.createElement('div');
      panel.id = 'TimeCourse';
      panel.setAttribute('role', 'region');
      panel.setAttribute('aria-label', 'Time course');
      panel.innerHTML = '<canvas width="400" height="400" role="img" aria-label="Time course: the densities of both species against the step"></canvas><button type="button">Close</button>';
      form.appendChild(panel);
      panel.querySelector('button').onclick = () => { panel.remove(); start.focus(); };
    }
    const c = panel.querySelector('canvas').getContext('2d');
    c.canvas.width = c.canvas.height = _mv_zoomed_length(400);
    c.putImageData(imageOf(_mv_time_course(), c.canvas.width, c.canvas.height), 0, 0);
    panel.querySelector('button').focus();
  }

  // ---- Start-up ----
  function fit() {
    // A zoom makes the page larger than the window, which then scrolls.
    const scale = Math.min(innerWidth / 623, innerHeight / 610) * zoom;
    document.documentElement.style.overflow = zoom > 1 ? 'auto' : '';
    form.style.transform = `translate(${Math.max(0, (innerWidth - 623 * scale) / 2)}px, ${Math.max(0, (innerHeight - 610 * scale) / 2)}px) scale(${scale})`;
  }
  function FormCreate() {
    fit();
    addEventListener('resize', fit);
    if (location.hash.length > 1) {
      const ignored = text(withString(location.hash, _mv_read_link));
      radios('trials')[_mv_trials_item()].checked = true;
      radios('fixed')[_mv_scenario_item()].checked = true;
      if (ignored) Module.appendLog(ignored);
    }
    _mv_form_create();
    if (_mv_zoom(0) !== 1) setZoom(_mv_zoom(0));
    blit(); describePlot();
    stats.firstPlotMs = performance.now();
    start.focus();
    window.morvanta = { stats, stepsPerSlice: StepsPerSlice, running: () => running, ended: () => ended };
    document.documentElement.dataset.ready = 'true';
  }
  if (runtimeInitialized) FormCreate(); else Module.onRuntimeInitialized = FormCreate;
})();
