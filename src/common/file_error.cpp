#include "common/file_error.h"

#include <cerrno>

namespace gears {

FileError fileErrorFromErrno(int err) {
  switch (err) {
    case 0:
      return FileError::None;
    case ENOENT:
    case ENOTDIR:
      return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileError::DiskFull;
    case EISDIR:
      return FileError::IsDirectory;
    default:
      return FileError::Other;
  }
}

std::string_view frenchDescription(FileError error) {
  switch (error) {
    case FileError::None:
      return "";
    case FileError::NotFound:
      return "Fichier introuvable";
    case FileError::AccessDenied:
      return "Acc\xC3\xA8s refus\xC3\xA9";
    case FileError::DiskFull:
      return "Disque plein";
    case FileError::IsDirectory:
      return "Un dossier porte le nom du fichier";
    case FileError::TooManyLines:
      return "Indice hors limites : le fichier contient plus de 166 lignes";
    case FileError::Other:
      break;
  }
  return "Erreur d'entr\xC3\xA9" "e/sortie sur le fichier";
}

}  // namespace gears
