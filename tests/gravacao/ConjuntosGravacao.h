// Two known contents for every file the program saves: two interpretation records (in files
// of several records) and the four settings files. Shared by the writer that is killed and
// by the test that looks at what it left behind.
#pragma once

#include <QString>
#include <QStringList>

namespace vidalume::teste {

// The files written, by name in the program folder.
QStringList arquivosGravados();

// Fills an empty folder: interpretation files of five records, every file in content 0.
void preparaPasta(const QString& pasta);

// Writes every file in content `qual` (0 or 1), one file after the other, each in one save.
// False when a save failed.
bool gravaConjunto(const QString& pasta, int qual);

} // namespace vidalume::teste
