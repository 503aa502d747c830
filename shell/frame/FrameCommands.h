#pragma once
// The one table of the menu and toolbar commands: who handles each, what it
// does, and when it is enabled. The main frame's message map and its update
// handlers are made from it, and so is the application's map for the
// commands the application handles. Rules: Always; Waveform (while a
// waveform window is open, g_bWaveOpen); Edit (while one is open and shows
// its two cursors, g_bEditEnable as well); Panel (always, checked while
// the standard-shape panel shows).
//
// VIEW(id, rule, message, wParam): the frame sends the message to the
//   active waveform view (nothing when there is none).
// FRAME(id, rule, handler): a CMainFrame member.
// APP(id, rule, handler): a CPelmoranApp member; the frame keeps the rule.

// clang-format off
#define PELMORAN_FRAME_COMMANDS(VIEW, FRAME, APP)                          \
  FRAME(32840, Always, OnNewWave)         /* File: New */                  \
  APP(57600, Always, OnNewWaveform)       /* (no item: the framework's New) */ \
  APP(32899, Always, OnFileOpen)          /* File: Open */                 \
  APP(32875, Waveform, OnFileSave)        /* File: Save */                 \
  APP(33023, Waveform, OnFileSaveAs)      /* File: Save As */              \
  APP(32873, Waveform, OnFilePrintPreview) /* File: Print Preview */       \
  APP(32874, Waveform, OnFilePrint)       /* File: Print */                \
  FRAME(33001, Always, OnExit)            /* File: Exit */                 \
  VIEW(33002, Edit, WM_EDIT_OP, 0)        /* Edit: Undo */                 \
  VIEW(33003, Edit, WM_EDIT_OP, 1)        /* Edit: Redo */                 \
  VIEW(33004, Edit, WM_EDIT_OP, 2)        /* Edit: Cut */                  \
  VIEW(33005, Edit, WM_EDIT_OP, 5)        /* Edit: Copy */                 \
  VIEW(33006, Edit, WM_EDIT_OP, 4)        /* Edit: Paste */                \
  VIEW(32859, Edit, WM_EDIT_OP, 3)        /* Edit: Delete */               \
  VIEW(32862, Edit, WM_EDIT_OP, 6)        /* Edit: Select All */           \
  VIEW(32865, Edit, WM_EDIT_OP, 7)        /* Edit: Flip Horizontally */    \
  VIEW(32866, Edit, WM_EDIT_OP, 8)        /* Edit: Flip Vertically */      \
  FRAME(32841, Waveform, OnCursorLine)    /* View: cursor lines */         \
  VIEW(32816, Waveform, WM_VIEW_OPTION, 1) /* View: grid */                \
  VIEW(32817, Waveform, WM_VIEW_OPTION, 2) /* View: point view */          \
  VIEW(32818, Waveform, WM_VIEW_OPTION, 3) /* View: cursor trace */        \
  VIEW(32842, Waveform, WM_ZOOM, 0)       /* View: horizontal zoom */      \
  VIEW(32843, Waveform, WM_ZOOM, 1)       /* View: vertical zoom */        \
  VIEW(32844, Waveform, WM_ZOOM, 2)       /* View: region zoom */          \
  VIEW(32846, Waveform, WM_ZOOM, 3)       /* View: whole waveform */       \
  FRAME(32879, Waveform, OnUndoZoom)      /* View: undo zoom */            \
  FRAME(32821, Panel, OnToggleShapePanel) /* View: standard shapes panel */ \
  FRAME(32850, Waveform, OnDrawFreehand)  /* Draw: free-hand */            \
  FRAME(32851, Waveform, OnDrawHorizontalLine) /* Draw: horizontal line */ \
  FRAME(32854, Waveform, OnDrawVerticalLine)   /* Draw: vertical line */   \
  FRAME(32853, Waveform, OnDrawTwoPointLine)   /* Draw: two-point line */  \
  FRAME(32824, Waveform, OnPointList)     /* Draw: coordinate drawing */   \
  FRAME(32826, Waveform, OnEquation)      /* Draw: equation drawing */     \
  FRAME(32825, Waveform, OnStandardWave)  /* Draw: standard waveform */    \
  VIEW(32896, Waveform, WM_UNDO_LAST_DRAW, 0) /* Draw: undo last draw */   \
  FRAME(32827, Waveform, OnMathValue)     /* Math: with a constant */      \
  FRAME(32829, Waveform, OnMathWave)      /* Math: two waveforms */        \
  FRAME(32830, Waveform, OnMathWindow)    /* Math: windowing */            \
  FRAME(32832, Waveform, OnMathFilter)    /* Math: filtering */            \
  VIEW(32876, Waveform, WM_SMOOTH, 0)     /* Math: smoothing */            \
  FRAME(33064, Waveform, OnTableView)     /* Properties: modify */         \
  FRAME(32870, Waveform, OnSendWave)      /* Communication: send */        \
  FRAME(32872, Always, OnReadWave)        /* Communication: read */        \
  FRAME(33069, Always, OnImportWave)      /* Communication: import */      \
  FRAME(32819, Always, OnLanguageChinese) /* Language: Chinese */          \
  FRAME(32820, Always, OnLanguageEnglish) /* Language: English */          \
  FRAME(33191, Always, OnLanguageChinese) /* (the older ids of the two) */ \
  FRAME(33192, Always, OnLanguageEnglish)                                  \
  FRAME(33011, Always, OnHelp)            /* Help: help */                 \
  APP(33012, Always, OnAppAbout)          /* Help: About */
// clang-format on
