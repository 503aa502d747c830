#include "containers/SgInterfaceIds.h"

namespace SG {

#define SG_DEFINE_IID(wrapper, text) IID IID_##wrapper = GuidFromText(text);
SG_CONTROL_INTERFACE_IDS(SG_DEFINE_IID)
#undef SG_DEFINE_IID

}  // namespace SG
