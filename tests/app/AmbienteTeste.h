// What the desktop, editor and printing tests share: Qt's test and widget classes, a program
// folder of their own, message boxes that answer as told and remember what they showed, a sound
// player that remembers what it played, page pictures drawn here, and ways to reach a control
// and to act on a modal dialog once it is open.
#pragma once

#include "app/Som.h"
#include "gui/comum/Mensagens.h"
#include "gui/relatorio/FonteDePaginas.h"

#include <QtTest>
#include <QtWidgets>

namespace vidalume::teste {

using namespace Qt::StringLiterals;
using Icone = Mensagens::Icone;

// A message as the tests compare it: "title|text|icon", with a "?" after a question.
inline QString mensagem(const QString& titulo, const QString& texto, Icone icone,
                        bool pergunta = false) {
    static const char* const kIcones[] = {"crítico", "exclamação", "informação", "pergunta"};
    return titulo + u'|' + texto + u'|' + QString::fromUtf8(kIcones[int(icone)]) +
           (pergunta ? u"?"_s : QString());
}

// The program's and the editor's message boxes: every message is recorded, and questions are
// answered from `respostas` (Yes once it is empty), choices from `escolhas`.
class MensagensTeste : public Mensagens {
public:
    QStringList mostradas;
    QList<bool> respostas;

    void informa(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        mostradas << mensagem(titulo, texto, icone);
    }
    bool pergunta(QWidget*, const QString& titulo, const QString& texto, Icone icone,
                  BotaoPadrao padrao = BotaoPadrao::Sim) override {
        mostradas << mensagem(titulo, texto, icone, true) +
                         (padrao == BotaoPadrao::Nao ? u"(não)"_s : QString());
        return respostas.isEmpty() || respostas.takeFirst();
    }
    // Recorded as "title|text|icon[button/button]"; answered from `escolhas` (the last
    // button, as Esc, once it is empty).
    QList<int> escolhas;
    int escolhe(QWidget*, const QString& titulo, const QString& texto, Icone icone,
                const QStringList& botoes, int padrao = 0) override {
        mostradas << mensagem(titulo, texto, icone) + u'[' + botoes.join(u'/') + u']' +
                         (padrao != 0 ? u"(%1)"_s.arg(botoes.value(padrao)) : QString());
        return escolhas.isEmpty() ? int(botoes.size()) - 1 : escolhas.takeFirst();
    }
};

class SomTeste : public Som {
public:
    QStringList tocados; // file names without their folder, "+" after a looping one
    void toca(const QString& arquivo, bool repete) override {
        tocados << QFileInfo(arquivo).fileName() + (repete ? u"+"_s : QString());
    }
};

// A program folder with the shipped interpretation files and pictures.
class PastaPrograma {
public:
    PastaPrograma();
    QString caminho() const { return dir_.path(); }
    QString arquivo(const QString& nome) const { return dir_.filePath(nome); }
    QByteArray conteudo(const QString& nome) const {
        QFile f(arquivo(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void escreve(const QString& nome, const QByteArray& bytes) const {
        QFile f(arquivo(nome));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bytes);
        }
    }

private:
    QTemporaryDir dir_;
};

// `total` pages of W x 297 mm, each with a frame one device pixel thin, a line of text and a
// bar.
PaginasProntas paginasDeTeste(int total, float larguraMm);

// The child control `nome` of `pai`; a missing one ends the test program.
template <typename T = QWidget> T* filho(const QObject* pai, const QString& nome) {
    T* w = pai->findChild<T*>(nome);
    if (w == nullptr) {
        qFatal("controle %s não encontrado", qPrintable(nome));
    }
    return w;
}

inline void clica(const QObject* pai, const QString& botao) {
    filho<QAbstractButton>(pai, botao)->click();
}

// The texts a list offers, in its order.
inline QStringList itens(const QComboBox* lista) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i) {
        textos << lista->itemText(i);
    }
    return textos;
}

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
