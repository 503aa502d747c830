#pragma once
// The table of live VISA objects (resource managers, find lists, instrument
// sessions). Numbers count up and are never reused; closing an object
// removes it, and closing a resource manager closes what was opened through it.

#include "platform/visa/VisaTransport.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace visa {

struct VisaObject {
  enum class Kind { ResourceManager, FindList, Instrument } kind;
  ViSession owner = 0;                        // the resource manager it came from
  std::vector<std::string> pending;           // find list: names not yet reported
  std::unique_ptr<IVisaTransport> transport;  // instrument
  std::mutex io;                              // one call at a time on a session
};

ViSession AddObject(std::shared_ptr<VisaObject> object);
std::shared_ptr<VisaObject> FindObject(ViObject number);
// Removes the object (and, for a resource manager, its children); false when unknown.
bool RemoveObject(ViObject number);
std::size_t LiveObjectCount();

}  // namespace visa
