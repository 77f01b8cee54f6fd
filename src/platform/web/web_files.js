// The browser edition's folders. The program writes with its own safe writer
// (a temporary file, renamed over the old one, then fsync of the folder) into
// a folder of Emscripten's in-memory file system; each such folder is a
// mount whose syncfs the folder's fsync reaches (fd_sync, under ASYNCIFY).
// There the written CFG.BIN / menu.dat leave the browser's memory:
// - into a folder the user picked (File System Access API): through a
//   writable stream, which replaces the file only when it is closed, then
//   read back; when that fails, the copy in memory is put back to what the
//   folder holds, so that the program's own read-back reports the failure;
// - from the folder inside the browser: as a download of the same name, and
//   into the origin's private file system, from which the next start of the
//   page reads them again (as the desktop program finds its files).
// The program's card lock (common/card_lock.cpp) takes a picked folder's
// Web Lock here and holds it for its whole write: one wait, however many
// flushes the write makes. The picked folder is remembered (IndexedDB) and
// mounted again on the next visit; there the browser may ask the user's
// leave once more, which it does only within a click: the one that opens a
// page, before the page reads the folder's files.
// What leaves is every file written since the last time, whatever its bytes:
// the safe writer's rename puts a new node at the file's path, so a Generate
// that gives the same bytes again still reaches a swapped card, a deleted
// file or a lost download.
var LibraryTrailcfgFiles = {
  $TCF__deps: ['$FS', '$MEMFS'],
  $TCF: {
    names: ['CFG.BIN', 'menu.dat'],
    // Per path: the node last written out (or read in) and its bytes.
    synced: {},
    // The names downloaded since the program last asked (take_downloads).
    downloaded: [],
    // The name of a remembered folder that could not be written, until a
    // message says so (take_refused).
    refused: '',
    // The remembered folder's mount options while the browser has yet to be
    // asked for it (settle_folder); set once a visit.
    awaiting: null,
    // The folder inside the browser's private file system that keeps what
    // is downloaded, for a picked folder that falls back to downloads.
    kept: null,
    // The picked folders' mount options, by mount point.
    picked: {},
    // The card locks held, by the number the program keeps.
    holds: {},
    lastHold: 0,
    type: null,
    node: function (path) {
      try { return FS.lookupPath(path).node; } catch (e) { return null; }
    },
    same: function (a, b) {
      if (!a || !b || a.length !== b.length) return false;
      for (var i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
      return true;
    },
    folderType: function () {
      if (TCF.type) return TCF.type;
      TCF.type = Object.assign({}, MEMFS);
      TCF.type.syncfs = function (mount, populate, done) {
        TCF.sync(mount).then(function () { done(null); }, function (e) {
          console.warn('trailcfg: writing to the folder failed: ' + e);
          done(29);  // EIO
        });
      };
      return TCF.type;
    },
    download: function (name, bytes) {
      var url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
      var link = document.createElement('a');
      link.href = url;
      link.download = name;
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(function () { URL.revokeObjectURL(url); }, 10000);
    },
    mountOf: function (path) {
      try { return FS.lookupPath(path).node.mount; } catch (e) { return null; }
    },
    // One writer at a time to a picked folder, across the browser's tabs and
    // windows (Web Locks; a folder handle has no path, so its name keys it).
    // Resolves with the function that lets it go, once held; with null when
    // another tab kept it for `waitMs` (none: only if it is free now). A
    // browser whose locks fail otherwise does not make the folder busy.
    hold: function (handle, waitMs) {
      return new Promise(function (answer) {
        var abort = new AbortController();
        var timer = waitMs > 0 ? setTimeout(function () { abort.abort(); }, waitMs) : null;
        var options = waitMs > 0 ? { signal: abort.signal } : { ifAvailable: true };
        var letGo;
        var held = new Promise(function (resolve) { letGo = resolve; });
        navigator.locks.request('trailcfg card ' + handle.name, options, function (lock) {
          clearTimeout(timer);
          if (!lock) {
            answer(null);
            return undefined;
          }
          answer(letGo);
          return held;
        }).catch(function (e) {
          clearTimeout(timer);
          answer(e && e.name === 'AbortError' ? null : function () {});
        });
      });
    },
    // A remembered folder the browser does not let the page write, or that
    // is gone: from now on its files are downloaded, as the folder inside
    // the browser's are, and the next visit starts there. `keep`: the
    // browser was never asked, so the next visit tries it again.
    refuse: function (opts, keep) {
      TCF.refused = opts.name;
      opts.handle = null;
      opts.pending = false;
      opts.kept = TCF.kept;
      if (!keep) TCF.forget();
    },
    // Whether the folder can still be listed: a folder deleted since (or a
    // card taken out) cannot.
    present: function (handle) {
      return handle.keys().next().then(function () { return true; }, function () { return false; });
    },
    // The remembered folder's store: one handle, under 'card'.
    store: function (mode, work) {
      return new Promise(function (done, fail) {
        var open = indexedDB.open('trailcfg', 1);
        open.onupgradeneeded = function () { open.result.createObjectStore('folders'); };
        open.onerror = function () { fail(open.error); };
        open.onsuccess = function () {
          var db = open.result;
          var tx = db.transaction('folders', mode);
          var request = work(tx.objectStore('folders'));
          tx.oncomplete = function () { db.close(); done(request.result); };
          tx.onerror = tx.onabort = function () { db.close(); fail(tx.error); };
        };
      });
    },
    // The folder picked on an earlier visit: a promise of its handle, or of
    // null when there is none (or no folder picker).
    lookUpRemembered: function () {
      if (typeof window.showDirectoryPicker !== 'function' || !window.indexedDB) return Promise.resolve(null);
      return TCF.store('readonly', function (s) { return s.get('card'); }).catch(function () { return null; });
    },
    remember: function (handle) {
      return TCF.store('readwrite', function (s) { return s.put(handle, 'card'); }).catch(function (e) {
        console.warn('trailcfg: the picked folder is not remembered for the next visit: ' + e);
      });
    },
    forget: function () {
      return TCF.store('readwrite', function (s) { return s.delete('card'); }).catch(function () {});
    },
    // Mounts `handle` as a picked folder and returns its mount point: the
    // folder's earlier mount when it was picked before, so that picking it
    // again names it as before.
    mountPicked: async function (handle, pending) {
      for (var at in TCF.picked) {
        var known = TCF.picked[at];
        if (await known.folder.isSameEntry(handle).catch(function () { return false; })) {
          known.folder = known.handle = handle;
          known.pending = pending;
          known.kept = null;
          return at;
        }
      }
      var base = '/picked/' + (handle.name || 'folder').replace(/[\/\0]/g, '_');
      var point = base;
      for (var n = 2; FS.analyzePath(point).exists; ++n) point = base + ' (' + n + ')';
      var opts = { handle: handle, folder: handle, name: handle.name, pending: pending };
      FS.mkdirTree(point);
      FS.mount(TCF.folderType(), opts, point);
      TCF.picked[point] = opts;
      return point;
    },
    sync: function (mount) {
      var handle = mount.opts.handle;
      var writing;
      if (mount.opts.held || !handle || !navigator.locks) {
        writing = TCF.write(mount);
      } else {
        // Written without the card lock: only while no other tab writes.
        writing = TCF.hold(handle, 0).then(function (letGo) {
          if (!letGo) throw new Error('another program is writing this card');
          return TCF.write(mount).finally(letGo);
        });
      }
      return writing.catch(function (e) {
        // Nothing reached the folder: the copies in memory go back to what
        // it holds, so that the program's read-back reports the failure.
        for (var i = 0; i < TCF.names.length; ++i) {
          var path = mount.mountpoint + '/' + TCF.names[i];
          var held = TCF.synced[path];
          try {
            if (held) {
              FS.writeFile(path, held.bytes);
              TCF.synced[path] = { node: TCF.node(path), bytes: held.bytes };
            } else {
              FS.unlink(path);
            }
          } catch (ignored) { /* not there */ }
        }
        throw e;
      });
    },
    write: async function (mount) {
      var root = mount.mountpoint;
      var handle = mount.opts.handle;
      for (var i = 0; i < TCF.names.length; ++i) {
        var name = TCF.names[i];
        var path = root + '/' + name;
        var bytes;
        try { bytes = FS.readFile(path); } catch (e) { continue; }
        var node = TCF.node(path);
        var before = TCF.synced[path];
        if (before && before.node === node) continue;
        if (!handle) {
          TCF.synced[path] = { node: node, bytes: bytes };
          TCF.download(name, bytes);
          if (TCF.downloaded.indexOf(name) < 0) TCF.downloaded.push(name);
          // The download is the user's copy; a browser that cannot keep one
          // only forgets it on the next start.
          if (mount.opts.kept) await TCF.keep(mount.opts.kept, name, bytes).catch(function (e) {
            console.warn('trailcfg: ' + name + ' is not kept for the next start: ' + e);
          });
          continue;
        }
        var created = false;
        try {
          var file;
          try {
            file = await handle.getFileHandle(name);
          } catch (e) {
            file = await handle.getFileHandle(name, { create: true });
            created = true;
          }
          var stream = await file.createWritable();
          await stream.write(bytes);
          await stream.close();
          var back = new Uint8Array(await (await file.getFile()).arrayBuffer());
          if (!TCF.same(back, bytes)) throw new Error(name + ' reads back differently');
          TCF.synced[path] = { node: node, bytes: bytes };
        } catch (e) {
          // No empty file of ours stays behind on the card.
          if (created) await handle.removeEntry(name).catch(function () {});
          if (before) {
            FS.writeFile(path, before.bytes);
            TCF.synced[path] = { node: TCF.node(path), bytes: before.bytes };
          } else {
            FS.unlink(path);
            delete TCF.synced[path];
          }
          throw e;
        }
      }
    },
    keep: async function (folder, name, bytes) {
      var file = await folder.getFileHandle(name, { create: true });
      var stream = await file.createWritable();
      await stream.write(bytes);
      await stream.close();
    },
    // The files the program reads, copied from the picked folder.
    populate: async function (handle, root) {
      for (var i = 0; i < TCF.names.length; ++i) {
        var name = TCF.names[i];
        try {
          var file = await handle.getFileHandle(name);
          var bytes = new Uint8Array(await (await file.getFile()).arrayBuffer());
          FS.writeFile(root + '/' + name, bytes);
          TCF.synced[root + '/' + name] = { node: TCF.node(root + '/' + name), bytes: bytes };
        } catch (e) { /* not there */ }
      }
    },
  },

  // The folder inside the browser, at `path`: Generate's files are offered
  // as downloads from there, and kept in the folder "in-browser" of the
  // origin's private file system, whose files it starts with.
  trailcfg_web_mount_browser_folder__deps: ['$TCF'],
  trailcfg_web_mount_browser_folder: function (path) {
    return Asyncify.handleAsync(async function () {
      var point = UTF8ToString(path);
      var kept = null;
      try {
        var root = await (Module.storageRoot || navigator.storage.getDirectory());
        kept = await root.getDirectoryHandle('in-browser', { create: true });
      } catch (e) {
        console.warn('trailcfg: nothing is kept between visits: ' + e);
      }
      TCF.kept = kept;
      FS.mkdirTree(point);
      FS.mount(TCF.folderType(), { handle: null, kept: kept }, point);
      if (kept) await TCF.populate(kept, point);
    });
  },

  // The names downloaded since the last call, joined by " / ", into
  // `buffer` (UTF-8, cut to `capacity`); forgets them.
  trailcfg_web_take_downloads__deps: ['$TCF'],
  trailcfg_web_take_downloads: function (buffer, capacity) {
    stringToUTF8(TCF.downloaded.join(' / '), buffer, capacity);
    TCF.downloaded = [];
  },

  // The folder dialog: 1 with the picked folder's path in `buffer`, -1 when
  // the user cancelled, 0 when the browser has no folder picker.
  trailcfg_web_pick_folder__deps: ['$TCF'],
  trailcfg_web_pick_folder: function (buffer, capacity) {
    return Asyncify.handleAsync(async function () {
      if (typeof window.showDirectoryPicker !== 'function') return 0;
      var handle;
      try {
        handle = await window.showDirectoryPicker({ mode: 'readwrite' });
      } catch (e) {
        return -1;
      }
      var point = await TCF.mountPicked(handle, false);
      // The folder picked now is the one the pages read: none is left to ask for.
      TCF.awaiting = null;
      TCF.remember(handle);
      await TCF.populate(handle, point);
      stringToUTF8(point, buffer, capacity);
      return 1;
    });
  },

  // The folder picked on an earlier visit, mounted again: 1 with its path
  // in `buffer`, 0 when there is none (or none to be had: its files are
  // then downloaded, and the next message says so). Its files are read now
  // when the browser still lets the page use it; otherwise settle_folder
  // asks, before a page reads them.
  trailcfg_web_restore_folder__deps: ['$TCF'],
  trailcfg_web_restore_folder: function (buffer, capacity) {
    // Without a folder picker nothing was picked: the program goes on at once.
    // Decided once, as in take_card: ASYNCIFY calls this again when it
    // resumes, and a picker a script takes away meanwhile must not turn that
    // call into one that never resumes the program.
    if (TCF.canRestore === undefined) TCF.canRestore = typeof window.showDirectoryPicker === 'function' && !!window.indexedDB;
    if (!TCF.canRestore) return 0;
    return Asyncify.handleAsync(async function () {
      var handle = await TCF.lookUpRemembered();
      if (!handle) return 0;
      var state = await handle.queryPermission({ mode: 'readwrite' }).catch(function () { return 'denied'; });
      if (state === 'granted' && !(await TCF.present(handle))) state = 'gone';
      if (state !== 'granted' && state !== 'prompt') {
        TCF.refuse({ name: handle.name });
        return 0;
      }
      var point = await TCF.mountPicked(handle, state === 'prompt');
      if (state === 'granted') await TCF.populate(handle, point);
      else TCF.awaiting = TCF.picked[point];
      stringToUTF8(point, buffer, capacity);
      return 1;
    });
  },

  // Before a page opens, and may read the card: the remembered folder the
  // browser has yet to let the page use is asked for, within the click that
  // opens the page. 1 when it may be used (its files are read now) or there
  // is none to ask for; 0 when the browser refused it, could not ask, or the
  // folder is gone: the program then reads and writes the folder inside the
  // browser, and the page says why (take_refused).
  trailcfg_web_settle_folder__deps: ['$TCF'],
  trailcfg_web_settle_folder: function () {
    // Decided by what stays as it is, as in take_card: the answer changes
    // `pending`, never `awaiting`, until the program is back.
    var opts = TCF.awaiting;
    if (!opts) return 1;
    return Asyncify.handleAsync(async function () {
      if (!opts.pending) return 1;
      // The start page at the start of a visit opens with no click and
      // reads nothing; the page the user's first click opens asks.
      if (navigator.userActivation && !navigator.userActivation.isActive) return 1;
      // Without the user's click the browser refuses to ask: not the user's no.
      var asked = true;
      var state = await opts.handle.requestPermission({ mode: 'readwrite' }).catch(function () {
        asked = false;
        return 'denied';
      });
      if (state === 'granted' && !(await TCF.present(opts.handle))) state = 'gone';
      if (state !== 'granted') {
        TCF.refuse(opts, !asked);
        return 0;
      }
      var point = null;
      for (var at in TCF.picked) if (TCF.picked[at] === opts) point = at;
      await TCF.populate(opts.handle, point);
      opts.pending = false;
      return 1;
    });
  },

  // The name of a remembered folder found unwritable since the last call,
  // UTF-8 into `buffer`; "" when none. Forgets it.
  trailcfg_web_take_refused__deps: ['$TCF'],
  trailcfg_web_take_refused: function (buffer, capacity) {
    stringToUTF8(TCF.refused, buffer, capacity);
    TCF.refused = '';
  },

  // The program's card lock of `folder` (common/card_lock.cpp): above 0, the
  // number of the lock now held; 0 when another tab kept the folder for
  // `waitMs`; -1 when there is nothing to lock (not a picked folder). A
  // remembered folder the browser has not let the page use yet was never
  // read: it is not written either, its files are downloaded.
  trailcfg_web_take_card__deps: ['$TCF'],
  trailcfg_web_take_card: function (folder, waitMs) {
    var mount = TCF.mountOf(UTF8ToString(folder));
    // Decided by what stays as it is: ASYNCIFY calls this again when it
    // resumes, and a picked folder must wait here then too.
    if (!mount || !mount.opts.folder) return -1;
    return Asyncify.handleAsync(async function () {
      var opts = mount.opts;
      if (!opts.handle) return -1;
      if (opts.pending) {
        TCF.refuse(opts, true);
        return -1;
      }
      if (!navigator.locks) return -1;
      var letGo = await TCF.hold(opts.handle, waitMs);
      if (!letGo) return 0;
      TCF.holds[++TCF.lastHold] = { opts: opts, letGo: letGo };
      opts.held = true;
      return TCF.lastHold;
    });
  },

  trailcfg_web_let_card_go__deps: ['$TCF'],
  trailcfg_web_let_card_go: function (number) {
    var hold = TCF.holds[number];
    if (!hold) return;
    delete TCF.holds[number];
    hold.opts.held = false;
    hold.letGo();
  },
};

autoAddDeps(LibraryTrailcfgFiles, '$TCF');
mergeInto(LibraryManager.library, LibraryTrailcfgFiles);
