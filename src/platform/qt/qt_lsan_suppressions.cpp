// Sanitizer builds only. Fontconfig keeps its parsed configuration and the
// font patterns of Qt's font fallback for the life of the process, and on a
// real display Qt's D-Bus connection keeps a message buffer of libdbus.
// LeakSanitizer's fast unwinder cannot see past those libraries' frames, so
// the libraries themselves are named; nothing of the program's own is.
// Every program that shows Qt pages (the desktop program, the scenario
// runner, the tests) gets this from here, so no run needs a suppressions
// file of its own.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
