#!/usr/bin/env node
// The game in headless Chromium: the page loads and plays from the title
// through the weapon select into stage 1 by keys, at 50 frames per second of
// the page's clock, with sound and music, pausing and going on; a scripted page
// draws the very picture the native build's --screenshot does (and so does the
// node build's); a game recorded in the page saves the same replay files as
// the native build, which verify natively; and the player's files survive a
// reload.
//
// usage: page_test.js PAGE_DIR NATIVE_PROGRAM GAME_DIR NODE_PROGRAM OUT_DIR
// OUT_DIR receives the screenshots of the page, for a person to look at.
// Exits 77 (skipped) only where the browser itself is missing.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const browser = require('./browser.js');
const {
  LEFT, RIGHT, DOWN, SHOT, Chromium, dump, press, sleep, counters, runNative, scriptText, framesOf, pressWord, root,
} = browser;

const [pageDir, native, gameDir, nodeProgram, outDir] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'ombrezza_page_'));
const menus = [[5, 0], ...pressWord(SHOT), ...pressWord(SHOT)];  // GAMESTART, then TILT and LASER
const PlayerSlot = 531;

class Failure extends Error {}
function expect(ok, message) {
  if (!ok) throw new Failure(message);
}

const freshGame = (name) => browser.freshGame(work, gameDir, name);

// Where the ship's sprite stands across the field.
function shipX(state) {
  const ship = state.Sprites.find((row) => row[0] === PlayerSlot);
  return ship ? ship[1] : NaN;
}

async function playsIntoStageOne(chromium) {
  const page = await chromium.page();
  const status = await page.$eval('#status', (e) => e.textContent);
  expect(status === '', `the page says "${status}"`);
  expect((await dump(page)).GameState === 0, 'the page does not start on the title');
  await press(page, 'KeyZ');  // GAMESTART
  expect((await dump(page)).GameState === 9, 'Z on the title did not lead to the weapon select');
  await press(page, 'KeyZ');  // TILT and LASER
  const play = await dump(page);
  expect(play.GameState === 10 && play.Stage === 1, `not in stage 1 after the weapon select: ${play.GameState}`);
  await sleep(1000);  // the ship flies in
  const placed = await dump(page);
  await page.keyboard.down('ArrowLeft');
  await page.keyboard.down('KeyZ');
  await sleep(1000);
  const moved = await dump(page);
  await page.keyboard.up('ArrowLeft');
  expect(moved.PadNow === (LEFT | SHOT), `the keys held are not the game's input word: ${moved.PadNow}`);
  expect(shipX(moved) < shipX(placed), `the ship did not move left: ${shipX(placed)} to ${shipX(moved)}`);
  // The sound: the fourteen channels the game loads, the tune in the synthesiser.
  await page.waitForFunction(() => window.ombrezza.audio.synth !== null, {timeout: 20000});
  const sound = await page.evaluate(() => {
    const audio = window.ombrezza.audio;
    return {
      waves: audio.channels.filter((c) => c.buffer !== null).length,
      tune: audio.current,
      playing: audio.synth.isPlayerPlaying(),
    };
  });
  expect(sound.waves === 14, `${sound.waves} of the 14 sound channels hold their waves`);
  expect(sound.playing && /^midi\//.test(sound.tune), `no tune plays: ${JSON.stringify(sound)}`);
  await page.keyboard.up('KeyZ');
}

// The game's frame counter against the page's clock, both read inside the
// page, so that neither the test's messages nor a busy machine between two
// animation frames can move the measure: the page runs the frames it is
// behind by in its next turn.
async function pacesFiftyFramesASecond(chromium) {
  const page = chromium.current;
  const before = await counters(page);
  await sleep(5000);
  const after = await counters(page);
  const rate = (after.frames - before.frames) / (after.at - before.at) * 1000;
  const busy = (after.busy - before.busy) / (after.frames - before.frames);
  console.log(`page: ${rate.toFixed(2)} frames per second, ${busy.toFixed(2)} ms of the page's work per frame`);
  expect(Math.abs(rate - 50) <= 2, `the page runs ${rate.toFixed(2)} frames per second, not 50 ± 2`);
}

async function drawsStageOne(chromium) {
  const page = chromium.current;
  await page.screenshot({path: path.join(outDir, 'stage1.png')});
  const picture = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const colours = new Set();
    let lit = 0;
    for (let i = 0; i < data.length; i += 4) {
      const rgb = data[i] << 16 | data[i + 1] << 8 | data[i + 2];
      colours.add(rgb);
      if (rgb !== 0) lit++;
    }
    return {colours: colours.size, lit: lit / (data.length / 4)};
  });
  expect(picture.colours > 64 && picture.lit > 0.05,
      `the canvas looks blank: ${picture.colours} colours, ${(picture.lit * 100).toFixed(1)} % lit`);
}

async function pausesAndGoesOn(chromium) {
  const page = chromium.current;
  await press(page, 'KeyP');
  const a = await counters(page);
  await sleep(500);
  const b = await counters(page);
  expect(b.frames === a.frames, `${b.frames - a.frames} frames ran while paused`);
  expect((await page.title()).endsWith('Paused'), `the title does not say Paused: ${await page.title()}`);
  await page.screenshot({path: path.join(outDir, 'paused.png')});
  await press(page, 'KeyP');
  await sleep(300);
  expect((await counters(page)).frames > b.frames + 5, 'the game did not go on after the second P');
}

// A standard-layout pad stands in for the Gamepad API's first one: its d-pad
// and A button are the game's input, its Start pauses and goes on.
async function playsByThePad(chromium) {
  const page = chromium.current;
  const pad = (held) => page.evaluate((buttons) => {
    const state = {id: 'test pad', index: 0, connected: true, mapping: 'standard', timestamp: performance.now(),
                   axes: [0, 0, 0, 0],
                   buttons: Array.from({length: 17}, (_, i) => ({pressed: buttons.includes(i), value: buttons.includes(i) ? 1 : 0}))};
    navigator.getGamepads = () => [state, null, null, null];
  }, held);
  const A = 0, START = 9, RIGHT_BUTTON = 15;
  await pad([A, RIGHT_BUTTON]);
  await sleep(200);
  const held = (await dump(page)).PadNow;
  expect(held === (RIGHT | SHOT), `the pad's A and d-pad right give the input word ${held}`);
  await pad([START]);
  await sleep(200);
  await pad([]);
  const a = await counters(page);
  await sleep(300);
  expect((await counters(page)).frames === a.frames, 'the pad\'s Start did not pause the game');
  await pad([START]);
  await sleep(200);
  await pad([]);
  await sleep(300);
  expect((await counters(page)).frames > a.frames + 5, 'the pad\'s Start did not let the game go on');
}

// The canvas's pixels against PNG files, both read by the browser.
async function canvasMatches(page, files) {
  return page.evaluate(async (pictures) => {
    const canvas = document.getElementById('canvas');
    const shown = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const results = {};
    for (const [name, base64] of Object.entries(pictures)) {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const image = await createImageBitmap(new Blob([bytes], {type: 'image/png'}),
          {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
      const spare = new OffscreenCanvas(image.width, image.height);
      const context = spare.getContext('2d');
      context.drawImage(image, 0, 0);
      const want = context.getImageData(0, 0, image.width, image.height).data;
      let differ = 0, first = -1;
      for (let i = 0; i < want.length; i += 4) {
        if (want[i] !== shown[i] || want[i + 1] !== shown[i + 1] || want[i + 2] !== shown[i + 2]) {
          if (first < 0) first = i / 4;
          differ++;
        }
      }
      results[name] = image.width === canvas.width && image.height === canvas.height ?
          {differ, first: first < 0 ? null : [first % canvas.width, Math.floor(first / canvas.width)]} :
          {differ: -1};
    }
    return results;
  }, Object.fromEntries(Object.entries(files).map(([k, f]) => [k, fs.readFileSync(f).toString('base64')])));
}

async function scriptedPageDrawsAsNative(chromium) {
  const script = fs.readFileSync(path.join(root, 'tests', 'e2e', 'busy_input.txt'), 'utf8');
  const text = scriptText(menus) + script;
  const frame = framesOf(menus) + 700;  // among the waves, with the barrier out
  const input = path.join(work, 'busy.txt');
  fs.writeFileSync(input, text);
  const shots = {};
  for (const [name, program] of [['native', native], ['node', nodeProgram]]) {
    shots[name] = path.join(work, `${name}.png`);
    runNative(program, ['--dir', freshGame(`picture-${name}`), '--frames', String(frame), '--input', input,
                        '--screenshot', `${frame}:${shots[name]}`]);
  }
  const page = await chromium.page(`?frames=${frame}&input=${encodeURIComponent(text)}`);
  await page.waitForFunction(() => window.ombrezza._ombrezza_done(), {timeout: 120000});
  const state = await page.evaluate(() => window.ombrezza._ombrezza_frames());
  expect(state === frame, `the scripted page ran ${state} frames, not ${frame}`);
  await page.screenshot({path: path.join(outDir, 'scripted.png')});
  for (const [name, r] of Object.entries(await canvasMatches(page, shots))) {
    expect(r.differ === 0, `frame ${frame} of the scripted page differs from the ${name} build's screenshot ` +
        `in ${r.differ} pixels, first at ${JSON.stringify(r.first)}`);
  }
}

// A stage-1 game in NORMAL, standing still until the ship is lost, then saved
// to slot 0 through the result screen.
function recordScript() {
  const still = [[30000, 0]];
  const dir = freshGame('probe');
  const probes = [];
  for (let n = 500; n < 30000; n += 100) probes.push('--dump', `${n}:${path.join(work, `p${n}.json`)}`);
  runNative(native, ['--no-draw', '--dir', dir, '--frames', '30000', '--input', writeScript('probe', [...menus, ...still]),
                     ...probes]);
  let last = 0;
  for (let n = 500; n < 30000 && !last; n += 100) {
    const d = JSON.parse(fs.readFileSync(path.join(work, `p${n}.json`)));
    if (d.GameState === 10 && d.GameOverTimer > 60) last = n;
  }
  expect(last > 0, 'the ship standing still was never lost');
  const lines = [...menus, [last - framesOf(menus), 0], ...pressWord(SHOT), ...pressWord(SHOT), ...pressWord(SHOT),
                 ...pressWord(DOWN), ...pressWord(DOWN), ...pressWord(DOWN), ...pressWord(DOWN),
                 ...pressWord(SHOT), ...pressWord(SHOT), [5, 0]];
  return lines;
}

function writeScript(name, lines) {
  const file = path.join(work, `${name}.txt`);
  fs.writeFileSync(file, scriptText(lines));
  return file;
}

async function pageReplayVerifiesNatively(chromium) {
  const lines = recordScript();
  const frames = framesOf(lines);
  const nativeDir = freshGame('recorded-native');
  runNative(native, ['--no-draw', '--dir', nativeDir, '--frames', String(frames), '--input', writeScript('record', lines)]);
  const page = await chromium.page(`?frames=${frames}&no-draw&input=${encodeURIComponent(scriptText(lines))}`);
  await page.waitForFunction(() => window.ombrezza._ombrezza_done(), {timeout: 120000});
  const saved = await page.evaluate(() => {
    const FS = window.ombrezza.FS;
    const files = {};
    for (const folder of ['/save', '/save/replay']) {
      for (const name of FS.readdir(folder)) {
        const file = folder + '/' + name;
        if (FS.isFile(FS.stat(file).mode)) files[file.slice(6)] = Array.from(FS.readFile(file));
      }
    }
    return files;
  });
  expect(saved['replay/Replay0_sys.rep'], `the page saved no replay in slot 0: ${Object.keys(saved)}`);
  const verifyDir = freshGame('verify');
  for (const [name, bytes] of Object.entries(saved)) {
    const mine = fs.readFileSync(path.join(nativeDir, name));
    expect(Buffer.compare(mine, Buffer.from(bytes)) === 0, `the page's ${name} differs from the native build's`);
    fs.writeFileSync(path.join(verifyDir, name), Buffer.from(bytes));
  }
  const nativeNames = [...fs.readdirSync(nativeDir).filter((n) => n.endsWith('.txt')),
                       ...fs.readdirSync(path.join(nativeDir, 'replay')).map((n) => `replay/${n}`)];
  expect(nativeNames.every((n) => n in saved), `the page lacks some of ${nativeNames}`);
  runNative(native, ['--dir', verifyDir, '--verify-replay', '0']);
}

async function filesSurviveAReload(chromium) {
  const page = await chromium.page();
  const before = (await dump(page)).BulletStyle;
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'KeyZ']) await press(page, key);  // OPTION
  expect((await dump(page)).GameState === 3, 'not on the options screen');
  for (let i = 0; i < 13 && (await dump(page)).MenuY !== 12; i++) await press(page, 'ArrowUp');  // to BULLET
  await press(page, before < 4 ? 'ArrowRight' : 'ArrowLeft');
  const chosen = (await dump(page)).BulletStyle;
  expect(chosen !== before, 'the bullet style did not change');
  await press(page, 'Escape');  // saves the options, back to the title
  await page.waitForFunction(() => window.ombrezza.playerFilesSettled(), {timeout: 10000});
  await page.reload();
  await chromium.running(page);
  const after = await dump(page);
  expect(after.BulletStyle === chosen, `after a reload the bullet style is ${after.BulletStyle}, not ${chosen}`);
  const line = await page.evaluate(() =>
    new TextDecoder().decode(window.ombrezza.FS.readFile('/save/option.txt')).split('\r\n')[10]);
  expect(Number(line) === chosen, `option.txt holds the bullet style ${line} after a reload`);
}

// The page's server answers a malformed or escaping address with an error and
// goes on serving: a stray request must not stop the server.
async function serverRefusesBadAddresses(chromium) {
  const ask = async (address, method = 'GET') => {
    const url = new URL(chromium.base);
    return new Promise((resolve, reject) => {
      http.request({host: url.hostname, port: url.port, path: address, method}, (response) => {
        response.resume();
        resolve(response.statusCode);
      }).on('error', reject).end();
    });
  };
  for (const [address, method, status] of [['/%E0%A4%A', 'GET', 400], ['/../../etc/passwd', 'GET', 404],
    ['/..%2f..%2fetc%2fpasswd', 'GET', 404], ['/', 'POST', 405], ['/', 'HEAD', 200], ['/', 'GET', 200]]) {
    const got = await ask(address, method);
    expect(got === status, `${method} ${address} answered ${got}, not ${status}`);
  }
}

const checks = [
  ['the page plays from the title through the weapon select into stage 1', playsIntoStageOne],
  ['it runs 50 ± 2 frames per second of the page\'s clock', pacesFiftyFramesASecond],
  ['its canvas shows stage 1', drawsStageOne],
  ['P pauses it and P lets it go on', pausesAndGoesOn],
  ['the first game pad plays it, and its Start pauses it', playsByThePad],
  ['a scripted page draws the picture of the native and node builds', scriptedPageDrawsAsNative],
  ['a game recorded in the page saves the native build\'s replay, which verifies', pageReplayVerifiesNatively],
  ['the player\'s files survive a reload', filesSurviveAReload],
  ['its server refuses bad addresses and goes on serving', serverRefusesBadAddresses],
];

async function main() {
  if (!outDir) {
    console.error('usage: page_test.js PAGE_DIR NATIVE_PROGRAM GAME_DIR NODE_PROGRAM OUT_DIR');
    return 2;
  }
  fs.mkdirSync(outDir, {recursive: true});
  let chromium;
  let failed = 0;
  try {
    chromium = await Chromium.open(pageDir);
    for (const [name, check] of checks) {
      try {
        await check(chromium);
        const problems = chromium.current ? chromium.current.problems.splice(0) : [];
        expect(problems.length === 0, `the page reported: ${problems.join(' | ')}`);
        console.log(`ok: ${name}`);
      } catch (e) {
        failed++;
        console.log(`FAILED: ${name}: ${e instanceof Failure ? e.message : e.stack}`);
      }
    }
  } catch (e) {
    if (e.skip) {
      console.log(`skipped: ${e.message}`);
      return 77;
    }
    throw e;
  } finally {
    if (chromium) await chromium.close();
    fs.rmSync(work, {recursive: true, force: true});
  }
  return failed === 0 ? 0 : 1;
}

main().then((code) => process.exit(code), (e) => {
  console.error(e);
  process.exit(1);
});
