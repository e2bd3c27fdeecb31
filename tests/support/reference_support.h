#pragma once

#include <QByteArray>
#include <QString>

// Fixture files of the reference pages, written by the tests.
namespace testing {

// Windows-1251 bytes of a fixture text: ASCII, А to я, Ё and ё are all the
// fixtures need.
QByteArray Cp1251(const QString& text);

void WriteFile(const QString& path, const QByteArray& bytes);

// What stands at a reference file's path instead of a readable file.
enum class NotAFile { Missing, Directory, NamedPipe };

// Removes whatever is at path and puts the given thing there; false when
// that cannot be done.
bool PutInPlace(const QString& path, NotAFile kind);

// Removes a file, named pipe or empty directory at path.
void ClearPlace(const QString& path);

} // namespace testing
