// The browser edition's folders. The program writes with its own safe writer
// (a temporary file, renamed over the old one, then fsync of the folder) into
// a folder of Emscripten's in-memory file system; each such folder is a
// mount whose syncfs the folder's fsync reaches (fd_sync, under ASYNCIFY).
// There the written CFG.BIN / menu.dat leave the browser's memory:
// - into a folder the user picked (File System Access API): through a
//   writable stream, which replaces the file only when it is closed, then
//   read back; when that fails, the copy in memory is put back to what the
//   folder holds, so that the program's own read-back reports the failure;
// - from the folder inside the browser: as a download of the same name.
var LibraryTrailcfgFiles = {
  $TCF__deps: ['$FS', '$MEMFS'],
  $TCF: {
    names: ['CFG.BIN', 'menu.dat'],
    synced: {},
    type: null,
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
          try { if (held) FS.writeFile(path, held); else FS.unlink(path); } catch (ignored) { /* not there */ }
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
        var before = TCF.synced[path];
        if (TCF.same(before, bytes)) continue;
        if (!handle) {
          TCF.synced[path] = bytes;
          TCF.download(name, bytes);
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
          TCF.synced[path] = bytes;
        } catch (e) {
          // No empty file of ours stays behind on the card.
          if (created) await handle.removeEntry(name).catch(function () {});
          if (before) FS.writeFile(path, before); else FS.unlink(path);
          throw e;
        }
      }
    },
    // The files the program reads, copied from the picked folder.
    populate: async function (handle, root) {
      for (var i = 0; i < TCF.names.length; ++i) {
        var name = TCF.names[i];
        try {
          var file = await handle.getFileHandle(name);
          var bytes = new Uint8Array(await (await file.getFile()).arrayBuffer());
          FS.writeFile(root + '/' + name, bytes);
          TCF.synced[root + '/' + name] = bytes;
        } catch (e) { /* not there */ }
      }
    },
  },

  // The folder inside the browser, at `path`: Generate's files are offered
  // as downloads from there.
  trailcfg_web_mount_browser_folder__deps: ['$TCF'],
  trailcfg_web_mount_browser_folder: function (path) {
    var point = UTF8ToString(path);
    FS.mkdirTree(point);
    FS.mount(TCF.folderType(), { handle: null }, point);
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
