# The build's desktop entries or AppStream metainfo (build/share, laid out as
# installed) pass Debian's validator without a warning; skipped (77) without it.
#   validate_desktop_metadata.sh entries|metainfo SHARE_DIR
set -u
share=$2
if [ "$1" = entries ]; then
    tool=desktop-file-validate package=desktop-file-utils files=("$share"/applications/{,screensavers/}*.desktop)
else
    tool=appstreamcli package=appstream files=("$share"/metainfo/*.metainfo.xml)
fi
command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (package $package)"; exit 77; }
status=0
for file in "${files[@]}"; do
    if [ "$1" = entries ]; then  # hints (a screensaver entry is in no main menu category) are no faults
        out=$(desktop-file-validate "$file" 2>&1) && ! grep -q 'error:\|warning:' <<<"$out"
    else
        out=$(appstreamcli validate --no-net "$file" 2>&1)
    fi && echo "PASS: $file" || { echo "FAIL: $file: $out"; status=1; }
done
exit $status
