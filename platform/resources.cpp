#include "platform/resources.h"

#include <strings.h>

#include <list>
#include <string>
#include <vector>

namespace {
struct TOwnedResource {
  std::string name;
  std::string type;
  std::vector<unsigned char> bytes;
  TPlatResource res;
};
std::list<TOwnedResource> g_added;  // a list: entries never move, so handles stay valid

bool Matches(const TPlatResource& r, const char* name, const char* type) {
  return strcasecmp(r.name, name) == 0 && strcasecmp(r.type, type) == 0;
}
}  // namespace

HRSRC FindResourceA(HMODULE, const char* name, const char* type) {
  if (!name || !type || (uintptr_t)name < 0x10000 || (uintptr_t)type < 0x10000) return nullptr;
  for (const TOwnedResource& o : g_added)
    if (Matches(o.res, name, type)) return &o.res;
  for (const TPlatResource* r = PLAT_embedded_resources; r->name; r++)
    if (Matches(*r, name, type)) return r;
  return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC res) { return res; }
const void* LockResource(HGLOBAL res) { return res ? res->data : nullptr; }
DWORD SizeofResource(HMODULE, HRSRC res) { return res ? (DWORD)res->size : 0; }

void PLAT_ResourceAdd(const char* name, const char* type, const void* data, size_t size) {
  PLAT_ResourceRemove(name, type);
  g_added.emplace_back();
  TOwnedResource& o = g_added.back();
  o.name = name;
  o.type = type;
  const unsigned char* b = static_cast<const unsigned char*>(data);
  o.bytes.assign(b, b + size);
  o.res = TPlatResource{o.name.c_str(), o.type.c_str(), o.bytes.data(), o.bytes.size()};
}

void PLAT_ResourceRemove(const char* name, const char* type) {
  for (auto it = g_added.begin(); it != g_added.end(); ++it)
    if (Matches(it->res, name, type)) {
      g_added.erase(it);
      return;
    }
}
