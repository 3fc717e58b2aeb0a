#pragma once
// Picture files, found the way the program names them: without regard to letter case and
// trailing blanks of the file name.
#include <QImage>
#include <QString>

namespace kwil {

// The existing file that `path` names (exact, or the one in its folder whose name matches
// ignoring case and trailing blanks); empty when there is none.
QString findFileIgnoringCase(const QString& path);

// The picture in the file; a null image when the file is missing or unreadable.
QImage LoadPicture(const QString& path);

}  // namespace kwil
