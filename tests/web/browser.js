// The page in headless Chromium, for the page's tests and its benchmark:
// the built page served on 127.0.0.1, Debian's chromium driven by
// puppeteer-core, and the game's own view of itself (its frame counter and
// the --dump state).
'use strict';
const fs = require('fs');
const path = require('path');
const {spawnSync} = require('child_process');

const root = path.resolve(__dirname, '..', '..');
const {serve} = require(path.join(root, 'web', 'serve.js'));

// The input words of the desktop's scripts.
const LEFT = 1, UP = 2, RIGHT = 4, DOWN = 8, SHOT = 16, BOMB = 32, BARRIER = 64;

// The browser, or null (with the reason) where this machine lacks it.
function findBrowser() {
  let puppeteer;
  try {
    puppeteer = require(path.join(root, 'node_modules', 'puppeteer-core'));
  } catch (e) {
    return {missing: 'puppeteer-core is not installed (make deps runs npm ci)'};
  }
  const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
  if (!fs.existsSync(chromium)) return {missing: `no browser at ${chromium} (make deps installs chromium)`};
  return {puppeteer, chromium};
}

class Chromium {
  static async open(pageDir) {
    const found = findBrowser();
    if (found.missing) throw Object.assign(new Error(found.missing), {skip: true});
    const s = new Chromium();
    s.server = await serve(pageDir, 0);
    s.base = `http://127.0.0.1:${s.server.address().port}/`;
    s.browser = await found.puppeteer.launch({
      executablePath: found.chromium,
      headless: true,
      // Root in a container has no sandbox, and its /dev/shm may be small.
      args: ['--no-sandbox', '--disable-dev-shm-usage', '--force-color-profile=srgb'],
    });
    return s;
  }

  async close() {
    if (this.browser) await this.browser.close();
    if (this.server) this.server.close();
  }

  // A page at the game's address with the given settings (?frames=..., ...),
  // once the game runs; its errors are kept in page.problems.
  async page(query = '') {
    const page = this.current || await this.browser.newPage();
    this.current = page;
    if (!page.problems) {
      page.problems = [];
      page.on('pageerror', (e) => page.problems.push(e.message));
      page.on('console', (m) => {
        if (m.type() === 'error') page.problems.push(m.text());
      });
      await page.setViewport({width: 800, height: 600});
    }
    await page.goto(this.base + query);
    await this.running(page);
    return page;
  }

  async running(page) {
    await page.waitForFunction(() => window.ombrezza && window.ombrezza._ombrezza_frames() > 0, {timeout: 60000});
  }
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function dump(page) {
  return JSON.parse(await page.evaluate(() => window.ombrezza.UTF8ToString(window.ombrezza._ombrezza_dump())));
}

// A key held for a few frames, then let go for a few more.
async function press(page, code) {
  await page.keyboard.down(code);
  await sleep(80);
  await page.keyboard.up(code);
  await sleep(150);
}

// The frames and the page's busy milliseconds, read in the page at one moment
// of its clock.
function counters(page) {
  return page.evaluate(() => ({
    at: performance.now(),
    frames: window.ombrezza._ombrezza_frames(),
    busy: window.ombrezza._ombrezza_busy_ms(),
  }));
}

// A fresh game directory under `work`: the generated assets of `gameDir`,
// and none of a player's files.
function freshGame(work, gameDir, name) {
  const dir = path.join(work, name);
  fs.mkdirSync(path.join(dir, 'replay'), {recursive: true});
  for (const entry of ['cg.qda', 'wave', 'midi']) {
    fs.cpSync(path.join(gameDir, entry), path.join(dir, entry), {recursive: true});
  }
  return dir;
}

// The native program, headless: stdout, or an exception with its stderr.
function runNative(program, args) {
  const run = spawnSync(program, ['--headless', ...args], {encoding: 'utf8', timeout: 300000});
  if (run.status !== 0) throw new Error(`${path.basename(program)} ${args.join(' ')}: ${run.status} ${run.stderr}`);
  return run.stdout;
}

function scriptText(lines) {
  return lines.map(([count, word]) => `${count} ${word}\n`).join('');
}

const framesOf = (lines) => lines.reduce((n, [count]) => n + count, 0);
const pressWord = (word) => [[2, word], [3, 0]];

module.exports = {
  LEFT, UP, RIGHT, DOWN, SHOT, BOMB, BARRIER,
  Chromium, findBrowser, sleep, dump, press, counters, freshGame, runNative, scriptText, framesOf, pressWord, root,
};
