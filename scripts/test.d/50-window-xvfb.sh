#!/usr/bin/env bash
# The window layer on a real X display: the sample dialog and the
# multiple-document frame run under Xvfb on Qt's xcb platform, and their
# screenshots are written to build/review/ for a person to look at.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build="${PELMORAN_BUILD_DIR:-$top/build}"
tests="$build/platform/window/tests/platform_window_tests"
if [ ! -x "$tests" ]; then
  echo "50-window-xvfb: $tests not built (PELMORAN_GUI off?); skipped"
  exit 0
fi
review="$build/review"
mkdir -p "$review"
rm -f "$review/sample-dialog.png" "$review/mdi-frame.png"
QT_QPA_PLATFORM=xcb PELMORAN_REVIEW_PNG_DIR="$review" \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$tests" --gtest_filter='SampleDialogTest.ControlsAreRealWidgetsAndTheDialogRenders:FrameworkTest.CommandsReachTheViewOfTheActiveChild:SampleDialogTest.ModalRunTakesTypedValuesOnOk'
for png in sample-dialog.png mdi-frame.png; do
  [ -s "$review/$png" ] || { echo "50-window-xvfb: $png was not written"; exit 1; }
done
echo "50-window-xvfb: screenshots in $review"
