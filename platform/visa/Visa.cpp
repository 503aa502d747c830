// The VISA entry points over the session table and the two transports.
#include "platform/visa/Visa.h"

#include "platform/visa/UsbtmcTransport.h"
#include "platform/visa/VisaConfig.h"
#include "platform/visa/VisaResource.h"
#include "platform/visa/VisaSessions.h"
#include "platform/visa/Vxi11Client.h"

#include <cstring>

using visa::VisaObject;

namespace {

using Kind = VisaObject::Kind;

std::shared_ptr<VisaObject> Find(ViObject number, Kind kind) {
  auto object = visa::FindObject(number);
  return object && object->kind == kind ? object : nullptr;
}

void CopyName(const std::string& name, ViChar desc[VI_FIND_BUFLEN]) {
  if (!desc) return;
  std::size_t n = name.size() < VI_FIND_BUFLEN - 1 ? name.size() : VI_FIND_BUFLEN - 1;
  std::memcpy(desc, name.data(), n);
  desc[n] = '\0';
}

std::unique_ptr<visa::IVisaTransport> OpenUsb(const visa::UsbResource& wanted, ViStatus* status) {
  auto system = visa::GetUsbtmcSystem();
  for (const auto& device : system->Enumerate()) {
    if (device.vendorId != wanted.vendorId || device.productId != wanted.productId ||
        device.serial != wanted.serial)
      continue;
    int error = 0;
    auto port = system->Open(device.devnode, &error);
    if (!port) {
      *status = VI_ERROR_RSRC_BUSY;
      return nullptr;
    }
    *status = VI_SUCCESS;
    return visa::MakeUsbtmcTransport(std::move(port));
  }
  *status = VI_ERROR_RSRC_NFOUND;
  return nullptr;
}

}  // namespace

const char* VisaStatusName(ViStatus status) {
#define PELMORAN_VISA_STATUS_NAME(name, value) \
  if (status == name) return #name;
  PELMORAN_VISA_STATUS_TABLE(PELMORAN_VISA_STATUS_NAME)
#undef PELMORAN_VISA_STATUS_NAME
  return "";
}

ViStatus viOpenDefaultRM(ViPSession rm) {
  if (!rm) return VI_ERROR_INV_SETUP;
  auto object = std::make_shared<VisaObject>();
  object->kind = Kind::ResourceManager;
  *rm = visa::AddObject(std::move(object));
  return VI_SUCCESS;
}

ViStatus viFindRsrc(ViSession rm, ViConstString expr, ViPFindList list, ViPUInt32 count,
                    ViChar desc[VI_FIND_BUFLEN]) {
  if (count) *count = 0;
  CopyName("", desc);
  if (!Find(rm, Kind::ResourceManager)) return VI_ERROR_INV_OBJECT;
  if (!expr) return VI_ERROR_INV_EXPR;
  auto object = std::make_shared<VisaObject>();
  object->kind = Kind::FindList;
  object->owner = rm;
  for (const auto& device : visa::GetUsbtmcSystem()->Enumerate()) {
    std::string name = visa::UsbResourceName(device);
    if (visa::MatchResourceExpression(expr, name)) object->pending.push_back(name);
  }
  if (object->pending.empty()) return VI_ERROR_RSRC_NFOUND;
  if (count) *count = static_cast<ViUInt32>(object->pending.size());
  CopyName(object->pending.front(), desc);
  object->pending.erase(object->pending.begin());
  ViFindList number = visa::AddObject(std::move(object));
  if (list) *list = number;
  return VI_SUCCESS;
}

ViStatus viFindNext(ViFindList list, ViChar desc[VI_FIND_BUFLEN]) {
  CopyName("", desc);
  auto object = Find(list, Kind::FindList);
  if (!object) return VI_ERROR_INV_OBJECT;
  std::lock_guard guard(object->io);
  if (object->pending.empty()) return VI_ERROR_RSRC_NFOUND;
  CopyName(object->pending.front(), desc);
  object->pending.erase(object->pending.begin());
  return VI_SUCCESS;
}

ViStatus viOpen(ViSession rm, ViRsrc name, ViAccessMode, ViUInt32, ViPSession vi) {
  if (vi) *vi = VI_NULL;
  if (!Find(rm, Kind::ResourceManager)) return VI_ERROR_INV_OBJECT;
  if (!name || !vi) return VI_ERROR_INV_RSRC_NAME;
  ViStatus status = VI_ERROR_INV_RSRC_NAME;
  std::unique_ptr<visa::IVisaTransport> transport;
  if (auto tcpip = visa::ParseTcpipResource(name))
    transport = visa::OpenVxi11(*tcpip, visa::GetPortmapperPort(), &status);
  else if (auto usb = visa::ParseUsbResource(name))
    transport = OpenUsb(*usb, &status);
  if (!transport) return status;
  auto object = std::make_shared<VisaObject>();
  object->kind = Kind::Instrument;
  object->owner = rm;
  object->transport = std::move(transport);
  *vi = visa::AddObject(std::move(object));
  return VI_SUCCESS;
}

ViStatus viClose(ViObject vi) { return visa::RemoveObject(vi) ? VI_SUCCESS : VI_ERROR_INV_OBJECT; }

ViStatus viClear(ViSession vi) {
  auto object = Find(vi, Kind::Instrument);
  if (!object) return VI_ERROR_INV_OBJECT;
  std::lock_guard guard(object->io);
  return object->transport->Clear();
}

ViStatus viSetAttribute(ViObject vi, ViAttr attr, ViAttrState value) {
  auto object = visa::FindObject(vi);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (attr != VI_ATTR_TMO_VALUE) return VI_ERROR_NSUP_ATTR;
  if (object->kind != Kind::Instrument) return VI_SUCCESS;  // nothing to time out
  if (value > VI_TMO_INFINITE) return VI_ERROR_NSUP_ATTR_STATE;
  std::lock_guard guard(object->io);
  object->transport->SetTimeoutMs(static_cast<ViUInt32>(value));
  return VI_SUCCESS;
}

ViStatus viGetAttribute(ViObject vi, ViAttr attr, void* value) {
  auto object = Find(vi, Kind::Instrument);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (attr != VI_ATTR_TMO_VALUE || !value) return VI_ERROR_NSUP_ATTR;
  std::lock_guard guard(object->io);
  *static_cast<ViUInt32*>(value) = object->transport->TimeoutMs();
  return VI_SUCCESS;
}

ViStatus viWrite(ViSession vi, ViConstBuf buf, ViUInt32 count, ViPUInt32 written) {
  if (written) *written = 0;
  auto object = Find(vi, Kind::Instrument);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (!buf && count) return VI_ERROR_INV_SETUP;
  std::lock_guard guard(object->io);
  std::size_t done = 0;
  ViStatus status = object->transport->Write(buf, count, &done);
  if (written) *written = static_cast<ViUInt32>(done);
  return status;
}

ViStatus viRead(ViSession vi, ViBuf buf, ViUInt32 count, ViPUInt32 got) {
  if (got) *got = 0;
  auto object = Find(vi, Kind::Instrument);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (!buf && count) return VI_ERROR_INV_SETUP;
  std::lock_guard guard(object->io);
  visa::ReadResult r = object->transport->Read(buf, count);
  if (got) *got = static_cast<ViUInt32>(r.count);
  return r.status;
}
