#include "core/FileRecordSink.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "core/ContactFileName.h"
#include "core/QuotedPath.h"
#include "core/SystemErrorText.h"

namespace quillmere::core {

namespace {

constexpr int kMaxAttempts = 1000;

std::filesystem::path numbered(const std::filesystem::path& wanted, int attempt) {
  std::filesystem::path folder = wanted;
  if (attempt > 1) folder += " (" + std::to_string(attempt) + ")";
  return folder;
}

std::filesystem::path incomplete(std::filesystem::path folder) {
  folder += FileRecordSink::kIncompleteSuffix;
  return folder;
}

bool pathExists(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// The first of "folder", "folder (2)", "folder (3)", ... free under both its own name and its
// incomplete one, made under the incomplete one; `final` gets the name it is to take. Empty
// after `error` is set.
std::filesystem::path makeNewFolder(const std::filesystem::path& wanted,
                                    std::filesystem::path& final, int& attemptTaken, int& error) {
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::filesystem::path name = numbered(wanted, attempt);
    if (pathExists(name)) continue;
    std::filesystem::path made = incomplete(name);
    if (::mkdir(made.c_str(), 0777) == 0) {
      final = name;
      attemptTaken = attempt;
      return made;
    }
    if (errno != EEXIST) {
      error = errno;
      return {};
    }
  }
  error = EEXIST;
  return {};
}

}  // namespace

FileRecordSink::FileRecordSink(std::filesystem::path base, const LocalTime& at)
    : base_(std::move(base)),
      wanted_(datedExportFolder(base_.string(), at)),
      folder_(incomplete(wanted_)) {}

FileRecordSink::~FileRecordSink() {
  if (openFd_ < 0) return;
  // Only a run cut off before finish() gets here; what it counted as written still goes out.
  try {
    closeOpenFile();
  } catch (const SinkError&) {
    // A destructor cannot say so; finish() is where such a failure is reported.
  }
  if (openFd_ >= 0) ::close(openFd_);
}

void FileRecordSink::begin() {
  begun_ = true;
  int error = 0;
  std::filesystem::path made = makeNewFolder(wanted_, final_, finalAttempt_, error);
  if (made.empty()) {
    unusable_ =
        std::make_unique<SinkError>(SinkError::Kind::FolderNotMade, wanted_, error,
                                    "The folder " + quotedPath(wanted_) + " could not be made in " +
                                        quotedPath(base_) + ": " + explainSystemError(error) + ".");
    throw *unusable_;
  }
  folder_ = std::move(made);
  folderText_ = folder_.string() + "/";
}

bool FileRecordSink::madeByThisRun(const std::string& fileName) {
  // A deque keeps its elements in place as it grows, so the views stay valid.
  for (; indexed_ < created_.size(); ++indexed_)
    createdIndex_.insert(created_[indexed_]);
  return createdIndex_.count(fileName) > 0;
}

const char* FileRecordSink::pathOf(const std::string& fileName) {
  pathBuffer_.assign(folderText_);
  pathBuffer_.append(fileName);
  // A write cut off by a kill can end the shared file in the middle of a record, so until
  // the run completes the file's name says it is partial.
  if (isSharedFileName(fileName)) pathBuffer_.append(kPartialSuffix);
  return pathBuffer_.c_str();
}

int FileRecordSink::openFile(const std::string& fileName) {
  if (fileName == openName_ && openFd_ >= 0) return openFd_;
  closeOpenFile();
  // A file of this run is appended to; any other file of that name is never touched. Most
  // names are new, so the one system call that makes the file comes before any lookup.
  const char* path = pathOf(fileName);
  bool ours = false;
  int fd = ::open(path, O_WRONLY | O_APPEND | O_CLOEXEC | O_CREAT | O_EXCL, 0666);
  int error = fd < 0 ? errno : 0;  // taken at once: the look-up below may change errno
  if (error == EEXIST && madeByThisRun(fileName)) {
    ours = true;
    fd = ::open(path, O_WRONLY | O_APPEND | O_CLOEXEC);
    error = fd < 0 ? errno : 0;
  }
  if (fd < 0) {
    const std::filesystem::path file = folder_ / fileName;
    throw SinkError(SinkError::Kind::FileNotMade, file, error,
                    quotedPath(file) + " could not be created: " +
                        (error == EEXIST ? std::string("a file of that name is there already")
                                         : explainSystemError(error)) +
                        ".");
  }
  // Its size is asked once; only this sink writes to it, so it is counted from then on.
  struct stat info {};
  if (ours && ::fstat(fd, &info) != 0) {
    error = errno;
    ::close(fd);
    throw SinkError(SinkError::Kind::WriteFailed, folder_ / fileName, error,
                    quotedPath(folder_ / fileName) +
                        " could not be written: " + explainSystemError(error) + ".");
  }
  if (!ours) {
    created_.push_back(fileName);
    if (isSharedFileName(fileName)) sharedFilesMade_.push_back(fileName);
  }
  openFd_ = fd;
  openName_ = fileName;
  openSize_ = ours ? info.st_size : 0;
  openRecords_ = 0;
  reservedEnd_ = openSize_;
  reservable_ = true;
  return fd;
}

void FileRecordSink::closeOpenFile() {
  if (openFd_ < 0) return;
  writePending();
  // Room reserved past the last record is given back; should that fail, it costs room, not
  // records, and the close below still says whether the records were kept.
  if (reservedEnd_ > openSize_) static_cast<void>(::ftruncate(openFd_, openSize_));
  const int fd = openFd_;
  openFd_ = -1;
  if (::close(fd) != 0) {
    const int error = errno;
    const std::filesystem::path file = folder_ / openName_;
    openName_.clear();
    throw SinkError(
        SinkError::Kind::CloseFailed, file, error,
        quotedPath(file) + " could not be saved completely: " + explainSystemError(error) + ".");
  }
  openName_.clear();
}

void FileRecordSink::append(const std::string& fileName, std::string_view record) {
  if (!begun_) begin();
  if (unusable_ != nullptr) throw *unusable_;
  const int fd = openFile(fileName);
  // A file's first record goes out at once: a separate file holds that one alone.
  if (openRecords_ > 0 && fitsReserved(fd, record.size() + 2)) {
    pending_.append(record);
    pending_.append("\r\n");
    pendingEnds_.push_back(pending_.size());
    ++openRecords_;
    if (pending_.size() >= kPendingBytes && !writePending()) {
      // This record is among those lost, and counted as not written by the caller.
      --lostRecords_;
      throwLost();
    }
    return;
  }
  if (!writePending()) throwLost();
  writeWhole(fd, fileName, record);
  ++openRecords_;
}

bool FileRecordSink::fitsReserved(int fd, std::size_t bytes) {
  const off_t end = openSize_ + static_cast<off_t>(pending_.size() + bytes);
  if (end <= reservedEnd_) return true;
  if (!reservable_) return false;
  off_t reserveTo = std::max(end, reservedEnd_ + kReserveBytes);
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    // A record past the limit goes out on its own, and fails there whole.
    if (static_cast<rlim_t>(end) > limit.rlim_cur) return false;
    reserveTo = std::min(reserveTo, static_cast<off_t>(limit.rlim_cur));
  }
  if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, reservedEnd_, reserveTo - reservedEnd_) == 0) {
    reservedEnd_ = reserveTo;
    return true;
  }
  // A full disk, a quota or a file system without reserving: one write per record from here,
  // after giving back whatever part of the room was taken.
  reservable_ = false;
  if (writePending()) static_cast<void>(::ftruncate(fd, openSize_));
  reservedEnd_ = openSize_;
  return false;
}

bool FileRecordSink::writePending() {
  if (pending_.empty()) return true;
  std::size_t done = 0;
  int error = 0;
  while (done < pending_.size()) {
    const ssize_t written = ::write(openFd_, pending_.data() + done, pending_.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (written == 0) {
      error = EIO;
      break;
    }
    done += static_cast<std::size_t>(written);
  }
  const auto whole = static_cast<std::size_t>(
      std::upper_bound(pendingEnds_.begin(), pendingEnds_.end(), done) - pendingEnds_.begin());
  const std::size_t kept = whole == 0 ? 0 : pendingEnds_[whole - 1];
  const std::size_t lost = pendingEnds_.size() - whole;
  pending_.clear();
  pendingEnds_.clear();
  if (error == 0) {
    openSize_ += static_cast<off_t>(kept);
    return true;
  }
  // The records that reached the file whole stay; the one cut short is taken back.
  const std::filesystem::path file = folder_ / openName_;
  if (::ftruncate(openFd_, openSize_ + static_cast<off_t>(kept)) != 0) {
    const int truncateError = errno;
    throw SinkError(SinkError::Kind::LeftIncomplete, file, error,
                    quotedPath(file) + " could not be written: " + explainSystemError(error) +
                        "; the part that was written could not be taken back (" +
                        explainSystemError(truncateError) +
                        "), so its last contact is incomplete.");
  }
  openSize_ += static_cast<off_t>(kept);
  lostRecords_ += lost;
  lostFile_ = file;
  lostError_ = error;
  lostReason_ = explainSystemError(error);
  return false;
}

void FileRecordSink::throwLost() {
  throw SinkError(SinkError::Kind::WriteFailed, lostFile_, lostError_,
                  quotedPath(lostFile_) + " could not be written: " + lostReason_ + ".");
}

void FileRecordSink::writeWhole(int fd, const std::string& fileName, std::string_view record) {
  const off_t before = openSize_;
  static constexpr char kLineEnd[] = "\r\n";
  iovec parts[2] = {{const_cast<char*>(record.data()), record.size()},
                    {const_cast<char*>(kLineEnd), 2}};
  std::size_t remaining = record.size() + 2;
  int error = 0;
  while (remaining > 0) {
    const ssize_t written = ::writev(fd, parts, 2);
    if (written < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (written == 0) {
      error = EIO;
      break;
    }
    // Skip what went out and go on with the rest.
    std::size_t done = static_cast<std::size_t>(written);
    remaining -= done;
    for (iovec& part : parts) {
      const std::size_t taken = std::min(done, part.iov_len);
      part.iov_base = static_cast<char*>(part.iov_base) + taken;
      part.iov_len -= taken;
      done -= taken;
    }
  }
  if (error == 0) {
    openSize_ += static_cast<off_t>(record.size() + 2);
    return;
  }

  // Whole or not at all: take back what part of the record reached the file.
  const std::filesystem::path file = folder_ / fileName;
  if (::ftruncate(fd, before) != 0) {
    const int truncateError = errno;
    throw SinkError(SinkError::Kind::LeftIncomplete, file, error,
                    quotedPath(file) + " could not be written: " + explainSystemError(error) +
                        "; the part that was written could not be taken back (" +
                        explainSystemError(truncateError) +
                        "), so its last contact is incomplete.");
  }
  if (before == 0) {
    // A file this record would have begun is removed again, so nothing half-made remains.
    const std::string name = fileName;
    closeOpenFile();
    ::unlink(pathOf(name));
    // A file begun by this record is the last one made.
    if (!created_.empty() && created_.back() == name) {
      if (indexed_ == created_.size()) {
        createdIndex_.erase(created_.back());
        --indexed_;
      }
      if (isSharedFileName(name)) sharedFilesMade_.pop_back();
      created_.pop_back();
    }
  }
  throw SinkError(SinkError::Kind::WriteFailed, file, error,
                  quotedPath(file) + " could not be written: " + explainSystemError(error) + ".");
}

void FileRecordSink::finish() {
  closeOpenFile();
  if (lostRecords_ > 0) {
    throw SinkError(SinkError::Kind::RecordsLost, lostFile_, lostError_,
                    quotedPath(lostFile_) + " lacks the last " + std::to_string(lostRecords_) +
                        (lostRecords_ == 1 ? " contact" : " contacts") +
                        " counted as written before it could not be written: " + lostReason_ + ".");
  }
}

void FileRecordSink::complete() {
  if (final_.empty() || unusable_ != nullptr) return;
  // A stopped run's parts keep their partial names; only a run that took every row completes.
  while (!sharedFilesMade_.empty()) {
    const std::string shared = sharedFilesMade_.front();
    const std::string partial = pathOf(shared);
    const std::filesystem::path whole = folder_ / shared;
    if (::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, whole.c_str(), RENAME_NOREPLACE) != 0) {
      const int error = errno;
      throw SinkError(SinkError::Kind::NotCompleted, whole, error,
                      quotedPath(std::filesystem::path(partial)) +
                          " holds every contact but could not be renamed " +
                          quotedPath(whole.filename()) + ": " + explainSystemError(error) + ".");
    }
    sharedFilesMade_.pop_front();
  }
  // Another program may have taken the name meanwhile; nothing of its is ever replaced.
  int error = EEXIST;
  for (int attempt = finalAttempt_; attempt <= kMaxAttempts && error == EEXIST; ++attempt) {
    const std::filesystem::path name = numbered(wanted_, attempt);
    if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
      folder_ = name;
      folderText_ = folder_.string() + "/";
      final_.clear();
      return;
    }
    error = errno;
  }
  throw SinkError(SinkError::Kind::NotCompleted, folder_, error,
                  "The folder " + quotedPath(folder_) +
                      " holds every contact but could not be renamed " +
                      quotedPath(final_.filename()) + ": " + explainSystemError(error) + ".");
}

}  // namespace quillmere::core
