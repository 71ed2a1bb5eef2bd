#include "engine/workers.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr std::chrono::microseconds BDENIE(200);  // the caller's wait for the others' last tasks, awake

std::mutex zamok;                 // guards the job, the end flag and the sleep of both sides
std::condition_variable budik;    // wakes the workers: a new job or the end
std::condition_variable hotovo;   // wakes the caller: the job's last task is done
std::vector<std::thread> vlakna;  // the workers
unsigned zakazka = 0;             // number of the current job
bool koniec = false;              // the workers are to return
void (*uloha_j)(void*, int) = nullptr;
void* data_j = nullptr;
int pocet_j = 0;
// The job's number (upper half) and its next task (lower half): a worker that wakes late
// claims nothing of a job that has ended, so no one waits for it and it never runs a task
// of a later job with the data of an earlier one.
std::atomic<unsigned long long> dalsia{0};
std::atomic<int> hotove{0};  // tasks of the job done

// Claims and runs tasks of job `cislo` until none is left.
void Vlakna_ber(unsigned cislo, void (*uloha)(void*, int), void* data, int pocet) {
  unsigned long long v = dalsia.load(std::memory_order_relaxed);
  for (;;) {
    if ((unsigned)(v >> 32) != cislo || (int)(unsigned)v >= pocet) return;
    if (!dalsia.compare_exchange_weak(v, v + 1, std::memory_order_relaxed)) continue;
    uloha(data, (int)(unsigned)v);
    // The pixels of the task reach the caller through this count.
    if (hotove.fetch_add(1, std::memory_order_acq_rel) + 1 == pocet) {
      std::lock_guard<std::mutex> l(zamok);
      hotovo.notify_one();
    }
    v = dalsia.load(std::memory_order_relaxed);
  }
}

// A worker: sleeps until a job or the end, helps with the job, sleeps again. A job that
// comes while it is busy or still asleep is done without it.
void Vlakna_pracuj() {
  unsigned posledna = 0;  // a job under way when the worker starts is joined
  std::unique_lock<std::mutex> l(zamok);
  for (;;) {
    budik.wait(l, [&] { return koniec || zakazka != posledna; });
    if (koniec) return;
    posledna = zakazka;
    void (*const uloha)(void*, int) = uloha_j;
    void* const data = data_j;
    const int pocet = pocet_j;
    l.unlock();
    Vlakna_ber(posledna, uloha, data, pocet);
    l.lock();
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
  } catch (const std::exception&) {  // no thread or no memory for one
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
  unsigned cislo;
  {
    std::lock_guard<std::mutex> l(zamok);
    cislo = ++zakazka;
    uloha_j = uloha;
    data_j = data;
    pocet_j = pocet_uloh;
    hotove.store(0, std::memory_order_relaxed);
    dalsia.store((unsigned long long)cislo << 32, std::memory_order_relaxed);
  }
  budik.notify_all();
  Vlakna_ber(cislo, uloha, data, pocet_uloh);
  // What the others still run are their last tasks, short ones: wait for them awake for a
  // while, as falling asleep and being woken would take about as long again.
  const auto koniec_bdenia = std::chrono::steady_clock::now() + BDENIE;
  while (hotove.load(std::memory_order_acquire) != pocet_uloh && std::chrono::steady_clock::now() < koniec_bdenia)
    std::this_thread::yield();
  std::unique_lock<std::mutex> l(zamok);
  hotovo.wait(l, [&] { return hotove.load(std::memory_order_acquire) == pocet_uloh; });
}
