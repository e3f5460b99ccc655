// Saves every file of a program folder over and over, alternating between its two known
// contents, until it is killed: the writer the crash test kills at random moments. It says
// "gravando" on its standard output once it has started writing. Should the test that
// started it go away, it stops by itself (after a minute at the latest).
//
//     vidalume_gravador_continuo <program folder>
#include "tests/gravacao/ConjuntosGravacao.h"

#include <QElapsedTimer>

#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: vidalume_gravador_continuo <pasta>\n");
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    const pid_t pai = getppid();
    QElapsedTimer relogio;
    relogio.start();
    std::fputs("gravando\n", stdout);
    std::fflush(stdout);
    for (int volta = 1; getppid() == pai && relogio.elapsed() < 60'000; ++volta) {
        if (!vidalume::teste::gravaConjunto(pasta, volta % 2)) {
            std::fprintf(stderr, "falha ao gravar\n");
            return 1;
        }
    }
    return 0;
}
