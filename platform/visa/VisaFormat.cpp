// Formatted I/O: viPrintf writes the formatted text as one message; viScanf
// reads one whole response as text into a bounded buffer.
#include "platform/visa/Visa.h"

#include "platform/visa/VisaSessions.h"
#include "platform/win/NumericLocale.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::shared_ptr<visa::VisaObject> Instrument(ViSession vi) {
  auto object = visa::FindObject(vi);
  return object && object->kind == visa::VisaObject::Kind::Instrument ? object : nullptr;
}

// Reads and drops the rest of a response so the next read starts a new one.
void DrainToEnd(visa::IVisaTransport& transport) {
  unsigned char scratch[4096];
  for (;;) {
    visa::ReadResult r = transport.Read(scratch, sizeof scratch);
    if (r.status < 0 || r.end) return;
  }
}

}  // namespace

ViStatus viPrintf(ViSession vi, ViConstString format, ...) {
  auto object = Instrument(vi);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (!format) return VI_ERROR_INV_FMT;
  // Numbers go to the instrument with a point, whatever the desktop's locale.
  va_list args;
  va_start(args, format);
  std::string text = FormatInCLocaleV(format, args);
  va_end(args);
  std::lock_guard guard(object->io);
  std::size_t written = 0;
  return object->transport->Write(reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                                  &written);
}

ViStatus viScanf(ViSession vi, ViConstString format, ...) {
  auto object = Instrument(vi);
  if (!object) return VI_ERROR_INV_OBJECT;
  if (!format || format[0] != '%') return VI_ERROR_INV_FMT;
  // "%t", "%<width>t" or "%#t"; nothing else is needed by the callers.
  const char* p = format + 1;
  bool sizeArgument = false;
  ViUInt32 width = kVisaPlainTextLimit;
  if (*p == '#') {
    sizeArgument = true;
    ++p;
  } else if (std::isdigit(static_cast<unsigned char>(*p))) {
    width = static_cast<ViUInt32>(std::strtoul(p, const_cast<char**>(&p), 10));
  }
  if (*p != 't')
    return std::isalpha(static_cast<unsigned char>(*p)) ? VI_ERROR_NSUP_FMT : VI_ERROR_INV_FMT;
  if (p[1] != '\0' && std::string(p + 1) != "\n") return VI_ERROR_NSUP_FMT;

  va_list args;
  va_start(args, format);
  ViUInt32* sizeInOut = sizeArgument ? va_arg(args, ViUInt32*) : nullptr;
  char* buffer = va_arg(args, char*);
  va_end(args);
  if (sizeInOut) width = *sizeInOut;
  if (!buffer || width == 0) return VI_ERROR_INV_SETUP;

  std::lock_guard guard(object->io);
  visa::ReadResult r = object->transport->Read(reinterpret_cast<unsigned char*>(buffer), width - 1);
  buffer[r.count] = '\0';
  if (sizeInOut) *sizeInOut = static_cast<ViUInt32>(r.count);
  if (r.status < 0) return r.status;
  if (!r.end) DrainToEnd(*object->transport);
  return VI_SUCCESS;
}
