#pragma once
// The identifiers of the hosted controls' private interfaces, one per
// wrapper class. Process-wide variables filled during static initialisation.

#include "platform/com/Guid.h"

namespace SG {

// X(wrapper, text): IID_<wrapper> is the interface the wrapper attaches with.
#define SG_CONTROL_INTERFACE_IDS(X)                         \
  X(CSgAxis, "AAE8E191-28C3-4658-9EB5-730E6B026C6E")        \
  X(CSgAxes, "095948A6-524B-491B-98CB-F37A0B0A349F")        \
  X(CSgTicks, "4A9AED9F-1DD3-418E-999F-590D7BDE55CC")       \
  X(CSgValuePair, "BF6B75F8-6AA3-4CE7-AAA8-75A774147351")   \
  X(CSgValuePairs, "599D5DDE-17A3-4768-BBBD-2F83FD1C735D")  \
  X(CSgLabels, "60E190F3-16C0-44FE-8940-3EEE3677BB52")      \
  X(CSgNumEdit, "5DA99987-A6D3-4401-A006-12DEB6CEA1FF")     \
  X(CSgGraph, "E20AC369-DDB1-4FAE-8A5A-9DC9909B96C4")       \
  X(CSgPlots, "70A07B19-520C-4304-92E5-29A391BCC25E")       \
  X(CSgPlot, "4D71C6D4-207F-4E49-AB17-7E1C1411D717")        \
  X(CSgButton, "8C838FF9-1C5A-4B61-80BF-C707F3954437")      \
  X(CSgCursors, "60F41084-F9E0-44D1-9174-33B4FCB1C462")     \
  X(CSgCursor, "6BD1743D-AFAD-4429-AC45-103A00097AB0")      \
  X(CSgBindings, "91D207C1-22F9-4A26-BF87-845A00DDC749")    \
  X(CSgAnnotation, "0DDAE5C8-B0E8-4439-8B54-CE72D6D98EE3")  \
  X(CSgAnnotations, "2128BFBE-2D0E-4F4D-A59E-3EC9C669238A") \
  X(CSgBinding, "88F63D0B-96E2-48EC-85BF-C2F23960C7B8")     \
  X(CSgCaption, "8DC69053-3CC2-4691-B8A4-34EA28B55BD3")     \
  X(CSgShape, "2D2C3455-51E0-4F7B-870A-6BFA2A993AEB")       \
  X(CSgArrow, "669F57E9-C68B-4BC4-B844-21CCBECB4878")       \
  X(CSgImage, "7BD266FB-D465-46D4-A97E-F25B77B756A2")

#define SG_DECLARE_IID(wrapper, text) extern IID IID_##wrapper;
SG_CONTROL_INTERFACE_IDS(SG_DECLARE_IID)
#undef SG_DECLARE_IID

}  // namespace SG
