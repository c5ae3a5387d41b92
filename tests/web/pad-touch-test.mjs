// Pads, the touch screen's buttons, Alt+Enter and the zoom on the page in
// headless chromium: a pad or a finger must give the game the very keys and
// clicks the keyboard and the mouse give. What the game receives is read
// where the game takes its events.
// Usage: node pad-touch-test.mjs SITE
import { chromium } from 'playwright-core';
import path from 'node:path';
import { chromiumArgs, serve } from './serve.mjs';

const { server, url } = await serve(path.resolve(process.argv[2]));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs });
const slow = { timeout: 60000 };
let failed = false;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failed = true;
}
const A = 0, B = 1, X = 2, Start = 9, Up = 12, Down = 13, Left = 14, Right = 15;

async function open(options) {
  const page = await (await browser.newContext(options)).newPage();
  page.on('pageerror', (e) => check(false, `page error: ${e.message}`));
  // Four pad slots, empty until a test plugs a pad in.
  await page.addInitScript(() => {
    window.pads = [null, null, null, null];
    navigator.getGamepads = () => window.pads;
  });
  await page.goto(url + '?autostart');
  await page.waitForFunction(() => typeof QV === 'object' && QV.running(), null, slow);
  // The game's keys, clicks and mouse presses, as "down ArrowLeft", "click 6"; a held key's repeats count once.
  await page.evaluate(() => {
    const take = QV.nextEvent, down = new Set();
    window.received = [];
    QV.nextEvent = (out, text, size) => {
      const got = take(out, text, size);
      const [kind, , a] = HEAP32.subarray(out >> 2, (out >> 2) + 3);
      const line = got && kind <= 4 && `${['', 'down', 'up', 'mouse', 'click'][kind]} ${kind <= 2 ? UTF8ToString(text) : a}`;
      if (kind === 1 && down.has(line)) return got;
      if (kind <= 2) down[kind === 1 ? 'add' : 'delete']('down ' + UTF8ToString(text));
      if (line) received.push(line);
      return got;
    };
  });
  const windowNamed = async (pattern) => (await page.evaluate(() => QV.windowList())).find((w) => pattern.test(w.caption));
  const waitWindow = (source) =>
    page.waitForFunction((s) => QV.windowList().some((w) => new RegExp(s).test(w.caption)), source, slow);
  // What the game receives from an action, up to a Z pressed after it on the keyboard.
  async function step(what, action, want) {
    await page.evaluate(() => { received.length = 0; });
    await action();
    if (want.length) await page.waitForFunction((n) => received.length >= n, want.length, slow);
    else await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    await page.keyboard.press('KeyZ');
    await page.waitForFunction(() => received.includes('up KeyZ'), null, slow);
    const got = await page.evaluate(() => received.filter((l) => !l.endsWith(' KeyZ')));
    check(JSON.stringify(got) === JSON.stringify(want), `${what}: ${JSON.stringify(got)}`);
  }
  // Pad i holds these buttons and its stick this far across; null unplugs it.
  const pad = (i, held, x = 0) => page.evaluate(([i, held, x]) => {
    const was = pads[i];
    pads[i] = held && { connected: true, mapping: 'standard', axes: [x, 0, 0, 0],
      buttons: Array.from({ length: 17 }, (_, n) => ({ pressed: held.includes(n), value: +held.includes(n) })) };
    if (!was !== !pads[i]) dispatchEvent(new Event(pads[i] ? 'gamepadconnected' : 'gamepaddisconnected'));
  }, [i, held, x]);
  // A hidden entry: the Wing's (ScrollLock) or the enemies left (NumLock).
  const entry = async (key, text) => {
    await page.keyboard.press(key);
    await page.waitForSelector('#dialog:not([hidden])', slow);
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
    await page.waitForSelector('#dialog', { state: 'hidden', ...slow });
  };
  return { page, step, pad, windowNamed, waitWindow, entry };
}

try {
  // With a mouse: no touch buttons; a pad, the keyboard and Alt+Enter.
  let { page, step, pad, windowNamed, waitWindow, entry } = await open({ viewport: { width: 1024, height: 720 } });
  check(await page.isHidden('#touch'), 'a mouse sees no touch buttons');
  await waitWindow('95/NT');
  for (const [what, held, want] of [
    ['setup: D-pad down chooses the second edition', [Down], ['click 5']],
    ['setup: D-pad up the first', [Up], ['click 4']],
    ['setup: X is no button', [X], []],
    ['setup: Start presses "Set up!"', [Start], ['click 6']],
  ]) {
    await step(what, () => pad(0, held), want);
    await step(what + ', let go', () => pad(0, []), []);
  }
  await waitWindow('^Quorvan Windows /32$');
  for (const [what, held, x, key] of [
    ['D-pad left', [Left], 0, 'ArrowLeft'], ['D-pad right', [Right], 0, 'ArrowRight'],
    ['stick left', [], -0.7, 'ArrowLeft'], ['stick right', [], 0.5, 'ArrowRight'],
    ['A', [A], 0, 'Space'], ['X', [X], 0, 'Space'], ['Start pauses', [Start], 0, 'KeyP'],
    ['Start goes on', [Start], 0, 'KeyP'], ['stick short of halfway, B, D-pad up', [B, Up], -0.49, ''],
  ]) {
    await step(what, () => pad(0, held, x), key ? [`down ${key}`] : []);
    await step(what + ', let go', () => pad(0, []), key ? [`up ${key}`] : []);
  }
  await step('two pads: the first holds left', () => pad(0, [Left]), ['down ArrowLeft']);
  await step('the second too: one key', () => pad(1, [], -1), []);
  await step('the first lets go: the second holds it', () => pad(0, []), []);
  await step('the second fires as well', () => pad(1, [X], -1), ['down Space']);
  await step('the second unplugged lets both go', () => pad(1, null), ['up ArrowLeft', 'up Space']);
  await entry('NumLock', '0');
  await waitWindow('^Quorvan$');
  await step('the message window: A presses "O K"', () => pad(0, [A]), ['click 0']);
  await pad(0, null);

  await waitWindow('^Quorvan Windows /32$');
  await step('Alt+Enter: the game sees Alt alone', () => page.keyboard.press('Alt+Enter'), ['down AltLeft', 'up AltLeft']);
  check(await page.evaluate(() => !!document.fullscreenElement), 'Alt+Enter goes fullscreen');
  await page.keyboard.press('Alt+Enter');
  await page.waitForFunction(() => !document.fullscreenElement, null, slow);
  // A larger room: the zoom grows by a whole number, the game's screen centred in it.
  const pair = async () => {
    const panel = await windowNamed(/^Quorvan Windows \/32$/), field = await windowNamed(/^Quorvan Windows \/ 32$/);
    return { x: (field.outer.left + field.outer.right) / 2, top: panel.outer.top, bottom: field.outer.bottom };
  };
  const before = await pair();
  for (const [width, height, zoom] of [[1920, 1112, 2], [3840, 2160, 3], [1024, 720, 1]]) {
    await page.setViewportSize({ width, height });
    await page.waitForFunction((z) => QV.zoom() === z, zoom, slow);
    const now = await pair();
    const off = (a, b) => Math.abs(a - zoom * b) <= zoom;
    check(off(now.x - width / 2, before.x - 512) &&
          off((now.top + now.bottom - height) / 2, (before.top + before.bottom - 720) / 2),
      `${width} x ${height}: zoom ${zoom}, the windows centred as before`);
  }
  await page.context().close();

  // A touch screen: the buttons, a tap on an enemy and on "O K".
  ({ page, step, pad, windowNamed, waitWindow, entry } =
    await open({ viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true }));
  const strip = await page.evaluate(() => document.getElementById('touch').getBoundingClientRect().top);
  await waitWindow('95/NT');
  const centre = (r) => [(r.left + r.right) / 2, (r.top + r.bottom) / 2];
  await step('a tap on "Set up!"', async () => page.touchscreen.tap(...centre((await windowNamed(/95\/NT/)).buttons[0])), ['click 6']);
  await waitWindow('^Quorvan Windows /32$');
  check((await windowNamed(/^Quorvan Windows \/ 32$/)).outer.bottom <= strip, 'the touch buttons stand below the playfield');
  const cdp = await page.context().newCDPSession(page);
  const [left, fire] = await page.evaluate(() => [...document.querySelectorAll('#touch [data-key]')]
    .filter((b) => b.dataset.key !== 'ArrowRight').map((b) => b.getBoundingClientRect().toJSON()));
  const finger = (id, r) => ({ id, x: centre(r)[0], y: centre(r)[1] });
  const touches = (type, points) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  await step('the keyboard, for the fingers', async () => {
    for (const [k, down] of [['ArrowLeft', 1], ['Space', 1], ['Space', 0], ['ArrowLeft', 0]])
      await (down ? page.keyboard.down(k) : page.keyboard.up(k));
  }, ['down ArrowLeft', 'down Space', 'up Space', 'up ArrowLeft']);
  await step('two fingers, as the keyboard', async () => {
    await touches('touchStart', [finger(1, left)]);
    await touches('touchStart', [finger(1, left), finger(2, fire)]);
    await touches('touchEnd', [finger(2, fire)]);  // the finger that leaves
    await touches('touchEnd', [finger(1, left)]);
  }, ['down ArrowLeft', 'down Space', 'up Space', 'up ArrowLeft']);
  await step('a touch the browser takes back lets go', async () => {
    await touches('touchStart', [finger(3, fire)]);
    await touches('touchCancel', []);
  }, ['down Space', 'up Space']);
  await entry('ScrollLock', '4');
  await page.waitForFunction(() => QV.windowList().some((w) => w.targets.length), null, slow);
  // Paused, so the enemy stands where the finger lands.
  await step('pause', () => page.keyboard.press('KeyP'), ['down KeyP', 'up KeyP']);
  const target = (await windowNamed(/^Quorvan Windows \/ 32$/)).targets[0];
  await step('a tap on an enemy is its click', () => page.touchscreen.tap(...centre(target)), [`click ${target.index}`]);
  await page.keyboard.press('KeyP');
  await entry('NumLock', '0');
  await waitWindow('^Quorvan$');
  await step('a tap on "O K"', async () => page.touchscreen.tap(...centre((await windowNamed(/^Quorvan$/)).buttons[0])), ['click 0']);
} catch (e) {
  check(false, e.message.split('\n')[0]);
}
await browser.close();
server.close();
process.exit(failed ? 1 : 0);
