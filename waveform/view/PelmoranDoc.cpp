#include "waveform/view/PelmoranDoc.h"

#include "platform/afx/Archive.h"

IMPLEMENT_DYNCREATE(CPelmoranDoc, CDocument)
BEGIN_MESSAGE_MAP(CPelmoranDoc, CDocument)
END_MESSAGE_MAP()

BOOL CPelmoranDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void CPelmoranDoc::SetTitle(LPCSTR) { CDocument::SetTitle("Pelmoran"); }

void CPelmoranDoc::Serialize(CArchive& archive) { (void)archive.IsStoring(); }
