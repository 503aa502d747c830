#pragma once
// A VISA transport over one usbtmc port: a write is one message, a read takes
// the response until the driver reports its end.

#include "platform/visa/UsbtmcSystem.h"
#include "platform/visa/VisaTransport.h"

namespace visa {

std::unique_ptr<IVisaTransport> MakeUsbtmcTransport(std::unique_ptr<IUsbtmcPort> port);

}  // namespace visa
