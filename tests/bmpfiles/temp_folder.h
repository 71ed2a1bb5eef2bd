// A fresh temporary folder that is the current directory for one test (the log file and
// relative paths land there); the former directory comes back and the folder goes away.
#pragma once
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TTempFolder {
 public:
  TTempFolder() {
    char stare[4096];
    if (getcwd(stare, sizeof stare) != nullptr) povodny_ = stare;
    char vzor[] = "/tmp/pano_files_XXXXXX";
    if (mkdtemp(vzor) != nullptr) cesta_ = vzor;
    if (!cesta_.empty() && chdir(cesta_.c_str()) != 0) cesta_.clear();
  }
  ~TTempFolder() {
    if (!povodny_.empty() && chdir(povodny_.c_str()) != 0) std::perror("chdir");
    if (!cesta_.empty()) Zmaz(cesta_);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  bool Ok() const { return !cesta_.empty(); }
  const std::string& Cesta() const { return cesta_; }

  // Names in a folder (default: this one), sorted, without "." and "..".
  static std::vector<std::string> Obsah(const std::string& priecinok = ".") {
    std::vector<std::string> mena;
    if (DIR* d = opendir(priecinok.c_str())) {
      while (const dirent* e = readdir(d)) {
        const std::string m = e->d_name;
        if (m != "." && m != "..") mena.push_back(m);
      }
      closedir(d);
    }
    std::sort(mena.begin(), mena.end());
    return mena;
  }

 private:
  static void Zmaz(const std::string& cesta) {
    struct stat st;
    if (lstat(cesta.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      for (const std::string& m : Obsah(cesta)) Zmaz(cesta + "/" + m);
      rmdir(cesta.c_str());
    } else {
      unlink(cesta.c_str());
    }
  }
  std::string povodny_;
  std::string cesta_;
};

inline std::string CitajSubor(const std::string& cesta) {
  std::ifstream f(cesta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline bool ZapisSubor(const std::string& cesta, const std::string& obsah) {
  std::ofstream f(cesta, std::ios::binary);
  f << obsah;
  return static_cast<bool>(f);
}

// The lines of a text file, without their newlines.
inline std::vector<std::string> Riadky(const std::string& cesta) {
  std::vector<std::string> out;
  std::ifstream f(cesta);
  std::string r;
  while (std::getline(f, r)) out.push_back(r);
  return out;
}
