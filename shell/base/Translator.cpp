#include "shell/base/Translator.h"

#include "platform/win/ModulePath.h"
#include "platform/win/PrivateProfile.h"
#include "platform/win/Sleep.h"
#include "platform/window/MessageBox.h"
#include "shell/base/language/LanguageFile.h"

#include <cstdio>

CTranslator g_Translator;

namespace {

constexpr const char* kDefaultLanguage = "Chinese";

// The loader's own boxes: the lookup table is empty while it loads, so their
// texts are fixed and in both languages.
void Report(const CString& text) { MessageBox(nullptr, text, nullptr, MB_OK | MB_ICONWARNING); }

// The fixed texts name one thing twice, once in each language.
CString Format(const char* format, const char* subject) {
  CString text;
  text.Format(format, subject, subject);
  return text;
}

// Reads the section of one file into its buffer and parses it.
void LoadFile(const CString& path, char* buffer, DWORD size, language::SectionParser parse) {
  if (path.GetLength() >= kProfilePathMax) {
    Report(
        Format("The path of the language file %s is too long; its texts were not loaded.\n"
               "语言文件 %s 的路径过长，其中的文字未能载入。",
               path));
    return;
  }
  std::snprintf(g_szProfilePath, sizeof g_szProfilePath, "%s", path.GetString());
  const language::FileRead read = language::ReadSectionFile(g_szProfilePath, buffer, size, parse);
  using State = language::FileRead::State;
  switch (read.state) {
    case State::Damaged: {
      CString text;
      const int line = static_cast<int>(read.damagedLine);
      text.Format(
          "The language file %s is damaged: line %d holds a byte that no text may hold (a NUL "
          "or a control character); its texts were not loaded.\n"
          "语言文件 %s 已损坏：第 %d 行含有文字中不能出现的字节（NUL "
          "或控制字符），其中的文字未能载入。",
          g_szProfilePath, line, g_szProfilePath, line);
      Report(text);
      return;
    }
    case State::TooLarge:
      Report(
          Format("The language file %s is too large; its texts were not loaded.\n"
                 "语言文件 %s 过大，其中的文字未能载入。",
                 g_szProfilePath));
      return;
    case State::Empty:
      Report(
          Format("The language file %s is missing or has no [Translation] entries.\n"
                 "语言文件 %s 不存在或其中没有 [Translation] 条目。",
                 g_szProfilePath));
      return;
    case State::Parsed: break;
  }
  const SectionParseReport& report = read.report;
  if (!report.Clean()) {
    CString text;
    text.Format(
        "The language file %s is damaged: %d entries longer than %d characters and %d "
        "entries after the first %d were left out.\n"
        "语言文件 %s 已损坏：%d 条超过 %d 个字符的条目和第 %d 条之后的 %d 条条目未能载入。",
        g_szProfilePath, report.tooLong, kTranslatorLineMax, report.beyondTable, kTranslatorEntries,
        g_szProfilePath, report.tooLong, kTranslatorLineMax, kTranslatorEntries,
        report.beyondTable);
    Report(text);
  }
}

}  // namespace

CString LanguageProfilePath(const CString& programFolder) {
  return programFolder + "Languages/Multilanuage.INI";
}

bool IsPlainLanguageName(const CString& name) {
  const std::string& s = name.str();
  if (s.empty() || s.front() == '.') return false;
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':') return false;
  return true;
}

CString CTranslator::GetText(int id) const {
  for (const IdTextEntry& entry : g_IdTextTable)
    if (entry.id == id) return entry.text;
  return CString();
}

CString CTranslator::GetTextOr(int id, const CString& fallback) const {
  CString text = GetText(id);
  return text.IsEmpty() ? fallback : text;
}

void CTranslator::ClearTables() {
  for (int i = 0; i < kTranslatorEntries; ++i) {
    g_LngTable[i] = LngEntry{};
    g_KeyIdTable[i] = KeyIdEntry{};
    g_IdTextTable[i] = IdTextEntry{};
  }
}

CString CTranslator::ConfiguredLanguage() const {
  char name[256];
  GetPrivateProfileString("Config", "Language", kDefaultLanguage, name, sizeof name,
                          LanguageProfilePath(ProgramFolder().c_str()));
  return name;
}

void CTranslator::LoadSection(int mode) {
  const CString folder = ProgramFolder().c_str();
  if (mode == 1) {
    CString name = ConfiguredLanguage();
    if (!IsPlainLanguageName(name)) {
      Report(
          Format("The language \"%s\" named in Languages/Multilanuage.INI is not a plain file "
                 "name; Chinese is used.\n"
                 "Languages/Multilanuage.INI 中的语言名称“%s”不是普通文件名，改用中文。",
                 name));
      name = kDefaultLanguage;
    }
    LoadFile(folder + "Languages/" + name + ".lng", g_LngSectionBuf, kLngSectionBytes,
             language::ParseLngSection);
  } else if (mode == 2) {
    LoadFile(folder + "Languages/KeyID.INI", g_KeyIdSectionBuf, kKeyIdSectionBytes,
             language::ParseKeyIdSection);
  }
}

SectionParseReport CTranslator::ParseLngSection(const char* buffer, size_t size) {
  return language::ParseLngSection(buffer, size);
}

SectionParseReport CTranslator::ParseKeyIdSection(const char* buffer, size_t size) {
  return language::ParseKeyIdSection(buffer, size);
}

bool CTranslator::ParseLngLine(int index, const CString& line) {
  return language::ParseLngLine(index, line);
}

bool CTranslator::ParseKeyIdLine(int index, const CString& line) {
  return language::ParseKeyIdLine(index, line);
}

void CTranslator::BuildIdTable() {
  for (int i = 0; i < kTranslatorEntries; ++i) {
    if (g_LngTable[i].key.IsEmpty())
      g_IdTextTable[i] = IdTextEntry{};
    else
      g_IdTextTable[i] = IdTextEntry{TranslatorIdValue(g_KeyIdTable[i].idText), g_LngTable[i].text};
  }
}

void CTranslator::Load() {
  ClearTables();
  LoadSection(1);
  Sleep(500);
  LoadSection(2);
  Sleep(500);
  BuildIdTable();
}

void CTranslator::SaveLanguage(const CString& name) {
  if (!IsPlainLanguageName(name)) return;  // never a name the loader would refuse
  WritePrivateProfileString("Config", "Language", name,
                            LanguageProfilePath(ProgramFolder().c_str()));
}

bool CTranslator::SwitchLanguage(const CString& name) {
  if (ConfiguredLanguage() == name) return false;
  SaveLanguage(name);
  Load();
  return true;
}
