// The player's files in the page: option.txt, ranking.txt and replay/ live in
// the browser's IndexedDB, mounted at /save before the game starts. Every
// save of the game ends in a rename or a removal, and each of those has the
// folder written back to IndexedDB once the page's turn is over, so that a
// reload or a closed tab loses nothing. A scripted page (--headless) plays
// from a fresh folder in memory instead and keeps nothing.
//
// Loaded into the game's module (--pre-js).
var OmbrezzaFiles = {
  folder: '/save',
  syncing: false,
  again: false,      // another save came while a sync ran
  scheduled: false,  // a sync waits for the end of the turn
  lasting: true,     // false when IndexedDB is not to be had

  setUp() {
    const scripted = (Module['arguments'] || []).includes('--headless');
    FS.mkdir(this.folder);
    if (scripted) {
      this.lasting = false;
      return;
    }
    FS.mount(IDBFS, {}, this.folder);
    addRunDependency('player-files');
    FS.syncfs(true, (error) => {
      if (error) this.lost('cannot read the saved files: ' + error);
      removeRunDependency('player-files');
    });
    // The game names its files relative to the folder it works in.
    for (const name of ['rename', 'unlink']) {
      const original = FS[name];
      FS[name] = (path, ...rest) => {
        const result = original(path, ...rest);
        const full = String(path).startsWith('/') ? String(path) : FS.cwd() + '/' + path;
        if (full.startsWith(this.folder + '/')) this.schedule();
        return result;
      };
    }
    const leave = () => this.schedule(true);
    globalThis.addEventListener('pagehide', leave);
    globalThis.document.addEventListener('visibilitychange', () => {
      if (globalThis.document.visibilityState === 'hidden') leave();
    });
  },

  lost(text) {
    this.lasting = false;
    console.warn('ombrezza: ' + text + '; this visit\'s files will not be kept');
    if (Module['setStatus']) Module['setStatus']('Your options, rankings and replays will not be kept: ' + text);
  },

  schedule(now) {
    if (!this.lasting) return;
    if (this.syncing) {
      this.again = true;
    } else if (now) {
      this.sync();
    } else if (!this.scheduled) {
      this.scheduled = true;
      setTimeout(() => {
        this.scheduled = false;
        if (!this.syncing) this.sync();
      }, 0);
    }
  },

  sync() {
    this.syncing = true;
    FS.syncfs(false, (error) => {
      this.syncing = false;
      if (error) this.lost('cannot save: ' + error);
      if (this.again) {
        this.again = false;
        this.sync();
      }
    });
  },

  // Whether everything saved so far is in IndexedDB.
  settled() {
    return !this.syncing && !this.scheduled && !this.again;
  },
};

Module['preRun'] = [].concat(Module['preRun'] || [], [() => OmbrezzaFiles.setUp()]);
Module['playerFilesSettled'] = () => OmbrezzaFiles.settled();
