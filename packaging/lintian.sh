#!/bin/sh
# lintian.sh PACKAGE.deb: lintian's verdict on the Debian package, as a
# distribution would take it. Fails on any error or warning; the package's
# own overrides (packaging/debian/lintian-overrides) count only when each one
# says why, in a comment right above it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
overrides=$here/debian/lintian-overrides
if [ -f "$overrides" ]; then
    awk '/^[^#[:space:]]/ && prev !~ /^#[[:space:]]*[^[:space:]]/ {
             print FILENAME ":" NR ": an override without a reason in a comment above it: " $0; bad = 1 }
         { prev = $0 }
         END { exit bad }' "$overrides"
fi
lintian --fail-on error,warning --info "$@"
