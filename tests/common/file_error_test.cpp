#include "common/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace gears {
namespace {

TEST(FileError, MapsErrno) {
  const struct {
    int err;
    FileError kind;
  } cases[] = {
      {0, FileError::None},           {ENOENT, FileError::NotFound},
      {ENOTDIR, FileError::NotFound}, {EACCES, FileError::AccessDenied},
      {EPERM, FileError::AccessDenied}, {EROFS, FileError::AccessDenied},
      {ENOSPC, FileError::DiskFull},  {EDQUOT, FileError::DiskFull},
      {EFBIG, FileError::DiskFull},   {EISDIR, FileError::IsDirectory},
      {EIO, FileError::Other},        {EMFILE, FileError::Other},
  };
  for (const auto& c : cases) EXPECT_EQ(fileErrorFromErrno(c.err), c.kind) << c.err;
}

TEST(FileError, FrenchDescriptions) {
  const struct {
    FileError kind;
    const char* text;
  } cases[] = {
      {FileError::None, ""},
      {FileError::NotFound, "Fichier introuvable"},
      {FileError::AccessDenied, "Accès refusé"},
      {FileError::DiskFull, "Disque plein"},
      {FileError::IsDirectory, "Un dossier porte le nom du fichier"},
      {FileError::TooManyLines, "Indice hors limites : le fichier contient plus de 166 lignes"},
      {FileError::Other, "Erreur d'entrée/sortie sur le fichier"},
  };
  for (const auto& c : cases) EXPECT_EQ(frenchDescription(c.kind), c.text);
}

}  // namespace
}  // namespace gears
