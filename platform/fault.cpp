#include "platform/fault.h"

namespace {
struct TFault {
  int skip = 0;
  int times = 0;  // 0: no fault armed; < 0: forever
  HRESULT code = E_FAIL;
  int calls = 0;
};
TFault g_faults[PC_COUNT];
}  // namespace

void PLAT_FaultSet(TPlatCall call, int skip, int times, HRESULT code) {
  TFault& f = g_faults[call];
  f.skip = skip;
  f.times = times;
  f.code = code;
}

void PLAT_FaultClear() {
  for (TFault& f : g_faults) f = TFault();
}

bool PLAT_FaultHit(TPlatCall call, HRESULT* code) {
  TFault& f = g_faults[call];
  f.calls++;
  if (f.times == 0) return false;
  if (f.skip > 0) {
    f.skip--;
    return false;
  }
  if (f.times > 0) f.times--;
  if (code) *code = f.code;
  return true;
}

size_t PLAT_FaultBytes(size_t n) {
  TFault& f = g_faults[PC_FileWrite];
  f.calls++;
  if (f.times == 0) return n;
  if ((size_t)f.skip >= n) {
    f.skip -= (int)n;
    return n;
  }
  const size_t left = (size_t)f.skip;
  f.skip = 0;
  return left;
}

int PLAT_CallCount(TPlatCall call) { return g_faults[call].calls; }
