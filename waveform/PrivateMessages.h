#pragma once
// The private window messages between the main frame, the editor view, the
// bars, the child frames and the dialogs: the one list of their numbers, and
// the records some of them point to. Every message is sent, never posted; a
// pointer stays valid only while the send lasts.
//
// No window headers here: the tools and instrument dialogs, the view and the
// shell all include this, and the numbers are WM_USER (0x400) plus an offset.

// name, offset from WM_USER
#define PELMORAN_PRIVATE_MESSAGES(X)                                                         \
  X(WM_WAVE_UPDATE, 102)    /* 999, 1500, 1000 or a waveform index; 1001/1002 to the view */ \
  X(WM_VIEW_OPTION, 103)    /* 0 cursor lines, 1 grid, 2 point view, 3 cursor trace */       \
  X(WM_CURSOR_READOUT, 104) /* wParam CursorReadout*, lParam 0 Cursor1 / 1 Cursor2 */        \
  X(WM_TRACK_READOUT, 105)  /* lParam TrackReadout* */                                       \
  X(WM_SET_CURSOR_POS, 106) /* wParam double* (a time), lParam 0 / 1 */                      \
  X(WM_ZOOM, 107)           /* 0 horizontal, 1 vertical, 2 region, 3 extend, 5 undo */       \
  X(WM_DRAW_FREEHAND, 108)                                                                   \
  X(WM_DRAW_LINE, 109)   /* 1 horizontal, 2 vertical, 3 two-point */                         \
  X(WM_DRAW_POINTS, 110) /* 0 start collecting, 1 finish */                                  \
  X(WM_EDIT_OP, 111)     /* 0 undo ... 8 flip vertically */                                  \
  X(WM_FILE_OPEN, 112)                                                                       \
  X(WM_PRINT_PREVIEW, 113)                                                                   \
  X(WM_PRINT_WAVE, 114)                                                                      \
  X(WM_APPLY_EQUATION, 115)                                                                  \
  X(WM_FILE_SAVE, 116)                                                                       \
  X(WM_SMOOTH, 117)                                                                          \
  X(WM_DRAWMODE_STATE, 118) /* wParam on/off, lParam 0..3 modes, 4 cursors */                \
  X(WM_CURSOR_LINE, 119)                                                                     \
  X(WM_UNDO_LAST_DRAW, 120)                                                                  \
  X(WM_STATUS_TEXT, 121) /* 0..3: texts 184..187 */                                          \
  X(WM_WAVE_REPLOT, 122)                                                                     \
  X(WM_PAINT_PAGE, 123) /* wParam the page's memory DC, lParam the paint target */           \
  X(WM_SET_COLORS, 125) /* 0 defaults, 1..5 one colour, 6 all */                             \
  X(WM_EDIT_ENABLE, 126)                                                                     \
  X(WM_FILE_SAVEAS, 127)                                                                     \
  X(WM_SET_DRAWMODE, 128)                                                                    \
  X(WM_WAVE_ACTIVATE, 129)                                                                   \
  X(WM_SHOW_CURSORS, 130)                                                                    \
  X(WM_LINK_STATE, 131)                                                                      \
  X(WM_MENU_UPDATE, 132)                                                                     \
  X(WM_BAR_SETFLAG, 1000)

#define PELMORAN_DEFINE_PRIVATE_MESSAGE(name, offset) \
  inline constexpr unsigned name = 0x400u + (offset);
PELMORAN_PRIVATE_MESSAGES(PELMORAN_DEFINE_PRIVATE_MESSAGE)
#undef PELMORAN_DEFINE_PRIVATE_MESSAGE

// WM_WAVE_UPDATE's wParam values that are not a waveform index.
inline constexpr int kWaveUpdateOpenWindow = 999;      // open a window for the newest record
inline constexpr int kWaveUpdateActiveChanged = 1000;  // the active record's samples changed
inline constexpr int kWaveUpdateReplotOwn = 1001;      // to a view: replot its own record
inline constexpr int kWaveUpdateReplotNewest = 1002;   // to a view: replot the newest record
inline constexpr int kWaveUpdateOpenAndReplot = 1500;  // open a window, then 1002

// What WM_CURSOR_READOUT points to.
struct CursorReadout {
  double position;  // display units
  double period;    // the record's period as stored (the frame does not read it)
  double value;     // the cursor's Y position
};

// What WM_TRACK_READOUT points to.
struct TrackReadout {
  double position;  // display position under the mouse
  double value;     // the wave's value there with the trace on, else the mouse's Y
  int timeunit;     // the record's periodunit (the frame does not read it)
  double timespan;  // the record's period
};
