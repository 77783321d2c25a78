# The build's desktop entries or its AppStream metainfo (build/share, laid out
# as installed) pass the validator Debian's tools use, without a warning:
#   validate_desktop_metadata.sh entries|metainfo SHARE_DIR
# Skipped (exit 77) where the validator is not installed.
set -u
kind=$1 share=$2
case $kind in
    entries) tool=desktop-file-validate package=desktop-file-utils
             files=("$share"/applications/*.desktop "$share"/applications/screensavers/*.desktop) ;;
    metainfo) tool=appstreamcli package=appstream
              files=("$share"/metainfo/*.metainfo.xml) ;;
    *) echo "usage: $0 entries|metainfo SHARE_DIR" >&2; exit 2 ;;
esac
command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (package $package)"; exit 77; }

status=0
for file in "${files[@]}"; do
    [ -f "$file" ] || { echo "FAIL: no $file"; status=1; continue; }
    if [ "$kind" = entries ]; then
        # Hints (a screensaver entry has no main menu category) are no faults.
        out=$(desktop-file-validate "$file" 2>&1) && ! grep -q 'error:\|warning:' <<<"$out"
    else
        out=$(appstreamcli validate --no-net "$file" 2>&1)
    fi
    if [ $? -eq 0 ]; then
        echo "PASS: $file${out:+ ($out)}"
    else
        echo "FAIL: $file"; echo "$out"; status=1
    fi
done
exit $status
