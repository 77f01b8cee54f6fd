// The About page in the language the program's pages start in: Simplified
// Chinese where the browser's language tag stands for it (as
// src/platform/web/web_language.cpp reads the tag), English elsewhere.
(function () {
  var chinese = {'zh': true, 'zh-cn': true, 'zh-hans': true, 'zh-hans-cn': true,
                 'zh-sg': false, 'zh-tw': false, 'zh-hk': false, 'zh-mo': false, 'zh-hans-sg': false, 'zh-hant': false};
  var tag = ((typeof navigator !== 'undefined' && navigator.language) || 'en-US').toLowerCase();
  // A longer tag falls back to its shorter forms ("zh-Hans-HK" to "zh-Hans").
  while (!(tag in chinese) && tag.indexOf('-') > 0) tag = tag.slice(0, tag.lastIndexOf('-'));
  var lang = chinese[tag] ? 'zh-CN' : 'en';
  document.documentElement.lang = lang;
  if (lang === 'zh-CN') document.title = '关于 trailcfg';
  var parts = document.querySelectorAll('main > div[lang], main a[lang]');
  for (var i = 0; i < parts.length; i++) parts[i].hidden = parts[i].lang !== lang;
})();
