#!/usr/bin/env bash
# zavo-settings end to end on a file backend in a temporary folder:
# provisioning twice, export, and clear failures on bad input.
set -u
tool=$1 provision=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config
store=$XDG_CONFIG_HOME/zavo-remote/registry.reg
fail() { echo "FAIL: $*" >&2; exit 1; }

# expect <exit code> <text in stderr> <command...>
expect() {
  local code=$1 text=$2; shift 2
  "$@" >"$tmp/out" 2>"$tmp/err"
  local rc=$?
  [ "$rc" -eq "$code" ] || fail "$* exited $rc, expected $code: $(cat "$tmp/err")"
  [ -z "$text" ] || grep -qF -- "$text" "$tmp/err" || fail "$*: stderr lacks '$text': $(cat "$tmp/err")"
}

# An operator's list and a changed interval are there before provisioning.
cat >"$tmp/mine.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Zavo\Zavo Remote]
"ZavNameList"="Bay 1"
"ZavIPList"="192.168.001.010"

[HKEY_LOCAL_MACHINE\SOFTWARE\Zavo\Zavo Remote\Zav1]
"RefreshInterval"=dword:000000c8
REG
expect 0 "values added" "$tool" import "$tmp/mine.reg"
expect 0 "0 replaced, 1 kept" "$tool" import "$provision"
cp "$store" "$tmp/after-first"
expect 0 "0 keys created, 0 values added, 0 replaced" "$tool" import "$provision"
cmp -s "$store" "$tmp/after-first" || fail "second import changed the file"

"$tool" export >"$tmp/all.reg" || fail "export"
for line in '"ZavNameList"="Bay 1"' '"Benchmark"=dword:00000000' '"NetScanTimeout"=dword:00000032' \
            '[HKEY_LOCAL_MACHINE\SOFTWARE\Zavo\Zavo Remote\Zav6\ChartPens\Pen13]' \
            '"RefreshInterval"=dword:000000c8' '"Maximum"=dword:00061a80'; do
  grep -qF -- "$line" "$tmp/all.reg" || fail "export lacks $line"
done
# Every provisioned value is in the export.
grep -E '^"' "$provision" | tr -d '\r' | sort -u >"$tmp/want"
grep -E '^"' "$tmp/all.reg" | sort -u >"$tmp/have"
missing=$(comm -23 "$tmp/want" "$tmp/have" | grep -v '^"RefreshInterval"=dword:00000064$')
[ -z "$missing" ] || fail "not exported: $missing"

"$tool" export 'HKEY_LOCAL_MACHINE\SOFTWARE\Zavo\Zavo Remote\Zav2\ChartGrids' >"$tmp/sub.reg" ||
  fail "export KEY"
[ "$(grep -c '^\[' "$tmp/sub.reg")" -eq 3 ] || fail "subtree export: $(cat "$tmp/sub.reg")"
expect 0 "" "$tool" export --windows "$tmp/win.reg" 'SOFTWARE\Zavo'
[ "$(head -c 2 "$tmp/win.reg" | od -An -tx1 | tr -d ' ')" = "fffe" ] || fail "--windows lacks BOM"
# What the tool writes, the tool reads: re-importing changes nothing.
expect 0 "0 keys created, 0 values added" "$tool" import "$tmp/win.reg"
expect 0 "0 keys created, 0 values added" "$tool" import "$tmp/all.reg"

# Bad input: clear message, non-zero exit, store untouched.
cp "$store" "$tmp/before-bad"
printf 'Windows Registry Editor Version 5.00\n[HKLM\\X]\n"v"=dword:xyz\n' >"$tmp/bad.reg"
expect 1 "bad.reg: line 3: dword:" "$tool" import "$tmp/bad.reg"
expect 1 "cannot open" "$tool" import "$tmp/absent.reg"
printf 'REGEDIT4\n[HKEY_CURRENT_USER\\X]\n' >"$tmp/hkcu.reg"
expect 1 "line 2: key HKEY_CURRENT_USER\\X is outside" "$tool" import "$tmp/hkcu.reg"
expect 1 "no key HKEY_LOCAL_MACHINE\\SOFTWARE\\Nothing" "$tool" export 'SOFTWARE\Nothing'
expect 2 "usage:" "$tool"
expect 2 "unknown command" "$tool" frobnicate
expect 2 "exactly one" "$tool" import
expect 2 "--windows needs a FILE" "$tool" export --windows
cmp -s "$store" "$tmp/before-bad" || fail "bad input changed the store"

# A damaged store file is reported with its line and left as it is.
printf 'REGEDIT4\n[HKLM\\SOFTWARE\nx\n' >"$store"
cp "$store" "$tmp/damaged"
expect 1 "registry.reg: line 2: missing ']'" "$tool" import "$provision"
cmp -s "$store" "$tmp/damaged" || fail "damaged store was overwritten"
echo "zavo-settings: all checks passed"
