#pragma once
// CCmdTarget and message maps: each class lists the messages, commands,
// notifications and update handlers it takes; a message not in a class's map
// is looked up in its base class's map.

#include "platform/window/WindowSide.h"

#include "platform/afx/Object.h"
#include "platform/window/WinUser.h"

class CCmdTarget;
class CCmdUI;

// One entry of a message map. `call` cracks the message's parameters and
// calls the member; `extra` carries a CCmdUI* for update handlers, an NMHDR*
// with its result slot for notifications.
struct AFX_NOTIFY {
  NMHDR* header;
  LRESULT* result;
};
struct AFX_MSGMAP_ENTRY {
  UINT message;  // WM_COMMAND, WM_NOTIFY, a window message, or 0 at the end
  UINT code;     // control notification code, or the CN_ kind below
  UINT firstId;
  UINT lastId;
  LRESULT (*call)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, void* extra);
};
struct AFX_MSGMAP {
  const AFX_MSGMAP* (*baseMap)();
  const AFX_MSGMAP_ENTRY* entries;
};

// Kinds of WM_COMMAND entries besides control notification codes.
inline constexpr UINT CN_COMMAND = 0;
inline constexpr UINT CN_UPDATE_COMMAND_UI = 0xFFFFFFFF;
// Reflected notifications travel as their message plus this base.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;
  // Routes a WM_COMMAND (nCode: a control notification code, CN_COMMAND or
  // CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra) to this object's map;
  // true when a handler took it. With pHandlerInfo set, only tells whether
  // there is a handler.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
  // The entry for a message in this object's maps, most derived first.
  const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;
  friend class CWnd;
};

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, 0, nullptr }                                                    \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

#define AFX_TARGET static_cast<ThisClass*>(t)
#define AFX_ENTRY(msg, code, first, last, body)                                     \
  {msg, static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
   [](CCmdTarget* t, WPARAM w, LPARAM l, void* x) -> LRESULT {                      \
     (void)t, (void)w, (void)l, (void)x;                                            \
     body                                                                           \
   }},

// Commands, update handlers, control notifications and private messages.
#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AFX_TARGET->fn(); return TRUE;)
#define ON_COMMAND_RANGE(first, last, fn) \
  AFX_ENTRY(WM_COMMAND, CN_COMMAND, first, last, AFX_TARGET->fn(static_cast<UINT>(w)); return TRUE;)
#define ON_UPDATE_COMMAND_UI(id, fn)                                                           \
  AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AFX_TARGET->fn(static_cast<CCmdUI*>(x)); \
            return TRUE;)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)        \
  AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, \
            AFX_TARGET->fn(static_cast<CCmdUI*>(x));       \
            return TRUE;)
#define ON_CONTROL(code, id, fn) AFX_ENTRY(WM_COMMAND, code, id, id, AFX_TARGET->fn(); return TRUE;)
#define ON_CONTROL_RANGE(code, first, last, fn) \
  AFX_ENTRY(WM_COMMAND, code, first, last, AFX_TARGET->fn(static_cast<UINT>(w)); return TRUE;)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_NOTIFY(code, id, fn)                                             \
  AFX_ENTRY(WM_NOTIFY, code, id, id, auto* n = static_cast<AFX_NOTIFY*>(x); \
            AFX_TARGET->fn(n->header, n->result); return TRUE;)
#define ON_NOTIFY_RANGE(code, first, last, fn)                                   \
  AFX_ENTRY(WM_NOTIFY, code, first, last, auto* n = static_cast<AFX_NOTIFY*>(x); \
            AFX_TARGET->fn(static_cast<UINT>(w), n->header, n->result); return TRUE;)
// The handler says whether it took the notification.
#define ON_NOTIFY_EX_RANGE(code, first, last, fn)                                \
  AFX_ENTRY(WM_NOTIFY, code, first, last, auto* n = static_cast<AFX_NOTIFY*>(x); \
            return AFX_TARGET->fn(static_cast<UINT>(w), n->header, n->result);)
#define ON_MESSAGE(msg, fn) AFX_ENTRY(msg, 0, 0, 0, return AFX_TARGET->fn(w, l);)
#define ON_REGISTERED_MESSAGE(msg, fn) ON_MESSAGE(msg, fn)

// Notifications a control handles itself when its parent passes them back.
#define ON_NOTIFY_REFLECT(code, fn)                           \
  AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0xFFFFFFFF, \
            auto* n = static_cast<AFX_NOTIFY*>(x);            \
            AFX_TARGET->fn(n->header, n->result); return TRUE;)
#define ON_CONTROL_REFLECT(code, fn) \
  AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0xFFFFFFFF, AFX_TARGET->fn(); return TRUE;)
#define ON_CBN_CLOSEUP_REFLECT() ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseup)
