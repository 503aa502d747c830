#include "platform/visa/VisaSessions.h"

#include <map>

namespace visa {
namespace {

struct Table {
  std::mutex lock;
  std::map<ViObject, std::shared_ptr<VisaObject>> objects;
  ViObject next = 1;
};

Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

ViSession AddObject(std::shared_ptr<VisaObject> object) {
  Table& t = TheTable();
  std::lock_guard guard(t.lock);
  ViObject number = t.next++;
  t.objects.emplace(number, std::move(object));
  return number;
}

std::shared_ptr<VisaObject> FindObject(ViObject number) {
  Table& t = TheTable();
  std::lock_guard guard(t.lock);
  auto it = t.objects.find(number);
  return it == t.objects.end() ? nullptr : it->second;
}

bool RemoveObject(ViObject number) {
  std::vector<std::shared_ptr<VisaObject>> closing;  // destroyed outside the lock
  {
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(number);
    if (it == t.objects.end()) return false;
    closing.push_back(it->second);
    bool manager = it->second->kind == VisaObject::Kind::ResourceManager;
    t.objects.erase(it);
    if (manager) {
      for (auto child = t.objects.begin(); child != t.objects.end();) {
        if (child->second->owner == number) {
          closing.push_back(child->second);
          child = t.objects.erase(child);
        } else {
          ++child;
        }
      }
    }
  }
  return true;
}

std::size_t LiveObjectCount() {
  Table& t = TheTable();
  std::lock_guard guard(t.lock);
  return t.objects.size();
}

}  // namespace visa
