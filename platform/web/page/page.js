// The page's side of the game: windows drawn in the page, the player's input
// queued for the game, Web Audio, the cover, the end, the recording.
'use strict';

const params = new URLSearchParams(location.search);

const QV = (() => {
  // Event kinds, as WebToolkit.cpp numbers them.
  const KeyDown = 1, KeyUp = 2, MouseDown = 3, Click = 4, Tick = 5, GotFocus = 6,
        LostFocus = 7, Moved = 8, CloseRequest = 9, Framed = 10, Wake = 11;
  const Image = 0, Label = 1, Line = 2, Shape = 3, Button = 4, Option = 5, Timer = 6;
  const BorderNone = 0;
  const SvgNs = 'http://www.w3.org/2000/svg';
  const Faces = {
    'ＭＳ Ｐゴシック': '"QV PGothic", sans-serif',
    'ＭＳ ゴシック': '"QV Gothic", monospace',
    'ＭＳ Ｐ明朝': '"QV PMincho", serif',
    'Times New Roman': '"Times New Roman", "Liberation Serif", "DejaVu Serif", serif',
  };

  const desktop = document.getElementById('desktop');
  const windows = new Map();
  const queue = [];
  let waiter = null;
  let active = 0;
  let stacking = 1;
  let zoom = 1;
  let dialog = null;  // {state: 'open' | 'ok' | 'cancel', text}
  let running = false;

  const css = (colour) => '#' + colour.toString(16).padStart(6, '0');
  const font = (face, px, bold) =>
      (bold ? 'bold ' : '') + (px > 0 ? px : 12) + 'px ' + (Faces[face] || Faces['ＭＳ Ｐゴシック']);
  const pictureUrl = (file) => 'pictures/' + file.replace(/\.[^.]*$/, '') + '.png';
  const shiftBits = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);

  function push(kind, w, a = 0, b = 0, c = 0, d = 0, text = '') {
    queue.push({kind, w, a, b, c, d, text});
    if (waiter) {
      const wake = waiter;
      waiter = null;
      wake();
    }
  }

  function nextEvent(out, textPtr, size) {
    const e = queue.shift();
    if (!e) return 0;
    if (e.kind === Tick) e.timer.pending = false;
    HEAP32.set([e.kind, e.w, e.a, e.b, e.c, e.d], out >> 2);
    stringToUTF8(e.text, textPtr, size);
    return 1;
  }

  function waitForEvent() {
    if (queue.length) return Promise.resolve();
    return new Promise((resolve) => { waiter = resolve; });
  }

  // A task of its own, so the browser may paint before the game goes on.
  const channel = new MessageChannel();
  const yields = [];
  channel.port1.onmessage = () => yields.shift()();
  function yieldToBrowser() {
    return new Promise((resolve) => { yields.push(resolve); channel.port2.postMessage(0); });
  }

  // --- the game's screen at its zoom ---
  // The game's screen is the room it has when the game begins, in the game's
  // pixels. A zoom chosen later (fullscreen, a resized window) keeps that
  // screen and centres it, so the windows keep their places to one another.
  // The touch screen's buttons take the bottom of the viewport.
  const touchStrip = document.getElementById('touch');
  let screen = null;
  const room = () => ({width: innerWidth, height: innerHeight - touchStrip.offsetHeight});
  function screenNow() {
    const r = room();
    return screen || {width: Math.floor(r.width / zoom), height: Math.floor(r.height / zoom)};
  }
  function applyZoom() {
    const r = room();
    if (typeof Module._qv_choose_zoom === 'function') zoom = Module._qv_choose_zoom(r.width, r.height);
    const s = screenNow();
    const left = Math.round((r.width - s.width * zoom) / 2);
    const top = Math.round((r.height - s.height * zoom) / 2);
    desktop.style.transform = `translate(${left}px, ${top}px) scale(${zoom})`;
    desktop.style.width = s.width + 'px';
    desktop.style.height = s.height + 'px';
  }
  addEventListener('resize', applyZoom);
  addEventListener('fullscreenchange', applyZoom);
  // A screen whose touch is switched on or off gains or loses the buttons.
  const coarse = matchMedia('(pointer: coarse)');
  if (coarse.addEventListener) coarse.addEventListener('change', applyZoom);  // older Safari has none

  // --- windows ---
  function createWindow(id, caption, border, back, fore, face, fontPx, bold, width, height, icon,
                        titleHeight) {
    const el = document.createElement('div');
    el.className = 'win' + (border !== BorderNone ? ' framed' : '');
    el.style.display = 'none';
    el.dataset.window = id;
    const win = {id, el, name: caption, controls: [], shown: false, left: 0, top: 0, width, height,
                 fore: css(fore), font: font(face, fontPx, bold), surface: null, figures: null};
    if (titleHeight > 0) {
      const title = document.createElement('div');
      title.className = 'title';
      title.style.height = titleHeight + 'px';
      if (icon) {
        const img = document.createElement('img');
        img.className = 'icon';
        img.src = pictureUrl(icon);
        img.alt = '';
        title.appendChild(img);
      }
      win.caption = document.createElement('span');
      win.caption.className = 'caption';
      win.caption.textContent = caption;
      title.appendChild(win.caption);
      const close = document.createElement('button');
      close.className = 'close';
      close.type = 'button';
      close.textContent = '×';
      close.title = 'Close';
      close.addEventListener('mousedown', (e) => e.stopPropagation());
      // A close request passes even while an entry is open: it may end the game.
      close.addEventListener('click', () => push(CloseRequest, id));
      title.appendChild(close);
      title.addEventListener('mousedown', (e) => startDrag(win, e));
      el.appendChild(title);
    }
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    client.style.background = css(back);
    client.style.font = win.font;
    client.addEventListener('mousedown', (e) => {
      if (dialog) return;
      const r = client.getBoundingClientRect();
      const button = e.button === 0 ? 1 : e.button === 2 ? 2 : e.button === 1 ? 4 : 0;
      push(MouseDown, id, button, shiftBits(e), Math.floor((e.clientX - r.left) / zoom),
           Math.floor((e.clientY - r.top) / zoom));
    });
    el.addEventListener('mousedown', () => { if (!dialog) activate(id); }, true);
    el.appendChild(client);
    win.client = client;
    windows.set(id, win);
    desktop.appendChild(el);
  }

  function surface(win) {
    if (!win.surface) {
      const canvas = document.createElement('canvas');
      canvas.className = 'surface';
      win.client.insertBefore(canvas, win.client.firstChild);
      win.surface = canvas;
      sizeSurface(win);
    }
    return win.surface.getContext('2d');
  }

  // Drawn at the zoom of the moment, so printed text and lines are sharp.
  function sizeSurface(win) {
    const scale = zoom * (devicePixelRatio || 1);
    const canvas = win.surface;
    canvas.width = win.width * scale;
    canvas.height = win.height * scale;
    canvas.style.width = win.width + 'px';
    canvas.style.height = win.height + 'px';
    canvas.getContext('2d').setTransform(scale, 0, 0, scale, 0, 0);
  }

  function figures(win) {
    if (!win.figures) {
      const svg = document.createElementNS(SvgNs, 'svg');
      svg.setAttribute('class', 'figures');
      svg.setAttribute('width', win.width);
      svg.setAttribute('height', win.height);
      svg.style.overflow = 'visible';
      win.client.insertBefore(svg, win.surface ? win.surface.nextSibling : win.client.firstChild);
      win.figures = svg;
    }
    return win.figures;
  }

  function addControl(id, index, kind, left, top, width, height, visible, caption, fore, back,
                      transparent, align, face, fontPx, bold, pen, cross, picture, interval,
                      enabled, selected) {
    const win = windows.get(id);
    const control = {kind, el: null, visible: !!visible, pen, colour: css(fore)};
    win.controls[index] = control;
    const place = (el) => {
      el.style.left = left + 'px';
      el.style.top = top + 'px';
      el.style.width = width + 'px';
      el.style.height = height + 'px';
      if (!visible) el.style.display = 'none';
      win.client.appendChild(el);
      control.el = el;
    };
    switch (kind) {
      case Image: {
        const img = document.createElement('img');
        img.alt = '';
        img.draggable = false;
        img.style.left = left + 'px';
        img.style.top = top + 'px';
        img.style.visibility = 'hidden';
        if (!visible) img.style.display = 'none';
        if (cross) img.style.cursor = 'crosshair';
        // A finger's tap counts where it lands, not where a moving enemy has
        // gone by the time the touch ends and the browser makes it a mouse's.
        img.addEventListener('pointerdown', (e) => {
          if (e.pointerType === 'touch') e.preventDefault();
          if (!dialog) activate(id);
          if (!dialog && e.button === 0) push(Click, id, index);
        });
        img.addEventListener('mousedown', (e) => e.stopPropagation());
        win.client.appendChild(img);
        control.el = img;
        break;
      }
      case Label: {
        const label = document.createElement('div');
        label.className = 'label';
        label.textContent = caption;
        label.style.color = css(fore);
        if (!transparent) label.style.background = css(back);
        label.style.textAlign = ['left', 'right', 'center'][align] || 'left';
        label.style.font = font(face, fontPx, bold);
        label.style.pointerEvents = 'none';
        place(label);
        break;
      }
      case Button: {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'button';
        button.textContent = caption;
        button.style.font = font(face, fontPx, bold);
        button.addEventListener('mousedown', (e) => e.stopPropagation());
        button.addEventListener('click', () => { if (!dialog) push(Click, id, index); });
        place(button);
        break;
      }
      case Option: {
        const option = document.createElement('label');
        option.className = 'option';
        option.style.color = css(fore);
        option.style.background = css(back);
        option.style.font = font(face, fontPx, bold);
        const input = document.createElement('input');
        input.type = 'radio';
        input.name = 'options-' + id;
        input.checked = !!selected;
        option.append(input, caption);
        option.addEventListener('mousedown', (e) => e.stopPropagation());
        input.addEventListener('click', () => { if (!dialog) push(Click, id, index); });
        control.input = input;
        place(option);
        break;
      }
      case Line:
      case Shape: {
        const svg = figures(win);
        const el = document.createElementNS(SvgNs, kind === Line ? 'line' : 'rect');
        control.el = el;
        svg.appendChild(el);
        setFigure(control, left, top, width, height);
        break;
      }
      case Timer:
        control.timer = {interval: 0, handle: 0, pending: false};
        setTimer(id, index, interval, enabled && interval > 0);
        break;
    }
  }

  function setFigure(control, left, top, width, height) {
    const el = control.el;
    if (control.kind === Line) {
      // The pen is centred on the line, as the desktop draws it.
      for (const [k, v] of [['x1', left], ['y1', top], ['x2', width], ['y2', height]])
        el.setAttribute(k, v + 0.5);
      el.setAttribute('stroke', control.colour);
      el.setAttribute('stroke-width', control.pen);
      el.setAttribute('stroke-linecap', control.pen > 1 ? 'round' : 'square');
    } else {
      // The border lies inside the rectangle.
      const b = Math.min(control.pen, Math.ceil(width / 2), Math.ceil(height / 2));
      el.setAttribute('x', left + b / 2);
      el.setAttribute('y', top + b / 2);
      el.setAttribute('width', Math.max(width - b, 0));
      el.setAttribute('height', Math.max(height - b, 0));
      el.setAttribute('fill', 'none');
      el.setAttribute('stroke', control.colour);
      el.setAttribute('stroke-width', b);
    }
    el.style.display = control.visible ? '' : 'none';
  }

  function destroyWindow(id) {
    const win = windows.get(id);
    if (!win) return;
    for (const control of win.controls)
      if (control && control.timer) clearInterval(control.timer.handle);
    win.el.remove();
    windows.delete(id);
    if (active === id) {
      active = 0;
      activateBeneath();
    }
  }

  // As a window manager does, the window beneath takes the keyboard.
  function activateBeneath() {
    const beneath = [...windows.values()].filter((w) => w.shown)
        .sort((a, b) => (+b.el.style.zIndex || 0) - (+a.el.style.zIndex || 0))[0];
    if (beneath) activate(beneath.id);
  }

  function showWindow(id, shown, tellFramed) {
    const win = windows.get(id);
    if (!win) return;
    win.shown = !!shown;
    win.el.style.display = shown ? '' : 'none';
    if (shown && !QV.firstWindowAt) {
      QV.firstWindowAt = performance.now();
      requestAnimationFrame(() => {
        QV.firstPaintAt = performance.now();
        // The shots' effects are fetched once the first window is up, so the
        // first bang is not late.
        setTimeout(() => QV.sound.prefetchEffects(), 1000);
      });
    }
    if (!shown && active === id) {
      active = 0;
      win.el.classList.remove('active');
      push(LostFocus, id);
      activateBeneath();
    }
    if (tellFramed) push(Framed, id);
  }

  function placeWindow(id, left, top, width, height) {
    const win = windows.get(id);
    if (!win) return;
    const moved = left !== win.left || top !== win.top;
    win.left = left;
    win.top = top;
    win.el.style.left = left + 'px';
    win.el.style.top = top + 'px';
    if (width !== win.width || height !== win.height) {
      win.width = width;
      win.height = height;
      win.client.style.width = width + 'px';
      win.client.style.height = height + 'px';
    }
    if (moved) push(Moved, id, left, top);
  }

  function startDrag(win, e) {
    if (e.button !== 0 || dialog) return;
    e.preventDefault();
    const from = {x: e.clientX, y: e.clientY, left: win.left, top: win.top};
    const move = (m) => {
      win.left = from.left + Math.round((m.clientX - from.x) / zoom);
      win.top = from.top + Math.round((m.clientY - from.y) / zoom);
      win.el.style.left = win.left + 'px';
      win.el.style.top = win.top + 'px';
      push(Moved, win.id, win.left, win.top);
    };
    const up = () => {
      removeEventListener('mousemove', move);
      removeEventListener('mouseup', up);
    };
    addEventListener('mousemove', move);
    addEventListener('mouseup', up);
  }

  function activate(id) {
    const win = windows.get(id);
    if (!win) return;
    win.el.style.zIndex = ++stacking;
    if (active === id) return;
    const before = windows.get(active);
    if (before) {
      before.el.classList.remove('active');
      push(LostFocus, active);
    }
    active = id;
    win.el.classList.add('active');
    push(GotFocus, id);
  }

  function control(id, index) {
    const win = windows.get(id);
    return win && win.controls[index];
  }

  function controlRect(id, index, left, top, width, height) {
    const c = control(id, index);
    if (!c || !c.el) return;
    if (c.kind === Line || c.kind === Shape) return setFigure(c, left, top, width, height);
    c.el.style.left = left + 'px';
    c.el.style.top = top + 'px';
    if (c.kind !== Image) {
      c.el.style.width = width + 'px';
      c.el.style.height = height + 'px';
    }
  }

  function controlVisible(id, index, visible) {
    const c = control(id, index);
    if (!c || !c.el) return;
    c.visible = !!visible;
    c.el.style.display = visible ? '' : 'none';
  }

  function controlText(id, index, text) {
    const c = control(id, index);
    if (!c || !c.el) return;
    // The status panel sets its texts every tick; the same text is not laid out again.
    if (c.text === text) return;
    c.text = text;
    if (c.kind === Option) c.el.lastChild.textContent = text;
    else c.el.textContent = text;
  }

  function controlPicture(id, index, file, width, height) {
    const c = control(id, index);
    if (!c || c.kind !== Image) return;
    if (!file) {
      c.el.removeAttribute('src');
      c.el.style.visibility = 'hidden';
      return;
    }
    c.el.src = pictureUrl(file);
    c.el.style.width = width + 'px';
    c.el.style.height = height + 'px';
    c.el.style.visibility = '';
  }

  function optionSelected(id, index) {
    const c = control(id, index);
    return c && c.input && c.input.checked ? 1 : 0;
  }

  // A tick is not queued behind one the game has not taken yet.
  function setTimer(id, index, interval, enabled) {
    const c = control(id, index);
    if (!c || !c.timer) return;
    const timer = c.timer;
    clearInterval(timer.handle);
    timer.handle = 0;
    // A restarted timer counts afresh: a tick it gave before is void.
    if (timer.pending) {
      const stale = queue.findIndex((e) => e.timer === timer);
      if (stale >= 0) queue.splice(stale, 1);
      timer.pending = false;
    }
    if (!enabled) return;
    timer.handle = setInterval(() => {
      if (timer.pending) return;
      timer.pending = true;
      queue.push({kind: Tick, w: id, a: index, b: 0, c: 0, d: 0, text: '', timer});
      if (waiter) { const wake = waiter; waiter = null; wake(); }
    }, interval);
  }

  function setBack(id, colour) {
    const win = windows.get(id);
    if (!win) return;
    win.client.style.background = css(colour);
    clearSurface(id);
  }

  function clearSurface(id) {
    const win = windows.get(id);
    if (!win || !win.surface) return;
    sizeSurface(win);
  }

  function printText(id, x, y, text, lineHeight) {
    const win = windows.get(id);
    if (!win) return;
    const ctx = surface(win);
    ctx.font = win.font;
    ctx.fillStyle = win.fore;
    ctx.textBaseline = 'top';
    text.split('\n').forEach((line, i) => ctx.fillText(line, x, y + i * lineHeight));
  }

  function drawLine(id, x1, y1, x2, y2, colour) {
    const win = windows.get(id);
    if (!win) return;
    const ctx = surface(win);
    ctx.strokeStyle = css(colour);
    ctx.lineWidth = 1;
    ctx.beginPath();
    ctx.moveTo(x1 + 0.5, y1 + 0.5);
    ctx.lineTo(x2 + 0.5, y2 + 0.5);
    ctx.stroke();
  }

  // --- the modal entry ---
  const dialogEl = document.getElementById('dialog');
  const dialogForm = dialogEl.querySelector('form');
  const dialogEntry = dialogEl.querySelector('.entry');
  function openDialog(prompt, title, text, icon) {
    dialog = {state: 'open', text};
    dialogEl.querySelector('.caption').textContent = title;
    dialogEl.querySelector('.prompt').textContent = prompt;
    dialogEl.querySelector('.icon').src = pictureUrl(icon);
    dialogEntry.value = text;
    dialogEl.hidden = false;
    dialogEntry.focus();
    dialogEntry.select();
  }
  function finishDialog(state) {
    if (!dialog || dialog.state !== 'open') return;
    dialog.state = state;
    dialog.text = dialogEntry.value;
    dialogEl.hidden = true;
    push(Wake, 0);
  }
  dialogForm.addEventListener('submit', (e) => { e.preventDefault(); finishDialog('ok'); });
  dialogEl.querySelector('.cancel').addEventListener('click', () => finishDialog('cancel'));
  dialogEntry.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') { e.preventDefault(); finishDialog('cancel'); }
  });
  function dialogResult(textPtr, size) {
    if (!dialog) return 0;
    if (dialog.state === 'open') return -1;
    const accepted = dialog.state === 'ok';
    stringToUTF8(accepted ? dialog.text : '', textPtr, size);
    dialog = null;
    return accepted ? 1 : 0;
  }
  function closeDialog() { finishDialog('cancel'); }

  // --- keys go to the active window ---
  const buttonOf = (win) => (win ? win.controls.findIndex((c) => c && c.kind === Button && c.visible) : -1);
  function onKey(e, down) {
    if (!running || dialog) return;
    const win = windows.get(active);
    if (!win) return;
    const focused = document.activeElement;
    const onControl = focused && win.el.contains(focused) &&
        (focused.tagName === 'BUTTON' || focused.tagName === 'INPUT');
    if (down && (e.code === 'Enter' || e.code === 'NumpadEnter')) {
      // Return presses the window's button wherever the focus stands.
      const index = buttonOf(win);
      if (index >= 0) {
        e.preventDefault();
        push(Click, win.id, index);
        return;
      }
    }
    if (onControl && (e.code === 'Space' || e.code.startsWith('Arrow'))) return;
    if (!/^F\d+$/.test(e.code) && !e.metaKey) e.preventDefault();
    push(down ? KeyDown : KeyUp, win.id, shiftBits(e), 0, 0, 0, e.code);
  }
  addEventListener('keydown', (e) => onKey(e, true));
  addEventListener('keyup', (e) => onKey(e, false));
  // No context menu over the game, from the mouse or from the menu key.
  addEventListener('contextmenu', (e) => { if (running) e.preventDefault(); });

  // A pad's or a touch button's key, to the active window as the keyboard gives it.
  function holdKey(code, down) {
    const win = windows.get(active);
    if (running && !dialog && win) push(down ? KeyDown : KeyUp, win.id, 0, 0, 0, 0, code);
  }
  // The setup and message windows' one button and the setup window's
  // editions, for a pad: what Return and the arrows do there.
  function pressButton() {
    const win = windows.get(active);
    const index = buttonOf(win);
    if (running && !dialog && index >= 0) push(Click, win.id, index);
  }
  function chooseOption(step) {
    const win = windows.get(active);
    if (!running || dialog || !win) return;
    const inputs = win.controls.filter((c) => c && c.kind === Option && c.visible).map((c) => c.input);
    const at = inputs.findIndex((input) => input.checked);
    const next = inputs[Math.min(Math.max(at + step, 0), inputs.length - 1)];
    if (next && !next.checked) {
      next.focus();
      next.click();  // as the browser does for an arrow key
    }
  }

  function wake() { push(Wake, 0); }

  return {
    createWindow, addControl, destroyWindow, showWindow, placeWindow, activate,
    setCaption(id, text) {
      const win = windows.get(id);
      if (!win) return;
      win.name = text;
      if (win.caption) win.caption.textContent = text;
    },
    // The windows on the screen, for tests: caption, outer and client rectangles in page pixels.
    windowList() {
      const rect = (el) => {
        const r = el.getBoundingClientRect();
        return {left: r.left, top: r.top, right: r.right, bottom: r.bottom};
      };
      return [...windows.values()].filter((w) => w.shown).map((w) => ({
        id: w.id, caption: w.name, active: w.id === active, outer: rect(w.el), client: rect(w.client),
        buttons: w.controls.filter((c) => c && c.kind === Button && c.visible).map((c) => rect(c.el)),
        targets: w.controls.map((c, index) => ({c, index}))
            .filter(({c}) => c && c.kind === Image && c.visible && c.el.style.cursor === 'crosshair' &&
                             c.el.style.visibility !== 'hidden').map(({c, index}) => ({...rect(c.el), index})),
      }));
    },
    setBack, controlRect, controlVisible, controlText, controlPicture, optionSelected, setTimer,
    clearSurface, printText, drawLine, openDialog, dialogResult, closeDialog, nextEvent,
    waitForEvent, yieldToBrowser, wake, applyZoom, holdKey, pressButton, chooseOption,
    hasButton: () => running && !dialog && buttonOf(windows.get(active)) >= 0,
    running: () => running,
    screenWidth: () => screenNow().width,
    screenHeight: () => screenNow().height,
    recordingWanted: () => (params.has('record') ? 1 : 0),
    zoom: () => zoom,
    start() {
      running = true;
      screen = screenNow();
    },
    stop() {
      running = false;
      for (const id of [...windows.keys()]) destroyWindow(id);
    },
    firstWindowAt: 0,
    firstPaintAt: 0,
    ended: null,
    sound: null,
  };
})();

// --- Web Audio: effects from the WAV files, music from the rendered MP3s ---
QV.sound = (() => {
  let context = null;
  // Opening the context takes tens of milliseconds, so the page opens it
  // after the first window is up; what the game asks before waits for it.
  let opened = null;
  const ready = new Promise((resolve) => { opened = resolve; });
  const buffers = new Map();
  let effect = null, effectAsked = 0;
  let piece = null, pieceAsked = 0;
  // A running context costs a core's percent or two even in silence: it
  // sleeps once nothing has played for a while and wakes for the next sound.
  const SleepAfterMs = 2000;
  let playing = 0, started = 0, paused = false, sleep = 0;

  function wake() {
    clearTimeout(sleep);
    sleep = 0;
    if (!paused && context.state === 'suspended') context.resume();
  }

  function sleepWhenSilent() {
    clearTimeout(sleep);
    sleep = playing === 0 && !paused ? setTimeout(() => context.suspend(), SleepAfterMs) : 0;
  }

  function load(url) {
    if (!buffers.has(url)) {
      buffers.set(url, fetch(url)
          .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(url))))
          .then((data) => ready.then(() => context.decodeAudioData(data)))
          .catch(() => null));
    }
    return buffers.get(url);
  }

  function play(buffer) {
    wake();
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    source.onended = () => {
      --playing;
      sleepWhenSilent();
    };
    ++playing;
    ++started;
    source.start();
    return source;
  }

  function stop(source) {
    if (source) try { source.stop(); } catch (e) { /* already over */ }
  }

  return {
    // For tests: whether the context runs, and the sounds playing and started so far.
    state: () => ({context: context ? context.state : 'unopened', playing, started}),
    open(audioContext) {
      context = audioContext;
      opened();
      if (paused) context.suspend();
      else sleepWhenSilent();
    },
    prefetchEffects() {
      for (const name of ['bang1.wav', 'bang2.wav', 'ching.wav']) load('sounds/' + name);
    },
    // A file asked for before it arrives plays when it arrives, unless the
    // game asked for another or for silence meanwhile.
    playEffect(name) {
      stop(effect);
      effect = null;
      const asked = ++effectAsked;
      if (!name) return;
      load('sounds/' + name.toLowerCase()).then((buffer) => {
        if (buffer && asked === effectAsked) effect = play(buffer);
      });
    },
    playPiece(name) {
      stop(piece);
      piece = null;
      const asked = ++pieceAsked;
      if (!name) return;
      load('music/' + name.toLowerCase().replace(/\.[^.]*$/, '') + '.mp3').then((buffer) => {
        if (buffer && asked === pieceAsked) piece = play(buffer);
      });
    },
    stopPiece() {
      stop(piece);
      piece = null;
      ++pieceAsked;
    },
    pauseAll(pause) {
      paused = !!pause;
      if (!context) return;
      if (paused) {
        clearTimeout(sleep);
        context.suspend();
      } else if (playing > 0) {
        wake();
      } else {
        sleepWhenSilent();
      }
    },
    close() {
      this.stopPiece();
      this.playEffect('');
    },
  };
})();

// --- the cover, the start, the end, the recording ---
var Module = {
  preRun: [() => {
    // What the desktop's QUORVAN_FRAME_LOG writes, for the page's tests.
    if (params.has('framelog')) ENV.QUORVAN_FRAME_LOG = '/frames.log';
  }],
  onRuntimeInitialized() {
    QV.applyZoom();
    QV.ready = true;
    document.getElementById('cover-text').textContent = 'Click or press a key to play';
    if (QV.wantStart || params.has('autostart')) startGame();
  },
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
};

function startGame() {
  if (QV.started) return;
  if (!QV.ready) {
    QV.wantStart = true;
    return;
  }
  QV.started = true;
  document.getElementById('cover').hidden = true;
  QV.start();
  // The game runs until its first wait, so its first window is up by now.
  Module.callMain([]);
  // Audio is made in the player's gesture where there was one, as some
  // browsers let a page's audio start only from inside one; else after the
  // first window, which it would hold up.
  setTimeout(() => {
    const audio = QV.audioFromGesture || newAudioContext();
    if (audio) QV.sound.open(audio);
  });
}

function newAudioContext() {
  const AudioContextClass = window.AudioContext || window.webkitAudioContext;
  return AudioContextClass ? new AudioContextClass() : null;
}

QV.programEnded = (code) => {
  QV.sound.close();
  QV.stop();
  QV.ended = code;
  document.getElementById('ended').hidden = false;
};

(() => {
  const cover = document.getElementById('cover');
  const begin = (e) => {
    if (cover.hidden) return;
    // The key that starts the game is not the game's.
    e.preventDefault();
    e.stopPropagation();
    if (!QV.audioFromGesture) QV.audioFromGesture = newAudioContext();
    startGame();
  };
  cover.addEventListener('click', begin);
  addEventListener('keydown', begin, true);
  document.getElementById('again').addEventListener('click', () => location.reload());
  if (params.has('record')) {
    const link = document.getElementById('record');
    link.hidden = false;
    link.addEventListener('click', (e) => {
      e.preventDefault();
      let text = '';
      try { text = FS.readFile('/recording.txt', {encoding: 'utf8'}); } catch (err) { /* none yet */ }
      const a = document.createElement('a');
      a.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
      a.download = 'quorvan-recording.txt';
      a.click();
      setTimeout(() => URL.revokeObjectURL(a.href), 1000);
    });
  }
})();
