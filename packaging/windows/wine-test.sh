#!/bin/sh
# Runs one Windows test program under Wine for CTest. Wine hands no QT_*
# variable to Windows programs, so they are set again inside Wine (cmd's "set");
# and Qt Test's console output is lost there, so the log goes to a file that is
# then printed.
set -u
program=$(realpath "$1")
shift
log=$(mktemp)
line=
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "value=\$$var"
    line="${line}set $var=$value&& "
done
line="${line}Z:$(printf %s "$program" | tr / '\\') $* -o Z:$(printf %s "$log" | tr / '\\'),txt"
/usr/lib/wine/wine64 cmd /c "$line"
status=$?
cat "$log"
rm -f "$log"
exit "$status"
