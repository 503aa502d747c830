#!/usr/bin/env bash
# The window layer on a real X display: the sample dialog, the
# multiple-document frame, the skin's button and combo box, the point-list
# dialog with a selected row, the read dialog and the program's main window
# with two waveform windows (in English and in Chinese) run under Xvfb on
# Qt's xcb platform, and their screenshots are written to build/review/ for
# a person to look at. The whole-program journeys run
# there in full, as a user's desktop would run them.
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
shots="sample-dialog.png mdi-frame.png"
skin="$build/shell/base/tests/shell_tests"
if [ -x "$skin" ]; then
  for state in normal hover pressed disabled; do shots="$shots skin-button-$state.png"; done
  shots="$shots skin-combo-normal.png skin-combo-hover.png"
fi
# The editor view: a drawn, zoomed waveform window and its print preview.
views="$build/waveform/view/tests/waveform_view_tests"
if [ -x "$views" ]; then
  shots="$shots view-drawn-waveform.png view-print-preview.png"
fi
# The point-list dialog with a selected row, and the read dialog.
tools="$build/tools/tests/tools_tests"
instrument="$build/instrument/dialogs/tests/instrument_dialogs_tests"
if [ -x "$tools" ]; then shots="$shots point-list-selected-row.png"; fi
if [ -x "$instrument" ]; then shots="$shots read-CReadWaveDLG.png"; fi
journey="$build/app/tests/pelmoran_journey_tests"
if [ -x "$journey" ]; then shots="$shots main-window-en.png main-window-zh.png journey2-3-cut.png journey3-5-table-and-print.png journey4-1-imported.png"; fi
for png in $shots; do rm -f "$review/$png"; done
# Runs a test program on a fresh X display, writing its pictures to $review.
on_x() {
  QT_QPA_PLATFORM=xcb PELMORAN_REVIEW_PNG_DIR="$review" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}
on_x "$tests" --gtest_filter='SampleDialogTest.ControlsAreRealWidgetsAndTheDialogRenders:FrameworkTest.CommandsReachTheViewOfTheActiveChild:SampleDialogTest.ModalRunTakesTypedValuesOnOk'
if [ -x "$skin" ]; then
  on_x "$skin" --gtest_filter='WindowSkin.APushButtonsPixelsFollowTheDrawingRules:WindowSkin.AComboBoxDrawsItsFrameAndDropButton'
fi
if [ -x "$views" ]; then
  on_x "$views" --gtest_filter='PrintingTest.ADrawnZoomedWaveformWithBothCursorsForReview:PrintingTest.ThePreviewShowsThePageWithoutTheCursorsAndGivesThemBack'
fi
if [ -x "$tools" ]; then
  on_x "$tools" --gtest_filter='PointListDialogTest.TypedRowsStayInTheTableAndTheSelectedRowReads'
fi
if [ -x "$instrument" ]; then on_x "$instrument" --gtest_filter='ReviewRender.*'; fi
if [ -x "$journey" ]; then on_x "$journey"; fi
for png in $shots; do
  [ -s "$review/$png" ] || { echo "50-window-xvfb: $png was not written"; exit 1; }
done
echo "50-window-xvfb: screenshots in $review"
