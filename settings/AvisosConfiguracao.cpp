#include "settings/AvisosConfiguracao.h"

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidalume {

namespace {

// Why the settings file `nome` of `pasta` cannot be read; empty when it can or is missing.
QString ilegivel(const QString& pasta, const QString& nome) {
    const QFileInfo info(QDir(pasta).filePath(nome));
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (!info.isFile()) {
        // Never opened: a FIFO would block the reader until something wrote to it.
        return QStringLiteral("não é um arquivo comum");
    }
    QFile arquivo(info.filePath());
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return !info.isReadable() ? QStringLiteral("sem permissão de leitura")
                                  : QStringLiteral("não pôde ser aberto");
    }
    return {};
}

QString milimetros(float valor) {
    return Margens::texto(valor) + QStringLiteral(" mm");
}

QString avisoMargens(const QString& pasta) {
    bool ajustadas = false;
    const Margens m = Margens::le(pasta, &ajustadas);
    if (!ajustadas) {
        return {};
    }
    return QStringLiteral("o arquivo %1 tem margens que a página não comporta (negativas, "
                          "grandes demais ou danificadas); foram usadas as margens esquerda "
                          "%2, superior %3, direita %4 e inferior %5.")
        .arg(Margens::kArquivo, milimetros(m.MargemEsquerda), milimetros(m.MargemSuperior),
             milimetros(m.MargemDireita), milimetros(m.MargemInferior));
}

QString avisoFontes(const QString& pasta) {
    const FontesAnalise f = FontesAnalise::le(pasta);
    for (const DadosFonte* fonte : {&f.FonteTitulo, &f.FonteDescricao, &f.FonteTexto}) {
        if (!fonte->tamanhoUsavel()) {
            return QStringLiteral("o arquivo %1 tem um tamanho de fonte fora de %2 a %3 pontos; "
                                  "foi usado o tamanho mais próximo, ou o padrão da fonte.")
                .arg(FontesAnalise::kArquivo)
                .arg(DadosFonte::kMenorTamanho)
                .arg(DadosFonte::kMaiorTamanho);
        }
    }
    return {};
}

} // namespace

QStringList AvisosConfiguracao::confere(const QString& pasta) {
    QStringList avisos;
    for (const QString& nome :
         {Configuracao::kArquivo, FontesAnalise::kArquivo, Margens::kArquivo,
          LinhasRodape::kArquivo, OpcoesMapa::kArquivo, HarmoniaCabalistica::kArquivo}) {
        if (const QString motivo = ilegivel(pasta, nome); !motivo.isEmpty()) {
            avisos << QStringLiteral("o arquivo de configurações %1 não pôde ser lido (%2); "
                                     "foram usadas as configurações padrão dele.")
                          .arg(nome, motivo);
        }
    }
    for (const QString& aviso : {avisoMargens(pasta), avisoFontes(pasta)}) {
        if (!aviso.isEmpty()) {
            avisos << aviso;
        }
    }
    return avisos;
}

} // namespace vidalume
