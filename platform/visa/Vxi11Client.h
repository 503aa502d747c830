#pragma once
// VXI-11 over TCP with libtirpc: asks the portmapper for the core channel's
// port, creates a link, and moves messages with device_write / device_read.
// Writes longer than the link's maximum receive size are split, END only on
// the last piece; reads go on until the server reports END.

#include "platform/visa/VisaResource.h"
#include "platform/visa/VisaTransport.h"

#include <cstdint>
#include <memory>
#include <string>

namespace visa {

// Opens a link to the resource, or returns nullptr with the VISA status.
std::unique_ptr<IVisaTransport> OpenVxi11(const TcpipResource& resource,
                                          std::uint16_t portmapperPort, ViStatus* status);

// The link over a socket already connected to a core channel, which the
// transport then owns: for feeding the client a server's replies directly
// (the fuzz target does). nullptr with the VISA status when it was refused.
std::unique_ptr<IVisaTransport> OpenVxi11OnSocket(int sock, const std::string& device,
                                                  ViStatus* status);

}  // namespace visa
