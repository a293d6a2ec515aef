#!/usr/bin/env bash
# Hostile input against qdhost: one row per case, each run in a fresh folder of its own.
#
#   hostile_input.sh QDHOST MODULE_DIR [MEMORY_KB]
#
# The modules in MODULE_DIR are registered in a registry of the suite's own first.
#
# A row is "NAME | SETUP | ARGS | STATUS | FRAGMENT | MAY LEAVE | CHECK":
#   SETUP      shell run in the case's folder first (files, links, umask); '-' for none
#   ARGS       qdhost's arguments (word-split by the shell; $MOD is the controls module)
#   STATUS     the exit status expected
#   FRAGMENT   text the output (standard output and error together) must hold; '-' for none
#   MAY LEAVE  globs of the new files the case may leave; '-' for none. Any other new file,
#              and any temporary file of a save, fails the case
#   CHECK      shell that must succeed afterwards; '-' for none
# With MEMORY_KB, every qdhost runs under 'ulimit -v MEMORY_KB' (not in a sanitizer build,
# whose shadow memory needs a huge address space).
set -u
QDHOST=$1
MOD_DIR=$2
MEMORY_KB=${3:-}
export MOD="$MOD_DIR/qdProgressControls.so"
PIE=qdProgressControls.qdProgressPie
BAR=qdProgressControls.qdProgressBar
export PIE BAR

# Generators the rows use.
keys() {  # keys N FILE: a property file of N distinct keys
    awk -v n="$1" 'BEGIN { for (i = 1; i <= n; i++) printf "K%d = float32 0\n", i }' > "$2"
}
controls() {  # controls N FILE: a form of N tiny bars
    awk -v n="$1" 'BEGIN { for (i = 1; i <= n; i++) printf "[control c%d %s 0 0 15 15]\n", i, ENVIRON["BAR"] }' > "$2"
}
sized() {  # sized BYTES FILE: a form of exactly BYTES bytes, comment lines after one control
    { printf '[control p %s 0 0 150 150]\n' "$PIE"
      awk -v n="$1" 'BEGIN { left = n - 42; while (left > 0) { k = left > 1000 ? 999 : left - 1;
          s = "#"; for (i = 1; i < k; i++) s = s "x"; print s; left -= length(s) + 1 } }'
    } > "$2"
    truncate -s "$1" "$2"
}
long_line() {  # long_line BYTES FILE: a form whose Tag line is BYTES bytes long
    { printf '[control p %s 0 0 150 150]\n' "$PIE"
      awk -v n="$1" 'BEGIN { s = "Tag = text \""; while (length(s) < n - 1) s = s "x"; print s "\"" }'
    } > "$2"
}
export -f keys controls sized long_line

read -r -d '' CASES <<'TABLE'
render-folder | mkdir d | render d | 2 | d: is a folder, not a regular file | - | -
render-passwd | cp /etc/passwd p.txt | render p.txt | 2 | p.txt: not a form file | - | -
render-empty | : > e.qdf | render e.qdf | 2 | not a form file | - | -
render-binary | printf 'x\0[form 15 15]\n' > b.qdf | render b.qdf | 2 | not a form file | - | -
render-fifo | mkfifo f.qdf | render f.qdf | 2 | is a FIFO | - | -
open-fifo | mkfifo f.qdf; echo 'open f.qdf' > s.qds | run s.qds | 1 | is a FIFO | - | -
form-extent-1e9 | printf '[form 1e9 1e9]\n' > x.qdf | render x.qdf | 1 | WIDTH: coordinate 1e9 is over the limit of 1000000 twips | x.png | -
form-extent-3.4e38 | printf '[form 3.4e38 3.4e38]\n' > x.qdf | render x.qdf | 1 | coordinate 3.4e38 is over the limit | x.png | -
form-position-at-limit | printf '[control p %s 1000000 0 150 150]\n' $PIE > x.qdf | render x.qdf | 0 | 1 control drawn | x.png | -
form-position-past-limit | printf '[control p %s 0 -1000001 150 150]\n' $PIE > x.qdf | render x.qdf | 1 | TOP: coordinate -1000001 is over the limit | x.png | -
form-position-3e10 | printf '[control p %s 3e10 3e10 150 150]\n' $PIE > x.qdf | render x.qdf | 1 | LEFT: coordinate 3e10 is over | x.png | -
form-picture-over-limit | printf '[control a %s 0 0 150 150]\n[control b %s 999000 999000 150 150]\n' $PIE $PIE > x.qdf | render x.qdf | 1 | pixels of one picture 4441955904 is over the limit | - | -
picture-at-limit | printf 'new p %s 61440 61440\n' $PIE > s.qds | run s.qds | 0 | - | - | -
picture-past-limit | printf 'new p %s 61440 61455\n' $PIE > s.qds | run s.qds | 1 | pixels of one picture 16781312 is over the limit of 16777216 pixels | - | -
resize-past-limit | printf 'new p %s\nresize p 61455 61440\nprint p.Value\n' $PIE > s.qds | run s.qds | 1 | pixels of one picture 16781312 | - | -
form-pixels-at-limit | printf '[form 15 15]\n[control a %s 0 0 61440 61440]\n[control b %s 0 0 61440 61440]\n[control c %s 0 0 61440 61425]\n' $BAR $BAR $BAR > x.qdf | render x.qdf | 0 | 3 controls drawn | x.png | -
form-pixels-past-limit | printf '[form 15 15]\n[control a %s 0 0 61440 61440]\n[control b %s 0 0 61440 61440]\n[control c %s 0 0 61440 61440]\n' $BAR $BAR $BAR > x.qdf | render x.qdf | 1 | control c: pixels of a form 50331649 is over the limit of 50331648 | x.png | -
keys-at-limit | keys 100000 k.qdp; printf 'load p %s k.qdp\n' $PIE > s.qds | run s.qds | 0 | - | - | -
keys-past-limit | keys 100001 k.qdp; printf 'load p %s k.qdp\n' $PIE > s.qds | run s.qds | 1 | k.qdp:100001: key 'K100001': keys per section 100001 is over the limit of 100000 | - | -
controls-at-limit | controls 1000 x.qdf | render x.qdf | 0 | 1000 controls drawn | x.png | -
controls-past-limit | controls 1001 x.qdf | render x.qdf | 1 | x.qdf:1001: control c1001: controls per form 1001 is over the limit of 1000 | x.png | -
file-at-limit | sized 16777216 x.qdf | render x.qdf | 0 | 1 control drawn | x.png | -
file-past-limit | sized 16777217 x.qdf | render x.qdf | 2 | file size 16777217 is over the limit of 16777216 bytes | - | -
line-at-limit | long_line 65536 x.qdf | render x.qdf | 0 | 1 control drawn | x.png | -
line-past-limit | long_line 65537 x.qdf | render x.qdf | 1 | x.qdf:2: control p: line length 65537 is over the limit of 65536 | x.png | -
run-dev-zero | - | run /dev/zero | 2 | /dev/zero: is a character device | - | -
run-stdin-zero | - | run - < /dev/zero | 2 | line length (longer) is over the limit | - | -
run-folder | mkdir d | run d | 2 | d: is a folder | - | -
module-truncated | head -c 6000 $MOD > t.so | typelib ./t.so | 1 | truncated: | - | -
module-empty | : > e.so | typelib ./e.so | 1 | an empty file, not a module | - | -
module-text | cp /etc/passwd t.so | typelib ./t.so | 1 | not an ELF file | - | -
module-dev-null | - | typelib /dev/null | 2 | /dev/null: is a character device, not a component library file | - | -
module-fifo | mkfifo f.so | register ./f.so | 2 | is a FIFO | - | -
new-path-fifo | mkfifo f.so; echo "new p $PWD/f.so:qdProgressPie" > s.qds | run s.qds | 1 | is a FIFO, not a module file | - | -
new-path-truncated | head -c 6000 $MOD > t.so; echo "new p $PWD/t.so:qdProgressPie" > s.qds | run s.qds | 1 | truncated: | - | -
registered-truncated | head -c 6000 $MOD > t.so; sed "s#$MOD#$PWD/t.so#" $QD_REGISTRY > r; export QD_REGISTRY=$PWD/r; printf 'new p %s\n' $PIE > s.qds | run s.qds | 1 | truncated: | - | -
form-line-before-control | printf '[form 600 600]\nValue = float32 5\n[control p %s 0 0 150 150]\n' $PIE > x.qdf | render x.qdf | 1 | x.qdf:2: a property line outside any [control | x.png | -
form-key-in-two-cases | printf '[control p %s 0 0 150 150]\nMin = float32 0\nMIN = float32 1\n' $PIE > x.qdf | render x.qdf | 1 | x.qdf:3: control p: key 'MIN': given twice | x.png | -
open-name-clash | printf '[control p %s 0 0 150 150]\n' $BAR > x.qdf; printf 'new p %s\nopen x.qdf\nsave out.qdf\n' $PIE > s.qds | run s.qds | 1 | controls named p are already open; the form is not opened | - | -
open-twice | printf '[control p %s 0 0 150 150]\n' $BAR > x.qdf; printf 'open x.qdf\nopen x.qdf\nsave out.qdf\n' > s.qds | run s.qds | 1 | already open | out.qdf | [ "$(grep -c '^\[control' out.qdf)" = 1 ] && grep -q "$BAR" out.qdf
new-name-clash | printf 'new p %s\nnew p %s\nsave p p.qdp\n' $PIE $BAR > s.qds | run s.qds | 1 | there is already a control named p | p.qdp | head -1 p.qdp | grep -q "$PIE"
save-through-link | echo old > real.qdp; ln -s real.qdp link.qdp; printf 'new p %s\nsave p link.qdp\n' $PIE > s.qds | run s.qds | 0 | - | - | [ -L link.qdp ] && grep -q '^Min = ' real.qdp
save-keeps-mode | echo old > m.qdp; chmod 600 m.qdp; printf 'new p %s\nsave p m.qdp\n' $PIE > s.qds | run s.qds | 0 | - | - | [ "$(stat -c %a m.qdp)" = 600 ] && grep -q '^Min = ' m.qdp
save-honours-umask | umask 027; printf 'new p %s\nsave p n.qdp\npng p n.png\n' $PIE > s.qds | run s.qds | 0 | - | n.qdp n.png | [ "$(stat -c %a n.qdp)" = 640 ] && [ "$(stat -c %a n.png)" = 640 ]
save-removes-leftovers | touch .n.qdp.qdsave-999999999-AbCdEf; printf 'new p %s\nsave p n.qdp\n' $PIE > s.qds | run s.qds | 0 | - | n.qdp | [ ! -e .n.qdp.qdsave-999999999-AbCdEf ]
save-into-missing-folder | printf 'new p %s\nsave p no/such/n.qdp\npng p no/n.png\n' $PIE > s.qds | run s.qds | 1 | cannot create a temporary file in no/such | - | -
untyped-lines | printf 'Min = 100\nMax = 400\nValue = 200\nLabelType = 2\nFillColorStart = 0x00FF00\nBorderShow = true\n' > u.qdp; printf 'load p %s u.qdp\nprint p.Min\nsave p t.qdp\n' $PIE > s.qds | run s.qds | 0 | 100 | t.qdp | grep -qx 'Min = float32 100' t.qdp && grep -qx 'FillColorStart = int32 65280' t.qdp && grep -qx 'BorderShow = bool true' t.qdp && grep -qx 'LabelType = int32 2' t.qdp
untyped-does-not-convert | printf 'Max = 400\nMin = "abc"\n' > u.qdp; printf 'load p %s u.qdp\n' $PIE > s.qds | run s.qds | 1 | u.qdp:2: key 'Min': 'abc' does not convert to float32 | - | -
untyped-unknown-key | printf 'Nonsense = 5\n' > u.qdp; printf 'load p %s u.qdp\n' $PIE > s.qds | run s.qds | 1 | u.qdp:1: key 'Nonsense': qdProgressPie has no property Nonsense | - | -
untyped-in-form | printf '[control p %s 0 0 150 150]\nValue = 40\nMin = abc\n' $PIE > x.qdf | render x.qdf | 1 | x.qdf:3: control p: key 'Min': 'abc' does not convert to float32 | x.png | -
nul-in-message | printf 'new p Foo\0bar\n' > s.qds | run s.qds | 1 | Foo\x00bar | - | -
escape-in-message | printf 'new p Foo\033[31mbar\n' > s.qds | run s.qds | 1 | Foo\x1B[31mbar | - | -
load-names-key | printf 'Min = float32 0\nMax = text "ten"\n' > v.qdp; printf 'load p %s v.qdp\n' $PIE > s.qds | run s.qds | 1 | reading v.qdp: key 'Max' | - | -
registration-case-clash | sed 's/qdProgressControls.qdProgressPie/QDPROGRESSCONTROLS.qdProgressPie/; s/{3F0F/{4F0F/' $QD_REGISTRY > r; export QD_REGISTRY=$PWD/r | register $MOD | 1 | clashes with the entry | r.lock | -
TABLE

failed=0
count=0
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
REGISTRY="$root/registry"
for module in "$MOD_DIR"/qdProgressControls.so "$MOD_DIR"/qdxProgressPie.so; do
    QD_REGISTRY="$REGISTRY" "$QDHOST" register "$module" || { echo "cannot register $module"; exit 1; }
done
while IFS= read -r row; do
    [ -z "$row" ] && continue
    IFS='|' read -r name setup args status fragment leaves check <<<"$row"
    trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; printf '%s' "${s%"${s##*[![:space:]]}"}"; }
    name=$(trim "$name"); setup=$(trim "$setup"); args=$(trim "$args"); status=$(trim "$status")
    fragment=$(trim "$fragment"); leaves=$(trim "$leaves"); check=$(trim "$check")
    count=$((count + 1))
    dir="$root/$name"
    mkdir -p "$dir"
    result=$(cd "$dir" && export QD_REGISTRY="$REGISTRY" && {
        [ "$setup" = - ] || eval "$setup" || echo "setup failed" >&2
        ls -A | sort > "$root/$name.before"
        limit=""
        [ -n "$MEMORY_KB" ] && limit="ulimit -v $MEMORY_KB;"
        output=$(eval "$limit timeout 60 \"$QDHOST\" $args" 2>&1)
        code=$?
        ls -A | sort > "$root/$name.after"
        printf '%s\n%s' "$code" "$output"
    } 2>&1)
    code=${result%%$'\n'*}
    output=${result#*$'\n'}
    problem=""
    [ "$code" = "$status" ] || problem="exit status $code, expected $status"
    if [ -z "$problem" ] && [ "$fragment" != - ] && [[ "$output" != *"$fragment"* ]]; then
        problem="the output lacks '$fragment'"
    fi
    if [ -z "$problem" ]; then
        while IFS= read -r new; do
            allowed=no
            for glob in $leaves; do
                # shellcheck disable=SC2053
                [[ "$new" == $glob ]] && allowed=yes
            done
            [ "$allowed" = yes ] || problem="it left the file '$new'"
        done < <(comm -13 "$root/$name.before" "$root/$name.after")
    fi
    if [ -z "$problem" ] && [ "$check" != - ]; then
        (cd "$dir" && eval "$check") || problem="the check '$check' failed"
    fi
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        printf 'FAIL %s: %s\n  qdhost %s\n%s\n' "$name" "$problem" "$args" "$(printf '%s' "$output" | head -c 2000 | sed 's/^/  | /')"
    else
        printf 'ok   %s\n' "$name"
    fi
    rm -rf "$dir"
done <<<"$CASES"
printf '%d of %d hostile-input cases failed\n' "$failed" "$count"
[ "$failed" = 0 ]
