#include "platform/window/ResourceStore.h"

#include "platform/afx/String.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace resources {
namespace {
ResourceStore& Store() {
  static ResourceStore store;
  return store;
}

template <class Map>
void Merge(Map& into, const Map& from) {
  for (const auto& [id, value] : from) into[id] = value;
}

bool LoadFile(const QString& path, std::string* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = path.toStdString() + ": cannot be read";
    return false;
  }
  std::string message;
  bool ok = LoadText(file.readAll().toStdString(), QFileInfo(path).absolutePath().toStdString(),
                     &message);
  if (!ok && error) *error = path.toStdString() + ": " + message;
  return ok;
}

template <class Map>
auto Find(const Map& map, UINT id) -> const typename Map::mapped_type* {
  auto it = map.find(id);
  return it == map.end() ? nullptr : &it->second;
}
}  // namespace

// CString::LoadString reads the string table through this.
BOOL LoadFromStringTable(UINT id, CString& text) {
  auto found = String(id);
  if (!found) return FALSE;
  text = found->c_str();
  return TRUE;
}

bool LoadText(const std::string& text, const std::string& baseFolder, std::string* error) {
  static const bool loaderSet = (AfxSetStringLoader(LoadFromStringTable), true);
  (void)loaderSet;
  ResourceStore parsed;  // a malformed file adds nothing
  std::string message;
  if (!ParseResources(text, baseFolder, parsed, message)) {
    if (error) *error = message;
    return false;
  }
  ResourceStore& s = Store();
  Merge(s.dialogs, parsed.dialogs);
  Merge(s.menus, parsed.menus);
  Merge(s.toolbars, parsed.toolbars);
  Merge(s.strings, parsed.strings);
  Merge(s.bitmaps, parsed.bitmaps);
  Merge(s.icons, parsed.icons);
  Merge(s.cursors, parsed.cursors);
  return true;
}

bool Load(const std::string& path, std::string* error) {
  QFileInfo info(QString::fromStdString(path));
  if (!info.isDir()) return LoadFile(info.filePath(), error);
  bool ok = true;
  for (const QFileInfo& file :
       QDir(info.filePath()).entryInfoList({"*.pmr"}, QDir::Files, QDir::Name))
    ok = LoadFile(file.filePath(), error) && ok;
  return ok;
}

bool LoadDefault(std::string* error) {
  QByteArray folder = qgetenv("PELMORAN_RESOURCES");
#ifdef PELMORAN_RESOURCE_DIR
  if (folder.isEmpty()) folder = PELMORAN_RESOURCE_DIR;
#endif
  return !folder.isEmpty() && Load(folder.toStdString(), error);
}

const DialogTemplate* Dialog(UINT id) { return Find(Store().dialogs, id); }
const MenuTemplate* Menu(UINT id) { return Find(Store().menus, id); }
const ToolbarTemplate* Toolbar(UINT id) { return Find(Store().toolbars, id); }

std::optional<std::string> String(UINT id) {
  const std::string* text = Find(Store().strings, id);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

QImage Bitmap(UINT id) {
  const ImageResource* image = Find(Store().bitmaps, id);
  return image ? QImage(QString::fromStdString(image->path)) : QImage();
}

QImage Icon(UINT id) {
  const ImageResource* image = Find(Store().icons, id);
  return image ? QImage(QString::fromStdString(image->path)) : QImage();
}

QImage Cursor(UINT id, POINT* hotSpot) {
  const ImageResource* image = Find(Store().cursors, id);
  if (!image) return {};
  if (hotSpot) *hotSpot = image->hotSpot;
  return QImage(QString::fromStdString(image->path));
}
}  // namespace resources

int LoadString(HINSTANCE, UINT id, LPSTR buffer, int maxCount) {
  auto text = resources::String(id);
  if (!text || !buffer || maxCount <= 0) return 0;
  size_t n = std::min(text->size(), static_cast<size_t>(maxCount - 1));
  std::memcpy(buffer, text->data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}
