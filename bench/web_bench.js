#!/usr/bin/env node
// The browser build's figures:
//  - headless frames per second of the node build against the native one over
//    the same run of whole stages (all four in THEATER, the shot held, drawn
//    and not drawn), as a ratio;
//  - the page in headless Chromium at 50 frames per second in stage 1: the
//    page's own work per frame, the share of a core its main thread is busy,
//    and the share all of the browser's processes take;
//  - what a player downloads, raw and compressed.
//
// usage: web_bench.js NATIVE_PROGRAM GAME_DIR WEB_BUILD_DIR
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {spawnSync} = require('child_process');
const browser = require('../tests/web/browser.js');
const {Chromium, dump, press, sleep, counters} = browser;

const [native, gameDir, webDir] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'ombrezza_bench_'));

const freshGame = (name) => browser.freshGame(work, gameDir, name);

function timed(program, args) {
  const start = process.hrtime.bigint();
  const run = spawnSync(program, ['--headless', ...args], {encoding: 'utf8'});
  if (run.status !== 0) throw new Error(`${program}: ${run.stderr}`);
  return Number(process.hrtime.bigint() - start) / 1e9;
}

// A whole game in THEATER with the shot held, every stage from its start to
// its end: from --play 1 to the end of the game after "ALL CLEAR!".
function wholeGameFrames() {
  const input = path.join(work, 'shot.txt');
  fs.writeFileSync(input, '60000 16\n');
  const dumps = [];
  for (let n = 500; n <= 60000; n += 500) dumps.push('--dump', `${n}:${path.join(work, `s${n}.json`)}`);
  timed(native, ['--no-draw', '--dir', freshGame('probe'), '--play', '1', '--mode', '3', '--input', input,
                 '--frames', '60000', ...dumps]);
  for (let n = 500; n <= 60000; n += 500) {
    const state = JSON.parse(fs.readFileSync(path.join(work, `s${n}.json`)));
    if (state.AllClear && state.GameOverTimer > 60) return {frames: n, input};
  }
  throw new Error('the game did not end');
}

// The best of three runs, against the machine's own noise.
function best(program, name, args) {
  let t = Infinity;
  for (let i = 0; i < 3; i++) t = Math.min(t, timed(program, ['--dir', freshGame(`${name}${i}`), ...args]));
  return t;
}

function speed() {
  const {frames, input} = wholeGameFrames();
  const node = path.join(webDir, 'node', 'ombrezza');
  console.log(`Stages 1 to 4 to the end of the game, THEATER, the shot held: ${frames} frames, ` +
              'each run from a fresh game directory, the best of three');
  const nativeStart = best(native, 'ns', ['--frames', '1']);
  const nodeStart = best(node, 'ws', ['--frames', '1']);
  console.log(`  start-up and one frame: native ${nativeStart.toFixed(2)} s, node ${nodeStart.toFixed(2)} s`);
  for (const draw of [true, false]) {
    const args = [...(draw ? [] : ['--no-draw']), '--play', '1', '--mode', '3', '--input', input, '--frames', String(frames)];
    const a = best(native, `n${draw}`, args);
    const b = best(node, `w${draw}`, args);
    const fps = (t, start) => (frames / (t - start)).toFixed(0);
    console.log(`  ${draw ? 'drawn    ' : 'not drawn'}: native ${fps(a, nativeStart)} frames/s, node ${fps(b, nodeStart)} ` +
                `frames/s after start-up: node/native ${((a - nativeStart) / (b - nodeStart)).toFixed(2)} ` +
                `(whole runs ${a.toFixed(2)} s and ${b.toFixed(2)} s: ${(a / b).toFixed(2)})`);
  }
}

// CPU seconds of a process and all its descendants, from /proc.
function cpuSeconds(pid) {
  const tick = 100;  // USER_HZ on Linux
  const processes = new Map();  // pid -> {parent, cpu}
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      processes.set(Number(entry), {parent: Number(fields[1]), cpu: (Number(fields[11]) + Number(fields[12])) / tick});
    } catch (e) {
      // gone meanwhile
    }
  }
  if (!processes.has(pid)) return NaN;
  const total = (p) => {
    let cpu = processes.get(p).cpu;
    for (const [child, {parent}] of processes) {
      if (parent === p) cpu += total(child);
    }
    return cpu;
  };
  return total(pid);
}

async function page() {
  const chromium = await Chromium.open(path.join(webDir, 'page'));
  try {
    const p = await chromium.page();
    await press(p, 'KeyZ');
    await press(p, 'KeyZ');
    await p.keyboard.down('KeyZ');
    await sleep(2000);
    const state = await dump(p);
    const seconds = 10;
    const pid = chromium.browser.process().pid;
    const m0 = await p.metrics();
    const c0 = await counters(p);
    const cpu0 = cpuSeconds(pid);
    await sleep(seconds * 1000);
    const c1 = await counters(p);
    const m1 = await p.metrics();
    const cpu1 = cpuSeconds(pid);
    const elapsed = (c1.at - c0.at) / 1000;
    const frames = c1.frames - c0.frames;
    console.log(`The page in headless Chromium, stage 1 (frame ${state.StageFrame} on), the shot held, ${seconds} s:`);
    console.log(`  ${(frames / elapsed).toFixed(2)} frames per second; the page's work ${((c1.busy - c0.busy) / frames).toFixed(2)} ms ` +
                'per frame (the frames, and the picture put on the canvas)');
    console.log(`  its main thread busy ${((m1.TaskDuration - m0.TaskDuration) / elapsed * 100).toFixed(1)} % of a core ` +
                `(script ${((m1.ScriptDuration - m0.ScriptDuration) / elapsed * 100).toFixed(1)} %); ` +
                `all the browser's processes ${((cpu1 - cpu0) / elapsed * 100).toFixed(1)} % of a core`);
  } finally {
    await chromium.close();
  }
}

function download() {
  const dir = path.join(webDir, 'page');
  let raw = 0, gzip = 0, brotli = 0;
  console.log('What a player downloads (bytes: raw, gzip -9, brotli):');
  for (const name of fs.readdirSync(dir).sort()) {
    const bytes = fs.readFileSync(path.join(dir, name));
    const g = zlib.gzipSync(bytes, {level: 9}).length;
    const b = zlib.brotliCompressSync(bytes, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
    raw += bytes.length;
    gzip += g;
    brotli += b;
    console.log(`  ${name.padEnd(32)} ${String(bytes.length).padStart(9)} ${String(g).padStart(9)} ${String(b).padStart(9)}`);
  }
  console.log(`  ${'all'.padEnd(32)} ${String(raw).padStart(9)} ${String(gzip).padStart(9)} ${String(brotli).padStart(9)}`);
}

(async () => {
  if (!webDir) {
    console.error('usage: web_bench.js NATIVE_PROGRAM GAME_DIR WEB_BUILD_DIR');
    process.exit(2);
  }
  try {
    speed();
    await page();
    download();
  } finally {
    fs.rmSync(work, {recursive: true, force: true});
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
