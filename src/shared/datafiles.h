#pragma once
// Finding the program's data files (pictures, sounds, narration) on a case-sensitive file
// system. The program names them Windows-style, relative to its own folder, and not always
// with the same letter case ("\Afbeeldingen\ImgSchemaBelOnbediend.bmp" and
// "...OnBediend.bmp" are one file), so every part of the name is matched without regard to
// letter case and trailing blanks.
#include <QString>

namespace kwil {

// The real path of an existing file named relative to the program folder, such as
// "\Geluiden\SndVerder.wav" or "\Teksten\Hoofdstuk 1\Kwil 1-5.mp3"; the empty text when
// there is no such file.
QString dataFilePath(const QString& relativeName);

// The same for a full name as the program builds it: the program folder followed by a
// Windows-style relative name (programFolder() + "\Geluiden\SndVerder.wav"). A name outside
// the program folder is looked up from the root of the file system in the same way.
QString dataFileName(const QString& fullName);

// The same under any folder (the folder itself is taken as it is spelled).
QString findFileIgnoringCase(const QString& folder, const QString& relativeName);

}  // namespace kwil
