#include "engine/CandidatosNome.h"

#include "engine/EntradaDados.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace vidalume {

namespace {

using Tipo = MudancaNome::Tipo;

// How many spellings are built between two looks at the cancel flag.
constexpr int kPassoCancelar = 256;

const std::array<QChar, 4> kFinais{u'H', u'E', u'A', u'Y'};

bool ehParticula(QStringView palavra) {
    static const QStringList kParticulas{QStringLiteral("DA"),  QStringLiteral("DAS"),
                                         QStringLiteral("DE"),  QStringLiteral("DO"),
                                         QStringLiteral("DOS"), QStringLiteral("E")};
    return kParticulas.contains(palavra.toString());
}

// The marked letters a plain letter may become.
QString marcasDe(QChar c) {
    switch (c.unicode()) {
    case u'A':
        return QStringLiteral("ÁÀÂÃ");
    case u'E':
        return QStringLiteral("ÉÊ");
    case u'I':
        return QStringLiteral("Í");
    case u'O':
        return QStringLiteral("ÓÔÕ");
    case u'U':
        return QStringLiteral("Ú");
    case u'C':
        return QStringLiteral("Ç");
    default:
        return {};
    }
}

bool letraSimples(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// One word of the original: [inicio, fim) in characters, its index among the words.
struct Palavra {
    int inicio = 0, fim = 0;
    bool particula = false;
    bool meio = false; // neither the first nor the last word, and no particle
};

QList<Palavra> palavras(const QString& original) {
    QList<Palavra> lista;
    for (int i = 0; i < original.size();) {
        int fim = original.indexOf(u' ', i);
        if (fim < 0) {
            fim = int(original.size());
        }
        lista.append({i, fim, ehParticula(QStringView(original).mid(i, fim - i)), false});
        i = fim + 1;
    }
    for (int w = 1; w + 1 < lista.size(); ++w) {
        lista[w].meio = !lista[w].particula;
    }
    return lista;
}

// The index of the word holding character `i` (0-based).
int palavraDe(const QList<Palavra>& lista, int i) {
    for (int w = 0; w < lista.size(); ++w) {
        if (i < lista[w].fim) {
            return w;
        }
    }
    return int(lista.size()) - 1;
}

// The value the school gives `letra`, as a name holding it would be read.
int valorNaEscola(const RegrasCalculo& regras, QChar letra) {
    const QString normal = regras.normalizaNome(QString(letra));
    return normal.isEmpty() ? 0 : regras.valorLetra(normal.at(0));
}

bool conflitam(const MudancaNome& a, int palavraA, const MudancaNome& b, int palavraB) {
    if (a.tipo == Tipo::Dobra && b.tipo == Tipo::Dobra) {
        return true;
    }
    if (palavraA == palavraB && (a.tipo == Tipo::Nome || b.tipo == Tipo::Nome ||
                                 (a.tipo == Tipo::Final && b.tipo == Tipo::Final))) {
        return true;
    }
    const auto naLetra = [](const MudancaNome& m) {
        return m.tipo == Tipo::Acento || m.tipo == Tipo::Cedilha || m.tipo == Tipo::Dobra;
    };
    return naLetra(a) && naLetra(b) && a.posicao == b.posicao;
}

// Writes the runs `mudancas` make of `original` to `saida(texto, tipo)`.
template <typename Saida>
void percorre(const QString& original, const QList<MudancaNome>& mudancas, Saida&& saida) {
    const auto mudancaEm = [&mudancas](int posicao, Tipo tipo) -> const MudancaNome* {
        for (const MudancaNome& m : mudancas) {
            if (m.posicao == posicao &&
                (m.tipo == tipo || (tipo == Tipo::Acento && m.tipo == Tipo::Cedilha))) {
                return &m;
            }
        }
        return nullptr;
    };
    const int n = int(original.size());
    for (int i = 0; i < n; ++i) {
        const int posicao = i + 1;
        if (const MudancaNome* nome = mudancaEm(posicao, Tipo::Nome)) {
            int fim = int(original.indexOf(u' ', i));
            fim = fim < 0 ? n : fim;
            if (nome->letra.isNull()) {
                saida(original.mid(i, fim - i), TrechoNome::Tipo::Removido);
                i = fim; // the space after the dropped name goes with it
            } else {
                saida(QString(nome->letra) + u'.', TrechoNome::Tipo::Alterado);
                i = fim - 1;
            }
            continue;
        }
        if (const MudancaNome* marca = mudancaEm(posicao, Tipo::Acento)) {
            saida(QString(marca->letra), TrechoNome::Tipo::Alterado);
        } else {
            saida(QString(original.at(i)), TrechoNome::Tipo::Igual);
        }
        if (const MudancaNome* dobra = mudancaEm(posicao, Tipo::Dobra)) {
            saida(QString(dobra->letra), TrechoNome::Tipo::Alterado);
        }
        if (const MudancaNome* final = mudancaEm(posicao, Tipo::Final)) {
            saida(QString(final->letra), TrechoNome::Tipo::Alterado);
        }
    }
}

void acrescentaMarcas(QList<MudancaNome>& lista, const QString& original, const Palavra& p,
                      const CandidatosNome::Opcoes& opcoes, const RegrasCalculo& regras) {
    for (int i = p.inicio; i < p.fim; ++i) {
        const QChar c = original.at(i);
        if (opcoes.acentos) {
            for (QChar marcada : marcasDe(c)) {
                if (valorNaEscola(regras, marcada) != valorNaEscola(regras, c)) {
                    lista.append({c == u'C' ? Tipo::Cedilha : Tipo::Acento, i + 1, marcada});
                }
            }
        }
        const bool dobravel = letraSimples(c) && (i == p.inicio || original.at(i - 1) != c) &&
                              (i + 1 == p.fim || original.at(i + 1) != c);
        if (opcoes.dobras && dobravel) {
            lista.append({Tipo::Dobra, i + 1, c});
        }
    }
}

// Builds every spelling of `tamanho` changes from `possiveis` not yet in `vistos`.
class Busca {
public:
    Busca(const QString& original, const QList<MudancaNome>& possiveis,
          const CandidatosNome::Opcoes& opcoes, const std::atomic<bool>* cancelar,
          CandidatosNome::Resultado& r)
        : original_(original), possiveis_(possiveis), opcoes_(opcoes), cancelar_(cancelar), r_(r) {
        const QList<Palavra> lista = palavras(original);
        for (const MudancaNome& m : possiveis) {
            palavra_.append(palavraDe(lista, m.posicao - 1));
        }
        vistos_.insert(original);
    }

    // False when the search stopped (cancelled or full).
    bool percorreTamanho(int tamanho) {
        escolhidas_.clear();
        return desce(0, tamanho);
    }

    bool jaVisto(const QString& nome) const { return vistos_.contains(nome); }

private:
    bool desce(int de, int faltam) {
        if (faltam == 0) {
            return guarda();
        }
        for (int i = de; i < possiveis_.size(); ++i) {
            const bool cabe = std::none_of(escolhidas_.cbegin(), escolhidas_.cend(), [&](int j) {
                return conflitam(possiveis_[i], palavra_[i], possiveis_[j], palavra_[j]);
            });
            if (!cabe) {
                continue;
            }
            escolhidas_.append(i);
            const bool segue = desce(i + 1, faltam - 1);
            escolhidas_.removeLast();
            if (!segue) {
                return false;
            }
        }
        return true;
    }

    bool guarda() {
        if (++passos_ % kPassoCancelar == 0 && cancelar_ && cancelar_->load()) {
            r_.cancelado = true;
            r_.completo = false;
            return false;
        }
        CandidatoGerado c;
        for (int i : escolhidas_) {
            c.mudancas.append(possiveis_[i]);
        }
        c.nome = CandidatosNome::aplica(original_, c.mudancas);
        if (vistos_.contains(c.nome)) {
            return true;
        }
        if (r_.candidatos.size() >= opcoes_.maximo) {
            r_.completo = false;
            return false;
        }
        vistos_.insert(c.nome);
        c.totalMudancas = int(c.mudancas.size());
        r_.candidatos.append(std::move(c));
        return true;
    }

    const QString& original_;
    const QList<MudancaNome>& possiveis_;
    const CandidatosNome::Opcoes& opcoes_;
    const std::atomic<bool>* cancelar_;
    CandidatosNome::Resultado& r_;
    QList<int> palavra_; // the word of each possible change
    QList<int> escolhidas_;
    QSet<QString> vistos_;
    long long passos_ = 0;
};

void acrescentaProprios(CandidatosNome::Resultado& r, const QStringList& proprios) {
    for (const QString& digitado : proprios) {
        const QString nome = CandidatosNome::original(digitado);
        if (nome.isEmpty() || nome == r.original) {
            continue;
        }
        const auto igual =
            std::find_if(r.candidatos.begin(), r.candidatos.end(),
                         [&nome](const CandidatoGerado& c) { return c.nome == nome; });
        if (igual != r.candidatos.end()) {
            igual->proprio = true;
            continue;
        }
        r.candidatos.append({nome, {}, true, CandidatosNome::distancia(r.original, nome)});
    }
}

} // namespace

QString CandidatosNome::original(const QString& nome) {
    return RegrasCalculo::maiusculas(EntradaDados::preparaNome(nome)).simplified();
}

QList<MudancaNome> CandidatosNome::possiveis(const QString& original, const Opcoes& opcoes,
                                             const RegrasCalculo& regras) {
    QList<MudancaNome> lista;
    for (const Palavra& p : palavras(original)) {
        if (p.particula) {
            continue;
        }
        if (opcoes.nomes && p.meio) {
            lista.append({Tipo::Nome, p.inicio + 1, QChar()});
            if (p.fim - p.inicio > 1 && letraSimples(original.at(p.inicio))) {
                lista.append({Tipo::Nome, p.inicio + 1, original.at(p.inicio)});
            }
        }
        acrescentaMarcas(lista, original, p, opcoes, regras);
        if (opcoes.finais && letraSimples(original.at(p.fim - 1))) {
            for (QChar f : kFinais) {
                lista.append({Tipo::Final, p.fim, f});
            }
        }
    }
    std::stable_sort(lista.begin(), lista.end(), [](const MudancaNome& a, const MudancaNome& b) {
        return a.posicao < b.posicao;
    });
    return lista;
}

CandidatosNome::Resultado CandidatosNome::gera(const QString& nome, const Opcoes& opcoes,
                                               const RegrasCalculo& regras,
                                               const std::atomic<bool>* cancelar) {
    Resultado r;
    r.original = original(nome);
    const QList<MudancaNome> lista = possiveis(r.original, opcoes, regras);
    const int profundidade = std::clamp(opcoes.profundidade, 1, kProfundidadeMaxima);
    Busca busca(r.original, lista, opcoes, cancelar, r);
    for (int tamanho = 1; tamanho <= profundidade; ++tamanho) {
        if (!busca.percorreTamanho(tamanho)) {
            break;
        }
    }
    if (!r.cancelado) {
        acrescentaProprios(r, opcoes.proprios);
    }
    return r;
}

QString CandidatosNome::aplica(const QString& original, const QList<MudancaNome>& mudancas) {
    QString nome;
    nome.reserve(original.size() + 3);
    percorre(original, mudancas, [&nome](const QString& texto, TrechoNome::Tipo tipo) {
        if (tipo != TrechoNome::Tipo::Removido) {
            nome += texto;
        }
    });
    return nome;
}

QList<TrechoNome> CandidatosNome::trechos(const QString& original,
                                          const QList<MudancaNome>& mudancas) {
    QList<TrechoNome> lista;
    percorre(original, mudancas, [&lista](const QString& texto, TrechoNome::Tipo tipo) {
        if (!lista.isEmpty() && lista.last().tipo == tipo && tipo != TrechoNome::Tipo::Removido) {
            lista.last().texto += texto;
        } else {
            lista.append({texto, tipo});
        }
    });
    return lista;
}

QString CandidatosNome::marcado(const QList<TrechoNome>& trechos) {
    QString texto;
    for (const TrechoNome& t : trechos) {
        switch (t.tipo) {
        case TrechoNome::Tipo::Igual:
            texto += t.texto;
            break;
        case TrechoNome::Tipo::Alterado:
            texto += u'[' + t.texto + u']';
            break;
        case TrechoNome::Tipo::Removido:
            texto += QStringLiteral("[-") + t.texto + QStringLiteral("] ");
            break;
        }
    }
    return texto;
}

bool CandidatosNome::compativeis(const QString& original, const MudancaNome& a,
                                 const MudancaNome& b) {
    const QList<Palavra> lista = palavras(original);
    return !conflitam(a, palavraDe(lista, a.posicao - 1), b, palavraDe(lista, b.posicao - 1));
}

int CandidatosNome::distancia(const QString& a, const QString& b) {
    QList<int> anterior(b.size() + 1), atual(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j) {
        anterior[j] = j;
    }
    for (int i = 1; i <= a.size(); ++i) {
        atual[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int troca = anterior[j - 1] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            atual[j] = std::min({anterior[j] + 1, atual[j - 1] + 1, troca});
        }
        std::swap(anterior, atual);
    }
    return anterior[b.size()];
}

} // namespace vidalume
