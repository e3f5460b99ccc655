// What the desktop tests share: a program folder of their own, message boxes that answer as
// told and remember what they showed, a sound player that remembers what it played, page
// pictures drawn here, and a way to act on a modal dialog once it is open.
#pragma once

#include "FonteDePaginas.h"
#include "Mensagens.h"
#include "Som.h"

#include <QApplication>
#include <QList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace vidalume::teste {

struct MensagemMostrada {
    QString titulo;
    QString texto;
    Mensagens::Icone icone;
    bool pergunta;
};

class MensagensTeste : public Mensagens {
public:
    QList<MensagemMostrada> mostradas;
    QList<bool> respostas; // the next answers to questions; Yes when none is left

    void informa(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        mostradas << MensagemMostrada{titulo, texto, icone, false};
    }
    bool pergunta(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        mostradas << MensagemMostrada{titulo, texto, icone, true};
        return respostas.isEmpty() ? true : respostas.takeFirst();
    }
};

struct SomTocado {
    QString arquivo; // the file name, without its folder
    bool repete;
};

class SomTeste : public Som {
public:
    QList<SomTocado> tocados;
    void toca(const QString& arquivo, bool repete) override;
};

// A program folder with the shipped interpretation files and pictures.
class PastaPrograma {
public:
    PastaPrograma();
    QString caminho() const { return dir_.path(); }
    QString arquivo(const QString& nome) const { return dir_.filePath(nome); }
    QByteArray conteudo(const QString& nome) const;
    void escreve(const QString& nome, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// `total` pages of W x 297 mm, each with a frame and its number.
PaginasProntas paginasDeTeste(int total, float larguraMm);
FonteDePaginas fonteDeTeste(int total, QList<QString>* nomesPedidos = nullptr);

// Runs `acao` on the modal dialog of type T as soon as it is open.
template <typename T> void quandoAbrir(std::function<void(T*)> acao) {
    auto tenta = std::make_shared<std::function<void()>>();
    *tenta = [acao, tenta] {
        if (auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget())) {
            acao(dialogo);
        } else {
            QTimer::singleShot(10, *tenta);
        }
    };
    QTimer::singleShot(0, *tenta);
}

} // namespace vidalume::teste
