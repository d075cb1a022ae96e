#include "core/SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace quillmere::core {

std::string explainSystemError(int error) {
  switch (error) {
    case ENOSPC:
      return "the disk is full";
    case EDQUOT:
      return "your disk quota is used up";
    case EFBIG:
      return "the file would grow too large for this disk or this system";
    case EACCES:
    case EPERM:
      return "you may not write there";
    case EROFS:
      return "the disk can only be read";
    case ENOENT:
      return "the folder does not exist (any more)";
    case ENOTDIR:
      return "a part of the path is not a folder";
    case ENAMETOOLONG:
      return "the path is too long";
    case EIO:
      return "the disk reported an error";
    case EISDIR:
      return "a folder of that name is there";
    default:
      return std::strerror(error);
  }
}

}  // namespace quillmere::core
