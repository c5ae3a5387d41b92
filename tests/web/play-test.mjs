// Plays a scripted game on the page in headless chromium: the cover, the demo,
// the setup window, moves and shots, the hidden Wing entry, a Slant Wing
// click, seven stages cleared through the enemy-count entry and "O K", the
// game's end, the setup window's close box and the page's last word. Each
// screen is photographed and checked for its windows at their places and for
// a picture that is not blank; the page's frame log must be what the
// simulator makes of the page's recording, frame for frame.
// Usage: node play-test.mjs SITE SIM COMPARE-FRAMES OUT
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { chromiumArgs, serve } from './serve.mjs';

const [site, sim, compareFrames, out] = process.argv.slice(2).map((a) => path.resolve(a));
const { server, url } = await serve(site);

const profile = fs.mkdtempSync(path.join(out, 'profile-'));
const browser = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: chromiumArgs,
  viewport: { width: 1024, height: 720 },
});
const page = browser.pages()[0] || await browser.newPage();
const problems = [];
page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });

let failed = false;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failed = true;
}
const slow = { timeout: 60000 };
const windows = () => page.evaluate(() => QV.windowList());
const windowNamed = async (pattern) => (await windows()).find((w) => pattern.test(w.caption));
const waitWindow = (source) =>
  page.waitForFunction((s) => QV.windowList().some((w) => new RegExp(s).test(w.caption)), source, slow);
const frameCount = () => page.evaluate(() => {
  try { return FS.readFile('/frames.log', { encoding: 'utf8' }).split('\n').filter((l) => /^\d/.test(l)).length; }
  catch (e) { return 0; }
});
async function waitFrames(n) {
  const until = (await frameCount()) + n;
  await page.waitForFunction((u) => {
    try { return FS.readFile('/frames.log', { encoding: 'utf8' }).split('\n').filter((l) => /^\d/.test(l)).length >= u; }
    catch (e) { return false; }
  }, until, slow);
}
const near = (a, b, by = 2) => Math.abs(a - b) <= by;

// A screen is not blank when its region holds many colours.
async function photograph(name, region) {
  const file = path.join(out, `${name}.png`);
  const png = await page.screenshot({ path: file });
  const colours = await page.evaluate(async ({ data, r }) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + data;
    await img.decode();
    const canvas = document.createElement('canvas');
    canvas.width = img.width;
    canvas.height = img.height;
    const ctx = canvas.getContext('2d');
    ctx.drawImage(img, 0, 0);
    const w = Math.max(1, Math.floor(r.right - r.left)), h = Math.max(1, Math.floor(r.bottom - r.top));
    const pixels = ctx.getImageData(Math.floor(r.left), Math.floor(r.top), w, h).data;
    const seen = new Set();
    for (let i = 0; i < pixels.length; i += 4) seen.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
    return seen.size;
  }, { data: png.toString('base64'), r: region });
  check(colours >= 4, `${name}: not blank (${colours} colours)`);
}

// A step that never comes leaves a photograph and the windows of the moment.
try {
  await page.goto(url + '?record&framelog');
  await page.waitForFunction(() => typeof QV === 'object' && QV.ready, null, slow);
  await photograph('1-cover', { left: 0, top: 0, right: 1024, bottom: 720 });
  check(await page.isVisible('#cover'), 'the cover asks for a click or a key');

  await page.keyboard.press('KeyX');
  await page.waitForFunction(() => QV.windowList().length > 0, null, slow);
  const demo = (await windows())[0];
  check(near((demo.outer.left + demo.outer.right) / 2, 512) && near((demo.outer.top + demo.outer.bottom) / 2, 360),
    'the demo stands in the middle of the screen');
  await page.waitForTimeout(1200);  // a few of the demo's steps drawn, for the photograph only
  await photograph('2-demo', demo.outer);

  await waitWindow('95/NT');
  const setup = await windowNamed(/95\/NT/);
  check(near((setup.outer.left + setup.outer.right) / 2, 512) && near((setup.outer.top + setup.outer.bottom) / 2, 360),
    'the setup window is centred on the screen');
  await photograph('3-setup', setup.outer);
  const go = setup.buttons[0];
  await page.mouse.click((go.left + go.right) / 2, (go.top + go.bottom) / 2);

  await waitWindow('^Quorvan Windows /32$');
  await waitFrames(2);
  const panel = await windowNamed(/^Quorvan Windows \/32$/);
  const field = await windowNamed(/^Quorvan Windows \/ 32$/);
  check(panel && field && near(panel.outer.bottom, field.outer.top, 1) && near(panel.outer.left, field.outer.left, 12),
    'the status panel stands flush on the playfield');
  await photograph('4-play', { left: field.outer.left, top: panel.outer.top, right: field.outer.right, bottom: field.outer.bottom });

  await page.keyboard.down('ArrowRight');
  await waitFrames(6);
  await page.keyboard.up('ArrowRight');
  await page.keyboard.press('Space');
  await waitFrames(3);
  await page.keyboard.press('Control');
  await waitFrames(3);

  await page.keyboard.press('ScrollLock');
  await page.waitForSelector('#dialog:not([hidden])', slow);
  check((await page.textContent('#dialog .caption')) === 'ずるいな！', 'the Wing entry has the game\'s title');
  await photograph('5-wing-entry', await page.evaluate(() => {
    const r = document.querySelector('#dialog .dialog').getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
  }));
  await page.keyboard.type('4');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#dialog', { state: 'hidden', ...slow });
  await waitFrames(2);
  const targets = (await windowNamed(/^Quorvan Windows \/ 32$/)).targets;
  check(targets.length > 0, 'enemies can be clicked with the Slant Wing');
  if (targets.length) {
    const t = targets[0];
    await page.mouse.click((t.left + t.right) / 2, (t.top + t.bottom) / 2);
  }
  await waitFrames(4);
  await page.mouse.click(field.client.left + 20, field.client.top + 20, { button: 'right', modifiers: ['Shift'] });
  await waitFrames(2);

  // Seven stages, each cleared by entering no enemies left; the last ends the game.
  for (let stage = 1; stage <= 7; ++stage) {
    await waitFrames(1);
    await page.keyboard.press('NumLock');
    await page.waitForSelector('#dialog:not([hidden])', slow);
    await page.keyboard.type('0');
    await page.keyboard.press('Enter');
    // The last clear may end the game without asking for "O K".
    await page.waitForFunction(() => QV.windowList().some((w) => (w.caption === 'Quorvan' && w.buttons.length) ||
                                                                 /95\/NT/.test(w.caption)), null, slow);
    if (!(await windowNamed(/^Quorvan$/))) break;
    const message = await windowNamed(/^Quorvan$/);
    const fieldNow = await windowNamed(/^Quorvan Windows \/ 32$/);
    if (stage === 1) {
      check(near((message.outer.left + message.outer.right) / 2, (fieldNow.outer.left + fieldNow.outer.right) / 2) &&
            near((message.outer.top + message.outer.bottom) / 2, (fieldNow.outer.top + fieldNow.outer.bottom) / 2),
        'the message window is centred over the playfield');
      await photograph('6-stage-clear', message.outer);
      await page.keyboard.press('Enter');  // "O K" from the keyboard
    } else {
      const ok = message.buttons[0];
      await page.mouse.click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    }
    if (stage < 7) await waitWindow('^Quorvan Windows /32$');
  }

  await page.waitForFunction(() => QV.windowList().some((w) => /95\/NT/.test(w.caption)) &&
                                   !QV.windowList().some((w) => w.caption === 'Quorvan Windows /32'), null, slow);
  const setupAgain = await windowNamed(/95\/NT/);
  await photograph('7-setup-again', setupAgain.outer);
  await page.mouse.click(setupAgain.outer.right - 10, setupAgain.outer.top + 10);  // the close box
  await page.waitForSelector('#ended:not([hidden])', slow);
  await photograph('8-ended', { left: 0, top: 0, right: 1024, bottom: 720 });
  check((await page.textContent('#ended')).includes('ended'), 'the page says the game has ended');

  const recording = await page.evaluate(() => FS.readFile('/recording.txt', { encoding: 'utf8' }));
  const frames = await page.evaluate(() => FS.readFile('/frames.log', { encoding: 'utf8' }));
  fs.writeFileSync(path.join(out, 'recording.txt'), recording);
  fs.writeFileSync(path.join(out, 'frames.txt'), frames);
  check(/^entry 4$/m.test(recording) && (recording.match(/^entry 0$/mg) || []).length === 7,
    'the recording holds the Wing entry and the seven enemy counts');
  check(/ click \d/.test(recording), 'the recording holds the click on an enemy');

  // The status panel's close box ends the game even while an entry is open.
  await page.goto(url + '?autostart');
  // Web Audio opens after the demo's first window; the jingle asked for before it still plays.
  await page.waitForFunction(() => typeof QV === 'object' && QV.sound.state().started > 0, null, slow);
  check(true, "the demo's jingle plays though asked for before Web Audio opened");
  await page.waitForFunction(() => typeof QV === 'object' && QV.windowList().some((w) => /95\/NT/.test(w.caption)), null, slow);
  const setupButton = (await windowNamed(/95\/NT/)).buttons[0];
  await page.mouse.click((setupButton.left + setupButton.right) / 2, (setupButton.top + setupButton.bottom) / 2);
  await waitWindow('^Quorvan Windows /32$');
  // A silent stage lets Web Audio sleep; the next sound wakes it.
  await page.waitForFunction(() => QV.sound.state().context === 'suspended', null, slow);
  const slept = await page.evaluate(() => {
    QV.sound.playEffect('Ching.Wav');  // as the game asks for an effect
    return QV.sound.state().started;
  });
  await page.waitForFunction((n) => QV.sound.state().started > n && QV.sound.state().context === 'running',
                             slept, slow);
  check(true, 'Web Audio sleeps in a silent stage and wakes for the next sound');
  await page.keyboard.press('ScrollLock');
  await page.waitForSelector('#dialog:not([hidden])', slow);
  const panelNow = await windowNamed(/^Quorvan Windows \/32$/);
  await page.mouse.click(panelNow.outer.right - 10, panelNow.outer.top + 10);
  await page.waitForSelector('#ended:not([hidden])', slow);
  check(await page.isHidden('#dialog'), 'closing the status panel during an entry ends the game and its entry');
} catch (e) {
  console.log(`FAIL ${e.message.split('\n')[0]}`);
  try {
    await page.screenshot({ path: path.join(out, 'failure.png') });
    console.log(JSON.stringify(await windows()));
    fs.writeFileSync(path.join(out, 'frames.txt'), await page.evaluate(() => FS.readFile('/frames.log', { encoding: 'utf8' })));
  } catch (err) { /* the page is gone */ }
  process.exit(1);
}
await browser.close();
server.close();

const trace = execFileSync(sim, [path.join(out, 'recording.txt')], { cwd: out, maxBuffer: 1 << 28 });
fs.writeFileSync(path.join(out, 'trace.jsonl'), trace);
try {
  console.log(execFileSync('python3', [compareFrames, path.join(out, 'frames.txt'), path.join(out, 'trace.jsonl')]).toString().trim());
  check(true, 'the simulator plays the recording frame for frame');
} catch (e) {
  console.log(e.stdout.toString());
  check(false, 'the simulator plays the recording frame for frame');
}
for (const p of problems) check(false, p);
process.exit(failed ? 1 : 0);
