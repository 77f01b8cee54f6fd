// The web backend's widgets: HTML controls on the page, made and changed for
// the C++ side (web_dom.h), and the user's events queued for it. The C++ side
// takes the queued events from its own loop, so a handler that waits (a
// message box, the folder picker) waits on the wasm stack through ASYNCIFY
// and never inside a DOM event.
var LibraryTrailcfgDom = {
  $TC: {
    pages: {},
    nextPage: 1,
    queue: [],
    quietBlur: false,
    boxOpen: false,
    kinds: ['group', 'label', 'edit', 'droplist', 'dropcombo', 'check', 'button', 'default'],
    str: function (ptr, len) { return UTF16ToString(ptr, len * 2); },
    screen: function () {
      var s = document.getElementById('tc-screen');
      if (!s) { s = document.createElement('div'); s.id = 'tc-screen'; document.body.appendChild(s); }
      return s;
    },
    control: function (page, id) { var p = TC.pages[page]; return p ? p.controls[id] : undefined; },
    push: function (page, type, id) { if (!TC.boxOpen) TC.queue.push([page, type, id]); },
  },

  trailcfg_web_font_metrics__deps: ['$TC'],
  trailcfg_web_font_metrics: function (out) {
    // The dialog font's stand-in: the page's CSS font, measured as Windows
    // measures a dialog font (the alphabet's width; the ascent and descent,
    // each rounded, make the height). Engines round a canvas font's ascent
    // their own way (Firefox up, Chromium and WebKit to the nearest), a
    // whole pixel at dialog size, so the font is measured at a hundred
    // times its size and scaled back: every engine then gets one page size.
    var SCALE = 100;
    var probe = document.createElement('div');
    probe.className = 'tc-window';
    probe.style.position = 'absolute';
    probe.style.visibility = 'hidden';
    var ctx = document.createElement('canvas').getContext('2d');
    TC.screen().appendChild(probe);
    var style = getComputedStyle(probe);
    var size = parseFloat(style.fontSize);
    ctx.font = size * SCALE + 'px ' + style.fontFamily;
    var m = ctx.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    var height = Math.round((m.fontBoundingBoxAscent || 0) / SCALE) +
                 Math.round((m.fontBoundingBoxDescent || 0) / SCALE);
    if (!(height > 0)) height = Math.round(size * 1.2);
    probe.remove();
    HEAP32[out >> 2] = Math.round(m.width / SCALE);
    HEAP32[(out >> 2) + 1] = height;
  },

  trailcfg_web_page_open__deps: ['$TC'],
  trailcfg_web_page_open: function (templateId, title, titleLen, width, height) {
    var page = TC.nextPage++;
    var win = document.createElement('div');
    win.className = 'tc-window';
    win.dataset.template = templateId;
    var bar = document.createElement('div');
    bar.className = 'tc-titlebar';
    var caption = document.createElement('span');
    caption.className = 'tc-title';
    var close = document.createElement('button');
    close.className = 'tc-close';
    close.textContent = '\u00d7';
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', function () { TC.push(page, 7, 0); });
    bar.appendChild(caption);
    bar.appendChild(close);
    var client = document.createElement('div');
    client.className = 'tc-client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    win.appendChild(bar);
    win.appendChild(client);
    win.addEventListener('keydown', function (e) {
      if (e.key === 'Enter' && !(e.target && e.target.tagName === 'BUTTON')) { e.preventDefault(); TC.push(page, 5, 0); }
      else if (e.key === 'Escape') { e.preventDefault(); TC.push(page, 6, 0); }
    });
    // Only the newest page is shown, as each page is modal over the last.
    for (var other in TC.pages) TC.pages[other].win.style.display = 'none';
    TC.screen().appendChild(win);
    TC.pages[page] = { win: win, client: client, caption: caption, close: close, controls: {} };
    caption.textContent = TC.str(title, titleLen);
    document.title = caption.textContent;
    return page;
  },

  trailcfg_web_page_close__deps: ['$TC'],
  trailcfg_web_page_close: function (page) {
    var p = TC.pages[page];
    if (!p) return;
    TC.quietBlur = true;
    p.win.remove();
    TC.quietBlur = false;
    delete TC.pages[page];
    TC.queue = TC.queue.filter(function (e) { return e[0] !== page; });
    var last = 0;
    for (var other in TC.pages) last = Math.max(last, +other);
    if (last) TC.pages[last].win.style.display = '';
  },

  trailcfg_web_page_title__deps: ['$TC'],
  trailcfg_web_page_title: function (page, text, len) {
    var p = TC.pages[page];
    if (!p) return;
    p.caption.textContent = TC.str(text, len);
    document.title = p.caption.textContent;
  },

  trailcfg_web_add_bitmap__deps: ['$TC'],
  trailcfg_web_add_bitmap: function (page, bitmap, x, y, width, height) {
    var p = TC.pages[page];
    var block = document.createElement('div');
    block.className = 'tc-bitmap';
    block.setAttribute('data-bitmap', bitmap);
    block.style.left = x + 'px';
    block.style.top = y + 'px';
    block.style.width = width + 'px';
    block.style.height = height + 'px';
    p.client.appendChild(block);
  },

  trailcfg_web_add__deps: ['$TC'],
  trailcfg_web_add: function (page, id, kind, x, y, width, height, centered, text, len) {
    var p = TC.pages[page];
    var k = TC.kinds[kind];
    var t = TC.str(text, len);
    var box, input, caption;
    if (k === 'edit') {
      box = input = document.createElement('input');
      input.type = 'text';
      input.spellcheck = false;
      input.autocomplete = 'off';
      input.value = t;
      input.addEventListener('input', function () { TC.push(page, 1, id); });
      input.addEventListener('blur', function () { if (!TC.quietBlur) TC.push(page, 2, id); });
    } else if (k === 'droplist' || k === 'dropcombo') {
      box = input = document.createElement('select');
      input.addEventListener('change', function () { TC.push(page, 3, id); });
    } else if (k === 'check') {
      box = document.createElement('label');
      input = document.createElement('input');
      input.type = 'checkbox';
      caption = document.createElement('span');
      caption.textContent = t;
      box.appendChild(input);
      box.appendChild(caption);
      input.addEventListener('click', function () { TC.push(page, 4, id); });
    } else if (k === 'button' || k === 'default') {
      box = input = caption = document.createElement('button');
      input.type = 'button';
      caption.textContent = t;
      input.addEventListener('click', function () { TC.push(page, 4, id); });
    } else if (k === 'group') {
      box = document.createElement('div');
      caption = document.createElement('span');
      caption.className = 'tc-caption';
      caption.textContent = t;
      if (t === '') caption.style.display = 'none';
      box.appendChild(caption);
    } else {
      box = caption = document.createElement('div');
      caption.textContent = t;
    }
    box.classList.add('tc-' + k);
    if (centered) box.classList.add('tc-center');
    box.id = 'c' + id;
    box.dataset.id = id;
    box.style.left = x + 'px';
    box.style.top = y + 'px';
    box.style.width = width + 'px';
    box.style.height = height + 'px';
    p.client.appendChild(box);
    p.controls[id] = { kind: k, box: box, input: input, caption: caption };
  },

  trailcfg_web_set_text__deps: ['$TC'],
  trailcfg_web_set_text: function (page, id, text, len) {
    var c = TC.control(page, id);
    if (!c) return;
    var t = TC.str(text, len);
    if (c.kind === 'edit') {
      c.input.value = t;
      c.input.setSelectionRange(0, 0);
    } else if (c.caption) {
      c.caption.textContent = t;
      if (c.kind === 'group') c.caption.style.display = t === '' ? 'none' : '';
    }
  },

  trailcfg_web_name__deps: ['$TC'],
  trailcfg_web_name: function (page, id, text, len) {
    var c = TC.control(page, id);
    if (c && c.input) c.input.setAttribute('aria-label', TC.str(text, len));
  },

  // The edit's text as the user left it: its length in UTF-16 units, copied
  // into `buffer` when it fits `capacity` units; the caret in `caret`.
  trailcfg_web_edit_value__deps: ['$TC'],
  trailcfg_web_edit_value: function (page, id, buffer, capacity, caret) {
    var c = TC.control(page, id);
    var v = c && c.kind === 'edit' ? c.input.value : '';
    if (v.length <= capacity) for (var i = 0; i < v.length; ++i) HEAPU16[(buffer >> 1) + i] = v.charCodeAt(i);
    var at = c && c.kind === 'edit' && c.input.selectionStart !== null ? c.input.selectionStart : v.length;
    HEAP32[caret >> 2] = at;
    return v.length;
  },

  trailcfg_web_set_caret__deps: ['$TC'],
  trailcfg_web_set_caret: function (page, id, index) {
    var c = TC.control(page, id);
    if (c && c.kind === 'edit') c.input.setSelectionRange(index, index);
  },

  trailcfg_web_enable__deps: ['$TC'],
  trailcfg_web_enable: function (page, id, on) {
    var c = TC.control(page, id);
    if (!c) return;
    if (c.input) c.input.disabled = !on;
    c.box.classList.toggle('tc-disabled', !on);
  },

  trailcfg_web_show__deps: ['$TC'],
  trailcfg_web_show: function (page, id, on) {
    var c = TC.control(page, id);
    if (c) c.box.style.display = on ? '' : 'none';
  },

  trailcfg_web_check__deps: ['$TC'],
  trailcfg_web_check: function (page, id, on) {
    var c = TC.control(page, id);
    if (c && c.kind === 'check') c.input.checked = !!on;
  },

  trailcfg_web_is_checked__deps: ['$TC'],
  trailcfg_web_is_checked: function (page, id) {
    var c = TC.control(page, id);
    return c && c.kind === 'check' && c.input.checked ? 1 : 0;
  },

  trailcfg_web_mask__deps: ['$TC'],
  trailcfg_web_mask: function (page, id, on) {
    var c = TC.control(page, id);
    if (!c || c.kind !== 'edit') return;
    var start = c.input.selectionStart;
    c.input.type = on ? 'password' : 'text';
    if (start !== null) c.input.setSelectionRange(start, start);
  },

  trailcfg_web_list_add__deps: ['$TC'],
  trailcfg_web_list_add: function (page, id, text, len, selection) {
    var c = TC.control(page, id);
    if (!c || c.input.tagName !== 'SELECT') return;
    var option = document.createElement('option');
    option.textContent = TC.str(text, len);
    c.input.appendChild(option);
    // A closed list would select its first entry by itself.
    c.input.selectedIndex = selection;
  },

  trailcfg_web_list_empty__deps: ['$TC'],
  trailcfg_web_list_empty: function (page, id) {
    var c = TC.control(page, id);
    if (c && c.input.tagName === 'SELECT') c.input.textContent = '';
  },

  trailcfg_web_list_select__deps: ['$TC'],
  trailcfg_web_list_select: function (page, id, index) {
    var c = TC.control(page, id);
    if (c && c.input.tagName === 'SELECT') c.input.selectedIndex = index;
  },

  trailcfg_web_list_selection__deps: ['$TC'],
  trailcfg_web_list_selection: function (page, id) {
    var c = TC.control(page, id);
    return c && c.input.tagName === 'SELECT' ? c.input.selectedIndex : -1;
  },

  // The oldest queued user event: 1 with page, type and id in `out`, else 0.
  trailcfg_web_next_event__deps: ['$TC'],
  trailcfg_web_next_event: function (out) {
    if (!TC.queue.length) return 0;
    var e = TC.queue.shift();
    HEAP32[out >> 2] = e[0];
    HEAP32[(out >> 2) + 1] = e[1];
    HEAP32[(out >> 2) + 2] = e[2];
    return 1;
  },

  // --- A driver's hands: the user's own way into the widgets -------------
  trailcfg_web_user_type__deps: ['$TC'],
  trailcfg_web_user_type: function (page, id, text, len) {
    var c = TC.control(page, id);
    if (!c || c.kind !== 'edit') return;
    TC.quietBlur = true;
    c.input.focus();
    TC.quietBlur = false;
    c.input.select();
    c.input.setRangeText(TC.str(text, len), 0, c.input.value.length, 'end');
    c.input.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertFromPaste' }));
  },

  trailcfg_web_user_leave__deps: ['$TC'],
  trailcfg_web_user_leave: function (page, id) {
    var c = TC.control(page, id);
    if (!c || c.kind !== 'edit') return;
    TC.quietBlur = true;
    c.input.focus();
    TC.quietBlur = false;
    var queued = TC.queue.length;
    if (document.activeElement === c.input) c.input.blur();
    // A window without the focus moves none, and in Firefox an edit given
    // the focus there fires no blur when it gives it up.
    if (TC.queue.length === queued) TC.push(page, 2, id);
  },

  trailcfg_web_user_click__deps: ['$TC'],
  trailcfg_web_user_click: function (page, id) {
    var c = TC.control(page, id);
    if (c && c.input) c.input.click();
  },

  trailcfg_web_user_choose__deps: ['$TC'],
  trailcfg_web_user_choose: function (page, id, index) {
    var c = TC.control(page, id);
    if (!c || c.input.tagName !== 'SELECT') return;
    c.input.selectedIndex = index;
    c.input.dispatchEvent(new Event('change', { bubbles: true }));
  },

  trailcfg_web_user_key__deps: ['$TC'],
  trailcfg_web_user_key: function (page, escape) {
    var p = TC.pages[page];
    if (!p) return;
    p.win.dispatchEvent(new KeyboardEvent('keydown', { key: escape ? 'Escape' : 'Enter', bubbles: true }));
  },

  trailcfg_web_user_close__deps: ['$TC'],
  trailcfg_web_user_close: function (page) {
    var p = TC.pages[page];
    if (p) p.close.click();
  },

  // --- What a person at the screen is asked ------------------------------
  trailcfg_web_message_open__deps: ['$TC'],
  trailcfg_web_message_open: function (caption, captionLen, text, textLen, warning) {
    var shade = document.createElement('div');
    shade.className = 'tc-shade';
    var box = document.createElement('div');
    box.className = 'tc-window tc-message' + (warning ? ' tc-warning' : ' tc-information');
    box.setAttribute('role', 'alertdialog');
    var bar = document.createElement('div');
    bar.className = 'tc-titlebar';
    bar.textContent = TC.str(caption, captionLen);
    var body = document.createElement('div');
    body.className = 'tc-message-text';
    body.textContent = TC.str(text, textLen).replace(/\r\n?/g, '\n');
    var ok = document.createElement('button');
    ok.textContent = 'OK';
    ok.className = 'tc-ok';
    var done = function () { shade.remove(); TC.boxOpen = false; };
    ok.addEventListener('click', done);
    box.addEventListener('keydown', function (e) {
      if (e.key === 'Enter' || e.key === 'Escape') { e.preventDefault(); e.stopPropagation(); done(); }
    });
    box.appendChild(bar);
    box.appendChild(body);
    box.appendChild(ok);
    shade.appendChild(box);
    TC.screen().appendChild(shade);
    TC.boxOpen = true;
    ok.focus();
  },

  trailcfg_web_message_open_now__deps: ['$TC'],
  trailcfg_web_message_open_now: function () { return TC.boxOpen ? 1 : 0; },

  // navigator.language, e.g. "zh-CN", into `buffer` (NUL-terminated, cut).
  trailcfg_web_language: function (buffer, capacity) {
    var tag = (typeof navigator !== 'undefined' && navigator.language) || 'en-US';
    stringToUTF8(tag, buffer, capacity);
  },
};

autoAddDeps(LibraryTrailcfgDom, '$TC');
mergeInto(LibraryManager.library, LibraryTrailcfgDom);
