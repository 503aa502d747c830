#pragma once
// The UI texts by numeric id: a language file (key=text) and the key file
// (key=id) in the program folder's "Languages" folder, joined entry by entry
// by position into one lookup table. Chinese is the default language; the
// chosen one is kept in the language profile Languages/Multilanuage.INI.

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"
#include "shell/base/language/LanguageTables.h"

class CTranslator {
 public:
  // The text of the first entry with this id; empty when there is none.
  CString GetText(int id) const;
  // The text of the id, or `fallback` when the language files have none: a
  // menu keeps its resource caption when its language file is damaged.
  CString GetTextOr(int id, const CString& fallback) const;

  void ClearTables();
  // 1: the configured language's file into g_LngTable; 2: the key file into
  // g_KeyIdTable; other modes do nothing. A missing, empty, oversized or
  // damaged file is reported in a box with a fixed text in both languages;
  // a file holding a byte no entry can hold (shell/base/language/LanguageFile.h)
  // is damaged and none of its texts is taken.
  void LoadSection(int mode);
  void BuildIdTable();
  // The whole load: clear, language file, 500 ms, key file, 500 ms, join.
  void Load();

  // The language named in the profile ("Chinese" when none is).
  CString ConfiguredLanguage() const;
  void SaveLanguage(const CString& name);
  // Records and loads another language; false (and nothing reloaded) when
  // it is already the configured one.
  bool SwitchLanguage(const CString& name);

  // The section splitting of shell/base/language/LanguageTables.h.
  SectionParseReport ParseLngSection(const char* buffer, size_t size = kLngSectionBytes);
  SectionParseReport ParseKeyIdSection(const char* buffer, size_t size = kKeyIdSectionBytes);
  // False when the line is too long (its entry is then left empty).
  bool ParseLngLine(int index, const CString& line);
  bool ParseKeyIdLine(int index, const CString& line);

  // The dialog convention: the caption becomes the text of the template id
  // (the template's caption stays when there is none), then every child in
  // window order whose id has a text gets it.
  void TranslateDialog(HWND dialog, UINT templateId) const;
  // The children only, as the coordinate bar translates itself.
  void TranslateControls(HWND dialog) const;
};

extern CTranslator g_Translator;

// The language folder's files for a program folder ending in '/'.
CString LanguageProfilePath(const CString& programFolder);
// A language name is a plain file name: not empty, no folder separators, no
// leading dot, no control characters.
bool IsPlainLanguageName(const CString& name);