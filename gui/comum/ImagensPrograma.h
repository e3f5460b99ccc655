// Where the program's pictures lie: SVG files in the folder "imagens" of the read-only folder
// that PastaDados::recursos names for the program folder.
#pragma once

#include <QIcon>
#include <QString>

namespace vidalume {

class ImagensPrograma {
public:
    // The file of picture `nome` ("criar", "volta", ...).
    static QString caminho(const QString& pastaPrograma, const QString& nome);
    // The file of sign picture `indice` (1 to 12, as SignoDoNascimento gives it).
    static QString signo(const QString& pastaPrograma, int indice);
    static QIcon icone(const QString& pastaPrograma, const QString& nome);
};

} // namespace vidalume
