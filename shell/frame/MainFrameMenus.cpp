// The main frame's texts: menu captions, drawing-mode marks, tooltips, the
// status bar's panes, the window title and the language switch.
#include "shell/frame/MainFrame.h"

#include "platform/afx/Time.h"
#include "platform/window/Menu.h"
#include "platform/window/Resources.h"
#include "platform/window/WinApp.h"
#include "shell/base/ActiveChild.h"
#include "shell/base/Translator.h"

#include <cstring>
#include <vector>

namespace {
constexpr UINT kMenu = 129;
constexpr int kTopLevelItems = 10;
constexpr int kStatusReady = 181;
constexpr int kStatusDate = 183;
constexpr const char* kAppTitle = "Pelmoran";

// The resource caption of the k-th top-level item (from 1), of the nested
// drop-down at `position` of it, or of a command.
const MenuItemTemplate* TopLevelTemplate(int k) {
  const MenuTemplate* menu = resources::Menu(kMenu);
  return menu && k >= 1 && k <= static_cast<int>(menu->items.size()) ? &menu->items[k - 1]
                                                                     : nullptr;
}

const MenuItemTemplate* FindCommandTemplate(const std::vector<MenuItemTemplate>& items, UINT id) {
  for (const MenuItemTemplate& item : items) {
    if (!item.IsPopup() && item.id == id) return &item;
    if (const MenuItemTemplate* found = FindCommandTemplate(item.children, id)) return found;
  }
  return nullptr;
}

CString CommandCaption(UINT id) {
  const MenuTemplate* menu = resources::Menu(kMenu);
  const MenuItemTemplate* item = menu ? FindCommandTemplate(menu->items, id) : nullptr;
  const CString translated = ShellText(static_cast<int>(id));
  return translated.IsEmpty() && item ? CString(item->text.c_str()) : translated;
}

CString Caption(int textId, const MenuItemTemplate* item) {
  const CString translated = textId ? ShellText(textId) : CString();
  return translated.IsEmpty() && item ? CString(item->text.c_str()) : translated;
}

// The text id of a nested drop-down of the k-th top-level item: 110 in
// Draw, 111 in Math, 112 in Language, none elsewhere.
int NestedTextId(int k) { return k == 4 ? 110 : k == 5 ? 111 : k == 9 ? 112 : 0; }

// A popup keeps its drop-down, an item its command id.
void SetItemCaption(HMENU menu, int position, UINT flags, const CString& caption, UINT id = 0) {
  const UINT_PTR newId =
      (flags & MF_POPUP) ? reinterpret_cast<UINT_PTR>(GetSubMenu(menu, position)) : id;
  ModifyMenu(menu, static_cast<UINT>(position), MF_BYPOSITION | flags, newId, caption);
}

void TranslateMenu(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  const int first = count > kTopLevelItems ? 1 : 0;  // a maximised child's system menu
  for (int k = 1; k <= kTopLevelItems && first + k - 1 < count; ++k) {
    const int position = first + k - 1;
    const MenuItemTemplate* top = TopLevelTemplate(k);
    SetItemCaption(menu, position, MF_POPUP, Caption(k, top));
    HMENU dropDown = GetSubMenu(menu, position);
    if (!dropDown) continue;
    const int items = GetMenuItemCount(dropDown);
    const int last = k == 8 ? std::min(items, 2) : items;  // Window: the open windows keep theirs
    for (int j = 0; j < last; ++j) {
      if (HMENU nested = GetSubMenu(dropDown, j)) {
        const MenuItemTemplate* nestedTemplate =
            top && j < static_cast<int>(top->children.size()) ? &top->children[j] : nullptr;
        SetItemCaption(dropDown, j, MF_POPUP, Caption(NestedTextId(k), nestedTemplate));
        for (int n = 0; n < GetMenuItemCount(nested); ++n) {
          const UINT id = GetMenuItemID(nested, n);
          if (id == 0 || id == static_cast<UINT>(-1)) continue;
          SetItemCaption(nested, n, MF_STRING, CommandCaption(id), id);
          EnableMenuItem(nested, id, MF_BYCOMMAND | MF_ENABLED);
        }
        continue;
      }
      const UINT id = GetMenuItemID(dropDown, j);
      if (id == 0 || id == static_cast<UINT>(-1)) continue;
      SetItemCaption(dropDown, j, MF_STRING, CommandCaption(id), id);
      EnableMenuItem(dropDown, id, MF_BYCOMMAND | MF_ENABLED);
    }
  }
}
}  // namespace

HMENU CMainFrame::SharedMenu() const {
  CWinApp* app = AfxGetApp();
  if (!app || !app->m_pDocManager) return nullptr;
  POSITION pos = app->m_pDocManager->GetFirstDocTemplatePosition();
  CDocTemplate* tmpl = pos ? app->m_pDocManager->GetNextDocTemplate(pos) : nullptr;
  return tmpl ? tmpl->m_hMenuShared : nullptr;
}

// Both menus, so the one shown after the last waveform window closes (or
// the first opens) is in the language chosen meanwhile.
void CMainFrame::TranslateMenus() {
  for (HMENU menu : {m_hMenuDefault, SharedMenu()})
    if (menu) TranslateMenu(menu);
  // Redrawn: texts of another script may need a taller bar.
  RecalcLayout();
}

void CMainFrame::CheckItem(UINT id, bool checked) {
  for (HMENU menu : {m_hMenuDefault, SharedMenu()})
    if (menu) CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

BOOL CMainFrame::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
  UINT_PTR id = header->idFrom;
  const bool wide = header->code == TTN_NEEDTEXTW;
  const UINT flags = wide ? reinterpret_cast<TOOLTIPTEXTW*>(header)->uFlags
                          : reinterpret_cast<TOOLTIPTEXTA*>(header)->uFlags;
  if (flags & TTF_IDISHWND) id = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(id)));
  if (id == 0) return TRUE;
  const CString text = ShellText(static_cast<int>(id));
  if (wide) {
    auto* tip = reinterpret_cast<TOOLTIPTEXTW*>(header);
    const std::u16string wideText = QString::fromUtf8(text.GetString()).left(79).toStdU16String();
    std::memcpy(tip->szText, wideText.data(), wideText.size() * sizeof(WCHAR));
    tip->szText[wideText.size()] = 0;
  } else {
    auto* tip = reinterpret_cast<TOOLTIPTEXTA*>(header);
    // At most 79 bytes, never a character cut in two.
    int length = std::min(text.GetLength(), 79);
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80 &&
           length < text.GetLength())
      --length;
    std::memcpy(tip->szText, text.GetString(), static_cast<size_t>(length));
    tip->szText[length] = 0;
  }
  *result = 0;
  return TRUE;
}

void CMainFrame::UpdateStatusTexts() {
  const CTime today = CTime::GetCurrentTime();
  CString date;
  date.Format("%04d\\%02d\\%02d", today.GetYear(), today.GetMonth(), today.GetDay());
  m_wndStatusBar.SetPaneText(2, ShellText(kStatusDate) + date);
  m_wndStatusBar.SetPaneText(1, ShellText(kStatusReady));
}

void CMainFrame::SwitchLanguage(const char* name) {
  if (!g_Translator.SwitchLanguage(name)) return;
  TranslateMenus();
  m_wndCoordinateBar.TranslateControls();
  UpdateStatusTexts();
}

void CMainFrame::UpdateFrameTitle() {
  if (!m_hWnd) return;
  CString title(kAppTitle);
  if (CMDIChildWnd* child = MDIGetActive()) {
    const CString name = child->GetWindowTextString();
    if (!name.IsEmpty()) title += " - " + name;
  }
  if (GetWindowTextString() != title) SetWindowText(title);
}
