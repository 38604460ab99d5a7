// The page's sound: the game's sound channels on Web Audio, and its tunes
// through FluidSynth (js-synthesizer, in an audio worklet) with the same
// General MIDI soundfont as the desktop. The browser keeps audio shut until
// the player first presses a key or clicks, so until then the channels stay
// silent and a tune only remembers that it should be playing.
//
// Loaded into the game's module (--pre-js); the platform's EM_JS calls reach
// it as OmbrezzaAudio.
var OmbrezzaAudio = {
  context: null,
  channels: [],   // per channel of the game's: {buffer, source}
  paused: false,

  // The synthesiser's files, beside the page.
  synthScript: 'libfluidsynth.js',
  workletScript: 'js-synthesizer.worklet.min.js',
  soundFont: 'TimGM6mb.sf2',
  // FluidSynth's own default gain is 0.2; the desktop's mixer sets 1.2 for
  // music at full volume, and so does the page.
  musicGain: 1.2,

  synth: null,
  tunes: new Map(),  // path -> bytes of the MIDI file
  current: null,     // the open tune's path
  wanted: false,     // the game has asked for the open tune to play
  starting: false,   // asked of the synthesiser and not yet confirmed
  generation: 0,     // which start a late answer belongs to

  report(text) {
    console.warn('ombrezza: ' + text);
  },

  open(channelCount) {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context) {
      this.report('no sound: this browser has no Web Audio');
      return;
    }
    try {
      this.context = new Context();
    } catch (e) {
      this.report('no sound: ' + e);
      return;
    }
    for (let i = 0; i < channelCount; i++) this.channels.push({buffer: null, source: null});
    const unlock = () => {
      if (this.context.state === 'suspended' && !this.paused) this.context.resume();
    };
    for (const type of ['keydown', 'pointerdown', 'touchend']) {
      globalThis.addEventListener(type, unlock, {capture: true});
    }
    this.startSynth().catch((e) => this.report('no music: ' + e));
  },

  async startSynth() {
    const JSSynth = globalThis.JSSynth;
    if (!JSSynth || !this.context.audioWorklet) throw new Error('no MIDI synthesiser in this page');
    const font = fetch(this.soundFont).then((r) => {
      if (!r.ok) throw new Error(this.soundFont + ': ' + r.status);
      return r.arrayBuffer();
    });
    await this.context.audioWorklet.addModule(this.synthScript);
    await this.context.audioWorklet.addModule(this.workletScript);
    const synth = new JSSynth.AudioWorkletNodeSynthesizer();
    synth.init(this.context.sampleRate);
    synth.createAudioNode(this.context).connect(this.context.destination);
    await synth.loadSFont(await font);
    synth.setGain(this.musicGain);
    this.synth = synth;
    if (this.wanted) this.startTune();
  },

  // PCM as the wave file holds it: 8-bit unsigned, 16- or 32-bit signed.
  setWave(channel, channels, rate, bits, bytes) {
    if (!this.context) return;
    const frameBytes = channels * bits / 8;
    const frames = Math.floor(bytes.length / frameBytes);
    if (frames === 0) return this.clear(channel);
    let buffer;
    try {
      buffer = this.context.createBuffer(channels, frames, rate);
    } catch (e) {
      this.report(`a wave of ${channels} channels at ${rate} Hz cannot be played`);
      return this.clear(channel);
    }
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    for (let c = 0; c < channels; c++) {
      const out = buffer.getChannelData(c);
      for (let f = 0; f < frames; f++) {
        const at = f * frameBytes + c * bits / 8;
        out[f] = bits === 8 ? (view.getUint8(at) - 128) / 128
               : bits === 16 ? view.getInt16(at, true) / 32768
               : view.getInt32(at, true) / 2147483648;
      }
    }
    this.stop(channel);
    this.channels[channel].buffer = buffer;
  },

  clear(channel) {
    if (!this.context) return;
    this.stop(channel);
    this.channels[channel].buffer = null;
  },

  play(channel) {
    const ch = this.channels[channel];
    if (!ch || !ch.buffer || this.context.state !== 'running') return;
    this.stop(channel);
    const source = this.context.createBufferSource();
    source.buffer = ch.buffer;
    source.connect(this.context.destination);
    source.onended = () => {
      if (ch.source === source) ch.source = null;
    };
    source.start();
    ch.source = source;
  },

  stop(channel) {
    const ch = this.channels[channel];
    if (!ch || !ch.source) return;
    try {
      ch.source.stop();
    } catch (e) {
      // never started
    }
    ch.source = null;
  },

  // As on the desktop: the sounds stop for good, the tune holds its place.
  pause(on) {
    if (!this.context) return;
    this.paused = on;
    if (on) {
      for (let i = 0; i < this.channels.length; i++) this.stop(i);
      this.context.suspend();
    } else {
      this.context.resume();
    }
  },

  preload(path, bytes) {
    this.tunes.set(path, bytes.slice());
  },

  // Whether the tune is known: preloaded, or given now.
  musicOpen(path, bytes) {
    this.musicClose();
    if (!this.tunes.has(path) && bytes) this.tunes.set(path, bytes.slice());
    if (!this.tunes.has(path)) return false;
    this.current = path;
    return true;
  },

  // Once from the start; the game restarts a tune that has ended.
  musicPlay() {
    if (this.current === null) return;
    this.wanted = true;
    if (this.synth) this.startTune();
  },

  startTune() {
    const synth = this.synth;
    const generation = ++this.generation;
    this.starting = true;
    synth.resetPlayer();
    synth.addSMFDataToPlayer(this.tunes.get(this.current).slice().buffer);
    synth.playPlayer().then(() => {
      if (generation === this.generation) this.starting = false;
    }, (e) => {
      this.report('cannot play ' + this.current + ': ' + e);
      if (generation === this.generation) this.wanted = this.starting = false;
    });
  },

  // Until the synthesiser is there (no key pressed yet, or the soundfont
  // still loading) a tune asked for counts as playing, so that the game
  // does not restart it in vain.
  musicPlaying() {
    if (!this.wanted) return false;
    if (!this.synth || this.starting) return true;
    return this.synth.isPlayerPlaying();
  },

  musicSeekStart() {
    if (this.synth && this.musicPlaying()) this.synth.seekPlayer(0);
  },

  musicStop() {
    this.wanted = this.starting = false;
    ++this.generation;
    if (this.synth) this.synth.stopPlayer();
  },

  musicClose() {
    this.musicStop();
    this.current = null;
  },
};

// For the page's checks: whether the synthesiser runs and plays a tune.
Module['audio'] = OmbrezzaAudio;
