#pragma once
// Any window, drawn as it looks now, into an image or a PNG file for review.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QImage>
#include <string>

QImage RenderWindow(HWND hWnd);
bool RenderWindowToPng(HWND hWnd, const std::string& path);
