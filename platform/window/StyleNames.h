#pragma once
// Style and id names as resource files write them.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <optional>
#include <string>

std::optional<DWORD> StyleValue(const std::string& name);
std::optional<long> NamedId(const std::string& name);
