#include "DockingFixture.h"

namespace docking_test {
BEGIN_MESSAGE_MAP(CEdgeBar, CControlBar)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcButton)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcButton)
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
    ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
END_MESSAGE_MAP()
}  // namespace docking_test
