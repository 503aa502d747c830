#include "platform/window/ToolTip.h"

#include "platform/window/WindowApi.h"

#include <QWidget>

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD) { return parent != nullptr; }

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCSTR text, LPCRECT, UINT_PTR) {
  if (!tool || !tool->m_hWnd) return FALSE;
  m_tools[tool->m_hWnd] = text;
  Apply(tool->m_hWnd);
  return TRUE;
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) { m_delays[which] = milliseconds; }

int CToolTipCtrl::GetDelayTime(DWORD which) const {
  const auto found = m_delays.find(which);
  return found == m_delays.end() ? 0 : found->second;
}

void CToolTipCtrl::Activate(BOOL active) {
  m_active = active != FALSE;
  for (const auto& [tool, text] : m_tools) Apply(tool);
}

CString CToolTipCtrl::GetShownText(HWND tool) const {
  QWidget* widget = WidgetOf(tool);
  return widget ? CString(widget->toolTip().toUtf8().constData()) : CString();
}

void CToolTipCtrl::Apply(HWND tool) const {
  if (QWidget* widget = WidgetOf(tool))
    widget->setToolTip(m_active ? QString::fromUtf8(m_tools.at(tool).GetString()) : QString());
}
