#include "controls/SharedObjects.h"

#include "controls/SlotNames.h"
#include "platform/com/ErrorInfo.h"

namespace hosted {

using namespace SG;

ImageData::~ImageData() {
  if (picture) picture->Release();
}

namespace {

// Keeps what it edits alive for as long as a wrapper holds it.
class OwnedObject : public SlotObject {
 public:
  OwnedObject(const IID& iid, std::span<const SlotSpec> specs, SlotBag* bag,
              std::shared_ptr<void> owner, std::vector<UINT> methods = {})
      : SlotObject(iid, specs, bag, std::move(methods)), owner_(std::move(owner)) {}

 private:
  std::shared_ptr<void> owner_;
};

class BindingsObject : public SlotObject {
 public:
  explicit BindingsObject(std::shared_ptr<SharedObjects> s)
      : SlotObject(IID_CSgBindings, kBindingsSpecs, &s->bindingsBag), s_(std::move(s)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* args, UINT count, SlotValue* result,
              HRESULT* hr) override {
    if (slot == CollectionSlots::Item && count >= 1 && args[0].kind == SlotKind::Variant &&
        args[0].variant.vt == VT_BSTR)
      return *hr = NoSuchItem(), true;  // bindings are reached by index only
    return CollectionSlot<BindingData>(
        slot, args, count, result, hr, s_->bindings, [] {},
        [this] { return s_->bindings.emplace_back(std::make_shared<BindingData>()); },
        [this](std::shared_ptr<BindingData> b) { return Item(b); });
  }

 private:
  SlotObject* Item(const std::shared_ptr<BindingData>& b) {
    return new OwnedObject(IID_CSgBinding, kBindingSpecs, &b->bag, b,
                           SG_METHOD_SLOTS(SG_BINDING_METHODS));
  }
  std::shared_ptr<SharedObjects> s_;
};

class AnnotationObject : public SlotObject {
 public:
  AnnotationObject(std::shared_ptr<SharedObjects> s, std::shared_ptr<AnnotationData> a)
      : SlotObject(IID_CSgAnnotation, kAnnotationSpecs, &a->bag,
                   SG_METHOD_SLOTS(SG_ANNOTATION_METHODS)),
        s_(std::move(s)),
        a_(std::move(a)) {}

 protected:
  bool Handle(UINT slot, const SlotValue*, UINT, SlotValue* result, HRESULT* hr) override {
    switch (slot) {
      case AnnotationSlots::GetCaption:
        *hr = DeliverObject(result, new OwnedObject(IID_CSgCaption, kCaptionSpecs, &a_->caption, a_,
                                                    SG_METHOD_SLOTS(SG_CAPTION_METHODS)));
        return true;
      case AnnotationSlots::GetShape: *hr = DeliverObject(result, new ShapeObject(a_)); return true;
      case AnnotationSlots::GetArrow:
        *hr = DeliverObject(result, new OwnedObject(IID_CSgArrow, kArrowSpecs, &a_->arrow, a_));
        return true;
    }
    return false;
  }

 private:
  class ShapeObject : public OwnedObject {
   public:
    explicit ShapeObject(std::shared_ptr<AnnotationData> a)
        : OwnedObject(IID_CSgShape, kShapeSpecs, &a->shape, a, SG_METHOD_SLOTS(SG_SHAPE_METHODS)),
          a_(a) {}

   protected:
    bool Handle(UINT slot, const SlotValue*, UINT, SlotValue* result, HRESULT* hr) override {
      if (slot != ShapeSlots::GetImage) return false;
      *hr = DeliverObject(result, NewImageObject(a_, a_->shapeImage));
      return true;
    }

   private:
    std::shared_ptr<AnnotationData> a_;
  };
  std::shared_ptr<SharedObjects> s_;
  std::shared_ptr<AnnotationData> a_;
};

class AnnotationsObject : public SlotObject {
 public:
  explicit AnnotationsObject(std::shared_ptr<SharedObjects> s)
      : SlotObject(IID_CSgAnnotations, kAnnotationsSpecs, &s->annotationsBag), s_(std::move(s)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* args, UINT count, SlotValue* result,
              HRESULT* hr) override {
    auto& items = s_->annotations;
    return CollectionSlot<AnnotationData>(
        slot, args, count, result, hr, items, [] {},
        [&] {
          auto a = std::make_shared<AnnotationData>();
          a->name = "Annotation-" + std::to_string(items.size() + 1);
          return items.emplace_back(std::move(a));
        },
        [this](std::shared_ptr<AnnotationData> a) {
          return NewAnnotationObject(s_, std::move(a));
        });
  }

 private:
  std::shared_ptr<SharedObjects> s_;
};

class ImageObject : public OwnedObject {
 public:
  ImageObject(std::shared_ptr<void> owner, std::shared_ptr<ImageData> d)
      : OwnedObject(IID_CSgImage, kImageSpecs, &d->bag, std::move(owner),
                    SG_METHOD_SLOTS(SG_IMAGE_METHODS)),
        d_(std::move(d)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* args, UINT count, SlotValue* result,
              HRESULT* hr) override {
    if (slot == ImageSlots::GetPicture) {
      if (d_->picture) d_->picture->AddRef();
      *hr = DeliverObject(result, d_->picture);
      return true;
    }
    if (slot == ImageSlots::SetPicture) {
      if ((*hr = NeedArguments(count, 1)) < 0) return true;
      if (args[0].object) args[0].object->AddRef();
      if (d_->picture) d_->picture->Release();
      d_->picture = args[0].object;
      *hr = S_OK;
      return true;
    }
    return false;
  }

 private:
  std::shared_ptr<ImageData> d_;
};

}  // namespace

SlotObject* NewBindingsObject(std::shared_ptr<SharedObjects> shared) {
  return new BindingsObject(std::move(shared));
}
SlotObject* NewAnnotationsObject(std::shared_ptr<SharedObjects> shared) {
  return new AnnotationsObject(std::move(shared));
}
SlotObject* NewAnnotationObject(std::shared_ptr<SharedObjects> shared,
                                std::shared_ptr<AnnotationData> data) {
  return new AnnotationObject(std::move(shared), std::move(data));
}
SlotObject* NewImageObject(std::shared_ptr<void> owner, std::shared_ptr<ImageData> data) {
  return new ImageObject(std::move(owner), std::move(data));
}

std::shared_ptr<ImageData> ImageByKey(SharedObjects& shared, const SlotValue& key) {
  if (key.kind == SlotKind::Variant && key.variant.vt == VT_BSTR) {
    auto& image = shared.images[ArgText(key)];
    if (!image) image = std::make_shared<ImageData>();
    return image;
  }
  const LONG index = ArgInt(key);
  if (index < 1 || static_cast<size_t>(index) > shared.images.size()) return nullptr;
  auto it = shared.images.begin();
  std::advance(it, index - 1);
  return it->second;
}

}  // namespace hosted
