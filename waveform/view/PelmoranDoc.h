#pragma once
// CPelmoranDoc: the document of a waveform window. It holds nothing: the
// waveform lives in the store (waveform/WaveStore.h) and the view finds it
// by its window's caption. Every document is titled with the product's name.

#include "platform/window/WindowSide.h"

#include "platform/window/Document.h"

class CArchive;

class CPelmoranDoc : public CDocument {
  DECLARE_DYNCREATE(CPelmoranDoc)

 public:
  BOOL OnNewDocument() override;
  void SetTitle(LPCSTR title) override;
  // Writes and reads nothing: waveforms are saved by the view's commands.
  void Serialize(CArchive& archive) override;

 protected:
  DECLARE_MESSAGE_MAP()
};
