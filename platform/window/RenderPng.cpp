#include "platform/window/RenderPng.h"

#include "platform/window/WindowApi.h"

#include <QPixmap>
#include <QWidget>

QImage RenderWindow(HWND hWnd) {
  QWidget* w = WidgetOf(hWnd);
  if (!w) return {};
  if (!w->testAttribute(Qt::WA_WState_Polished)) w->ensurePolished();
  return w->grab().toImage();
}

bool RenderWindowToPng(HWND hWnd, const std::string& path) {
  QImage image = RenderWindow(hWnd);
  return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}
