// Figures of the page in headless chromium, each load in a fresh profile from
// a local server: bytes fetched before the demo's first frame, navigation to
// that frame, the renderer's CPU in a stage at rest, the frame interval's p99.
// Medians over LOADS loads (5 unless told). After each load, a bare page that
// moves one box as often as a stage moves its pieces is measured the same way:
// the machine is shared, so the renderer's CPU is read against it.
// Usage: node bench/web-figures.mjs SITE [LOADS]
// Needs tests/web's node_modules (npm ci there).
import { createRequire } from 'node:module';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const require = createRequire(path.resolve('tests/web/package.json'));
const { chromium } = require('playwright-core');
const site = path.resolve(process.argv[2] || 'build/web');
const loads = Number(process.argv[3] || 5);
const restSeconds = 20;

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.wav': 'audio/wav', '.mp3': 'audio/mpeg',
  '.woff2': 'font/woff2' };
// The bare page: one box moved every 160 ms, nothing else.
const bare = '<!doctype html><div id=b style="position:absolute;width:16px;height:16px;background:red"></div>' +
  '<script>let x = 0; setInterval(() => { b.style.left = (x = (x + 8) % 400) + "px"; }, 160);</script>';
const server = http.createServer((req, res) => {
  if (req.url === '/bare') {
    res.writeHead(200, { 'Content-Type': 'text/html' });
    res.end(bare);
    return;
  }
  let file = path.join(site, decodeURIComponent(new URL(req.url, 'http://x').pathname));
  if (file.endsWith('/')) file += 'index.html';
  fs.readFile(file, (error, data) => {
    if (error) { res.writeHead(404); res.end(); return; }
    res.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
      'Content-Length': data.length });
    res.end(data);
  });
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const url = `http://127.0.0.1:${server.address().port}/`;
const args = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--autoplay-policy=no-user-gesture-required'];
const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };

// The CPU seconds of the browser's renderers so far, read as a function.
async function rendererCpu(browser) {
  const cdp = await browser.newBrowserCDPSession();
  return async () => (await cdp.send('SystemInfo.getProcessInfo')).processInfo
      .filter((p) => p.type === 'renderer').reduce((n, p) => n + p.cpuTime, 0);
}

async function bareCpuPercent() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args });
  const page = await browser.newPage({ viewport: { width: 1024, height: 720 } });
  await page.goto(url + 'bare');
  await page.waitForTimeout(3000);  // as long as the game's page is given past the stage's opening
  const cpu = await rendererCpu(browser);
  const before = await cpu();
  await page.waitForTimeout(restSeconds * 1000);
  const percent = (100 * ((await cpu()) - before)) / restSeconds;
  await browser.close();
  return percent;
}

const results = [];
for (let i = 0; i < loads; ++i) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args });
  const page = await browser.newPage({ viewport: { width: 1024, height: 720 } });
  // Started at once, without the cover's gesture, to time the load itself.
  await page.goto(url + '?autostart&framelog');
  await page.waitForFunction(() => typeof QV === 'object' && QV.firstPaintAt > 0, null, { timeout: 60000 });
  const load = await page.evaluate(() => {
    const first = QV.firstPaintAt;
    const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
        .filter((e) => e.startTime <= first);
    return { firstFrameMs: first, bytes: entries.reduce((n, e) => n + (e.encodedBodySize || 0), 0),
             files: entries.map((e) => `${e.name.replace(/^.*\//, '') || 'index'} ${e.encodedBodySize}`) };
  });
  // A stage with nobody at the keys.
  await page.waitForFunction(() => QV.windowList().some((w) => /95\/NT/.test(w.caption)), null, { timeout: 60000 });
  await page.evaluate(() => {
    const b = QV.windowList().find((w) => /95\/NT/.test(w.caption)).buttons[0];
    document.elementFromPoint((b.left + b.right) / 2, (b.top + b.bottom) / 2).click();
  });
  await page.waitForFunction(() => QV.windowList().some((w) => w.caption === 'Quorvan Windows /32'), null, { timeout: 60000 });
  await page.waitForTimeout(3000);  // past the stage's opening
  const cpu = await rendererCpu(browser);
  const before = await cpu();
  const logBefore = await page.evaluate(() => FS.readFile('/frames.log', { encoding: 'utf8' }).split('\n').length);
  await page.waitForTimeout(restSeconds * 1000);  // the thing measured is the passing time
  const after = await cpu();
  const intervals = await page.evaluate((from) => {
    const times = FS.readFile('/frames.log', { encoding: 'utf8' }).split('\n').slice(from - 1)
        .filter((l) => /^\d/.test(l)).map((l) => Number(l.split(' ')[0]));
    return times.slice(1).map((t, k) => (t - times[k]) / 1000);
  }, logBefore);
  intervals.sort((a, b) => a - b);
  const p99 = intervals[Math.min(intervals.length - 1, Math.floor(intervals.length * 0.99))];
  await browser.close();
  const barePercent = await bareCpuPercent();
  results.push({ ...load, cpuPercent: (100 * (after - before)) / restSeconds, barePercent, p99,
                 frames: intervals.length + 1 });
  console.log(`load ${i + 1}: ${load.bytes} bytes, first frame ${load.firstFrameMs.toFixed(0)} ms, ` +
    `renderer CPU ${results.at(-1).cpuPercent.toFixed(2)}% (bare page ${barePercent.toFixed(2)}%), ` +
    `frame interval p99 ${p99.toFixed(1)} ms over ${intervals.length} intervals`);
  if (i === 0) console.log(`  fetched before the first frame: ${load.files.join(', ')}`);
}
server.close();
console.log(`median of ${loads}: bytes before the demo's first frame ${median(results.map((r) => r.bytes))}, ` +
  `navigation to the first frame ${median(results.map((r) => r.firstFrameMs)).toFixed(0)} ms, ` +
  `renderer CPU at rest ${median(results.map((r) => r.cpuPercent)).toFixed(2)}% ` +
  `(bare page ${median(results.map((r) => r.barePercent)).toFixed(2)}%, ratio ` +
  `${median(results.map((r) => r.cpuPercent / Math.max(r.barePercent, 0.01))).toFixed(2)}), ` +
  `frame interval p99 ${median(results.map((r) => r.p99)).toFixed(1)} ms`);
