// The least a conversion into separate files can cost: creating files of the same number
// and sizes as a folder of converted contacts, each with one open, write and close.
// Usage: create-files MODEL-FOLDER NEW-FOLDER
// Prints files, bytes and seconds (the creating only, not the reading of the model).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: create-files MODEL-FOLDER NEW-FOLDER\n", stderr);
    return 2;
  }
  const std::string model = argv[1];
  const std::string target = argv[2];
  std::vector<std::pair<std::string, off_t>> files;
  DIR* folder = opendir(model.c_str());
  if (folder == nullptr) {
    std::perror(model.c_str());
    return 2;
  }
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (stat((model + "/" + name).c_str(), &info) == 0) files.emplace_back(name, info.st_size);
  }
  closedir(folder);
  off_t largest = 0;
  for (const auto& file : files)
    largest = std::max(largest, file.second);
  const std::string content(static_cast<std::size_t>(largest), 'x');

  const auto start = std::chrono::steady_clock::now();
  if (mkdir(target.c_str(), 0777) != 0) {
    std::perror(target.c_str());
    return 2;
  }
  unsigned long long bytes = 0;
  for (const auto& [name, size] : files) {
    const int fd =
        open((target + "/" + name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 || write(fd, content.data(), static_cast<std::size_t>(size)) != size ||
        close(fd) != 0) {
      std::perror(name.c_str());
      return 1;
    }
    bytes += static_cast<unsigned long long>(size);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("files=%zu bytes=%llu seconds=%.4f\n", files.size(), bytes, seconds);
  return 0;
}
