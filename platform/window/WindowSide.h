#pragma once
// Every header of the window layer includes this one first. Only targets
// that link platform_window get PELMORAN_WINDOW_SIDE, so a numeric library
// (containers, matrix, analysis, parser...) that reaches for a window header
// fails to compile here, whatever else the header needs. The test
// Boundaries.WindowHeadersStayOnTheWindowSide checks it.

#ifndef PELMORAN_WINDOW_SIDE
#error \
    "platform/window belongs to the window side: only targets that link platform_window may include it"
#endif
