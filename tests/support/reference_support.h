#pragma once

#include <QByteArray>
#include <QString>

// Fixture files of the reference pages, written by the tests.
namespace testing {

// Windows-1251 bytes of a fixture text: ASCII, А to я, Ё and ё are all the
// fixtures need.
QByteArray Cp1251(const QString& text);

void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace testing
