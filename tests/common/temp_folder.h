// A fresh temporary folder that is the current directory for one test (the log file and
// relative paths land there); the former directory comes back and the folder goes away.
#pragma once
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

class TTempFolder {
 public:
  TTempFolder() : povodny_(std::filesystem::current_path(chyba_)) {
    char vzor[] = "/tmp/pano_files_XXXXXX";
    if (mkdtemp(vzor) != nullptr) cesta_ = vzor;
    std::filesystem::current_path(cesta_, chyba_);
    if (chyba_) cesta_.clear();
  }
  ~TTempFolder() {
    std::filesystem::current_path(povodny_, chyba_);
    if (!cesta_.empty()) std::filesystem::remove_all(cesta_, chyba_);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  bool Ok() const { return !cesta_.empty(); }
  const std::string& Cesta() const { return cesta_; }

  // Names in a folder (default: this one), sorted.
  static std::vector<std::string> Obsah(const std::string& priecinok = ".") {
    std::vector<std::string> mena;
    std::error_code e;
    for (const auto& z : std::filesystem::directory_iterator(priecinok, e)) mena.push_back(z.path().filename());
    std::sort(mena.begin(), mena.end());
    return mena;
  }

 private:
  std::error_code chyba_;
  std::filesystem::path povodny_;
  std::string cesta_;
};

inline std::string CitajSubor(const std::string& cesta) {
  std::stringstream s;
  s << std::ifstream(cesta, std::ios::binary).rdbuf();
  return s.str();
}

inline bool ZapisSubor(const std::string& cesta, const std::string& obsah) {
  return static_cast<bool>(std::ofstream(cesta, std::ios::binary) << obsah);
}

// The lines of a text file, without their newlines.
inline std::vector<std::string> Riadky(const std::string& cesta) {
  std::vector<std::string> out;
  std::ifstream f(cesta);
  for (std::string r; std::getline(f, r);) out.push_back(r);
  return out;
}
