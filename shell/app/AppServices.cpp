#include "shell/app/AppServices.h"

#include "shell/base/Translator.h"

std::string AppServices::Text(int id) { return g_Translator.GetText(id).str(); }
