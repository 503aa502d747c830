#pragma once
// What every tool dialog shares: translation when it opens, the keys (Enter
// runs the dialog's main action while its button is enabled, Esc does
// nothing, closing the window cancels) and the end of its run, which
// releases the dialog's working vectors.

#include "platform/window/DataExchange.h"
#include "platform/window/Dialog.h"

class CToolDialog : public CDialog {
 public:
  // commitId: the button of the main action; cancelId: the Cancel button.
  CToolDialog(UINT templateId, int commitId, int cancelId)
      : CDialog(templateId), m_commitId(commitId), m_cancelId(cancelId) {}

 protected:
  BOOL OnInitDialog() override;
  // The caption by the template id and each control by its own id, where
  // the language files have a text.
  virtual void TranslateControls();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // The main action (its button, or Enter).
  virtual void OnCommit() = 0;
  // The run has ended, however: drop what the dialog computed.
  virtual void ReleaseWork() {}
  void OnClose();
  void OnDestroy();
  // Enables or disables a control by id.
  void Enable(int id, bool enable);
  void Show(int id, bool show);
  bool IsEnabled(int id) const;
  int CurSel(int id) const;
  void SelectIndex(int id, int index);
  void FillList(int id, const char* const* texts, int count);
  CString ItemText(int id) const;
  // Blanks typed into an edit vanish as they are typed (the caret steps back).
  void RemoveTypedBlanks(int id);
  // An amplitude above 20 Vpp (20000 mVpp) or, leaving the field, below
  // 0.002 Vpp (2 mVpp): the message (316 or 329) and the limit as the text.
  void LimitAmplitudeAbove(int id, bool vpp, double amplitude);
  void LimitAmplitudeBelow(int id, bool vpp, double amplitude);
  // The text of entry index of a combo box.
  CString ListText(int id, int index) const;

  int m_commitId;
  int m_cancelId;
  DECLARE_MESSAGE_MAP()
};
