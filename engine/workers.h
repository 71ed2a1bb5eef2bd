// The drawing threads: workers made once that share the tasks of a frame with the
// calling thread, which is one of them. Without a pool every task runs on the caller.
#pragma once

#define VLAKNA_MAX 8  // most drawing threads

// Makes the pool for `pocet` drawing threads (1 … VLAKNA_MAX; the caller is one, so
// pocet − 1 workers); a pool of another count is stopped first. 1 = ready, 0 = the
// count is out of range or the threads could not be made (the caller draws alone).
int Vlakna_Spusti(int pocet);
// Stops and joins the workers; the caller draws alone again.
void Vlakna_Zastav();
// Drawing threads of the pool (1 without one).
int Vlakna_Pocet();
// The count for this machine: PANO_THREADS when it holds 1 … VLAKNA_MAX, else one per
// core, at most VLAKNA_MAX.
int Vlakna_Ziadane();
// Runs uloha(data, k) for every k = 0 … pocet_uloh − 1 on the drawing threads, each task
// once, and returns when all are done. Tasks must not write what another task touches.
void Vlakna_Vykonaj(void (*uloha)(void* data, int k), void* data, int pocet_uloh);
