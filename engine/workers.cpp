#include "engine/workers.h"

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::mutex zamok;                    // guards everything below but the task counter
std::condition_variable budik;       // wakes the workers: a new job or the end
std::condition_variable hotovo;      // wakes the caller: the last worker left the job
std::vector<std::thread> vlakna;     // the workers
unsigned long long zakazka = 0;      // number of the current job
bool koniec = false;                 // the workers are to return
int v_praci = 0;                     // workers still inside the current job
void (*uloha_j)(void*, int) = nullptr;
void* data_j = nullptr;
int pocet_j = 0;
std::atomic<int> dalsia{0};          // the next task of the job to take

// Takes the job's tasks one by one until none is left; long and short tasks even out.
void Vlakna_ber(void (*uloha)(void*, int), void* data, int pocet) {
  for (int k = dalsia.fetch_add(1, std::memory_order_relaxed); k < pocet;
       k = dalsia.fetch_add(1, std::memory_order_relaxed))
    uloha(data, k);
}

// A worker: sleeps until a job or the end, works, reports, sleeps again.
void Vlakna_pracuj() {
  unsigned long long posledna = 0;
  std::unique_lock<std::mutex> l(zamok);
  for (;;) {
    budik.wait(l, [&] { return koniec || zakazka != posledna; });
    if (koniec) return;
    posledna = zakazka;
    void (*const uloha)(void*, int) = uloha_j;
    void* const data = data_j;
    const int pocet = pocet_j;
    l.unlock();
    Vlakna_ber(uloha, data, pocet);
    l.lock();
    if (--v_praci == 0) hotovo.notify_one();
  }
}

// Joins the workers left running when the program ends.
struct TVlakna_koniec {
  ~TVlakna_koniec() { Vlakna_Zastav(); }
} vlakna_koniec;

}  // namespace

int Vlakna_Spusti(int pocet) {
  if (pocet < 1 || pocet > VLAKNA_MAX) return 0;
  if (pocet == Vlakna_Pocet()) return 1;
  Vlakna_Zastav();
  try {
    for (int i = 1; i < pocet; ++i) vlakna.emplace_back(Vlakna_pracuj);
  } catch (const std::system_error&) {
    Vlakna_Zastav();
    return 0;
  }
  return 1;
}

void Vlakna_Zastav() {
  {
    std::lock_guard<std::mutex> l(zamok);
    koniec = true;
  }
  budik.notify_all();
  for (std::thread& t : vlakna) t.join();
  vlakna.clear();
  koniec = false;
}

int Vlakna_Pocet() { return (int)vlakna.size() + 1; }

int Vlakna_Ziadane() {
  const char* const text = std::getenv("PANO_THREADS");
  if (text != nullptr) {
    char* zvysok = nullptr;
    const long n = std::strtol(text, &zvysok, 10);
    if (zvysok != text && *zvysok == '\0' && n >= 1 && n <= VLAKNA_MAX) return (int)n;
  }
  const unsigned jadra = std::thread::hardware_concurrency();
  return jadra < 1 ? 1 : (jadra > VLAKNA_MAX ? VLAKNA_MAX : (int)jadra);
}

void Vlakna_Vykonaj(void (*uloha)(void*, int), void* data, int pocet_uloh) {
  if (vlakna.empty() || pocet_uloh <= 1) {
    for (int k = 0; k < pocet_uloh; ++k) uloha(data, k);
    return;
  }
  {
    std::lock_guard<std::mutex> l(zamok);
    uloha_j = uloha;
    data_j = data;
    pocet_j = pocet_uloh;
    dalsia.store(0, std::memory_order_relaxed);
    v_praci = (int)vlakna.size();
    ++zakazka;
  }
  budik.notify_all();
  Vlakna_ber(uloha, data, pocet_uloh);
  // The workers' pixels are seen here: each one left the job under the lock.
  std::unique_lock<std::mutex> l(zamok);
  hotovo.wait(l, [] { return v_praci == 0; });
}
