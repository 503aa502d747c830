#include "platform/window/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->baseMap ? map->baseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->entries; e->message; ++e) {
      if (e->message != message) continue;
      bool keyed = message == WM_COMMAND || message == WM_NOTIFY ||
                   message == WM_REFLECT_BASE + WM_COMMAND ||
                   message == WM_REFLECT_BASE + WM_NOTIFY;
      if (!keyed) return e;
      if (e->code == code && id >= e->firstId && id <= e->lastId) return e;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
  if (!entry) return FALSE;
  if (pHandlerInfo) return TRUE;  // only asked whether a handler exists
  entry->call(this, nID, 0, pExtra);
  return TRUE;
}
