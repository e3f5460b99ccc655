// The word after a file is saved: where it went, with the offer to open the file, or the
// folder that holds it, in the desktop's program for it. Every save of a document the user
// asked for (a PDF, a text document) ends with it, so that no save closes its dialog silently.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace vidalume {

class Mensagens;

class ArquivoGravado {
public:
    // Opens an address in the desktop's program for it; false when nothing opened it.
    using AbreEndereco = std::function<bool(const QUrl&)>;

    static const QString kAbrirArquivo; // "&Abrir o arquivo"
    static const QString kAbrirPasta;   // "Abrir a &pasta"
    static const QString kOk;           // "&OK", the one Enter presses

    // Tells "`oQue` em:" and the path of `arquivo`, with the three buttons above; the file or
    // its folder is handed to `abre` when asked for. An address that nothing opens is told.
    static void avisa(QWidget* pai, Mensagens& mensagens, const QString& oQue,
                      const QString& arquivo, const AbreEndereco& abre);

    // What tells that nothing opened `caminho`.
    static QString naoAbriu(const QString& caminho);
};

} // namespace vidalume
