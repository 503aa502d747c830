#pragma once
// CPelmoranApp: the application object. InitInstance brings the program up
// in a fixed order (skin, hosted controls, OLE, translator, the document
// template of the waveform windows, the main frame, files named on the
// command line, the window placement); the application handles About,
// Open, Save, Save As, Print Preview and Print (FrameCommands.h), passing
// the last five to the main frame as private messages.
//
// The waveform windows' document and view classes are given to it (the
// program gives the editor's own), so the shell needs nothing of the view
// but its messages.

#include "platform/window/WindowSide.h"

#include "platform/window/WinApp.h"

#include <string>
#include <vector>

class CMainFrame;

class CPelmoranApp : public CWinApp {
 public:
  CPelmoranApp(CRuntimeClass* documentClass, CRuntimeClass* viewClass);
  ~CPelmoranApp() override;

  BOOL InitInstance() override;
  // The program's arguments after its own name: each names a waveform file
  // to open at start-up.
  void SetCommandLine(std::vector<std::string> arguments) { m_arguments = std::move(arguments); }
  CMainFrame* MainFrame() const;

  // The application's commands.
  void OnAppAbout();
  void OnNewWaveform();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFilePrintPreview();
  void OnFilePrint();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  void SendToMainFrame(UINT message);

  CRuntimeClass* m_pDocumentClass;
  CRuntimeClass* m_pViewClass;
  std::vector<std::string> m_arguments;
  bool m_bOleInitialized = false;
};
