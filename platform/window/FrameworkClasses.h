#pragma once
// This file is not part of the window layer's interface: the window classes
// of frames, views and the MDI client, registered on first use.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

class QWidget;

void RegisterFrameworkClasses();
// The outer widget that carries a window's geometry (an MDI child's sub-window).
QWidget* OuterWidget(QWidget* widget);
