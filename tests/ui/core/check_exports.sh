#!/bin/sh
# check_exports.sh MODULE NAME... - passes when the module's dynamic symbol table defines exactly the given
# names, besides the few symbols every shared library gets from the linker and its start-up files.
module="$1"
shift
expected=$(printf '%s\n' "$@" | sort)
actual=$(nm -D --defined-only "$module" | awk '{ print $NF }' \
         | grep -v -x -e _init -e _fini -e _edata -e _end -e __bss_start | sort)
if [ "$actual" = "$expected" ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
printf 'exports of %s differ.\nexpected:\n%s\nactual:\n%s\n' "$module" "$expected" "$actual"
exit 1
