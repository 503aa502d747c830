#pragma once
// The objects every hosted control has beside its own: bindings,
// annotations (with caption, shape and arrow) and images by key. The
// controls keep their settings and hand them back; nothing is drawn from
// them.

#include "controls/SlotObject.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace hosted {

struct ImageData {
  SG::SlotBag bag;
  IUnknown* picture = nullptr;  // one reference, released with the data
  ~ImageData();
};

struct BindingData {
  std::string name;  // bindings have none; they are reached by index
  SG::SlotBag bag;
};

struct AnnotationData {
  std::string name;
  SG::SlotBag bag, caption, shape, arrow;
  std::shared_ptr<ImageData> shapeImage = std::make_shared<ImageData>();
};

struct SharedObjects {
  SG::SlotBag bindingsBag, annotationsBag;
  std::vector<std::shared_ptr<BindingData>> bindings;
  std::vector<std::shared_ptr<AnnotationData>> annotations;
  std::shared_ptr<AnnotationData> annotation = std::make_shared<AnnotationData>();
  std::map<std::string, std::shared_ptr<ImageData>> images;
};

// Each returns a new object with one reference for the caller.
SG::SlotObject* NewBindingsObject(std::shared_ptr<SharedObjects> shared);
SG::SlotObject* NewAnnotationsObject(std::shared_ptr<SharedObjects> shared);
SG::SlotObject* NewAnnotationObject(std::shared_ptr<SharedObjects> shared,
                                    std::shared_ptr<AnnotationData> data);
SG::SlotObject* NewImageObject(std::shared_ptr<void> owner, std::shared_ptr<ImageData> data);
// The image of a key (name or 1-based index among the images made so far;
// a new name makes a new image).
std::shared_ptr<ImageData> ImageByKey(SharedObjects& shared, const SG::SlotValue& key);

}  // namespace hosted
