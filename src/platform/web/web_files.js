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
    // One writer at a time to a picked folder, across the browser's tabs and
    // windows (Web Locks; a folder handle has no path, so its name keys it).
    // A folder kept longer than any write takes fails the write, as the
    // desktop program's card lock does.
    exclusive: function (handle, write) {
      if (!handle || !navigator.locks) return write();
      var abort = new AbortController();
      var timer = setTimeout(function () { abort.abort(); }, 5000);
      return navigator.locks.request('trailcfg card ' + handle.name, { signal: abort.signal }, function () {
        clearTimeout(timer);
        return write();
      }).catch(function (e) {
        if (e && e.name === 'AbortError') throw new Error('another program is writing this card; try again');
        throw e;
      });
    },
    sync: function (mount) {
      return TCF.exclusive(mount.opts.handle, function () { return TCF.write(mount); }).catch(function (e) {
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
      var base = '/picked/' + (handle.name || 'folder').replace(/[\/\0]/g, '_');
      var point = base;
      for (var n = 2; FS.analyzePath(point).exists; ++n) point = base + ' (' + n + ')';
      FS.mkdirTree(point);
      FS.mount(TCF.folderType(), { handle: handle }, point);
      await TCF.populate(handle, point);
      stringToUTF8(point, buffer, capacity);
      return 1;
    });
  },
};

autoAddDeps(LibraryTrailcfgFiles, '$TCF');
mergeInto(LibraryManager.library, LibraryTrailcfgFiles);
