// Where the program's pictures lie: SVG files in the "imagens" folder of the program folder.
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
