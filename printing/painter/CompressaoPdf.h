// How hard the page and font streams of the program's own PDF files are compressed.
//
// Qt's PDF writer compresses every page and font with zlib at zlib's default level and
// offers no setting for it; a page of justified text is about 100 KB of drawing commands,
// and at the default level compressing them costs a fifth of writing the whole document.
// zlib's fastest level makes the same pages in well under half that time, for files about
// a quarter larger.
//
// While an object of this class lives on a thread, zlib streams that this thread opens at
// zlib's default level use `nivel` instead; an explicit level given by any caller, streams
// opened on other threads and everything outside the object's lifetime are left as they
// are. The level is applied where zlib's two plain entry points (deflateInit and compress2,
// the ones Qt's PDF writer calls) are resolved for the whole program, forwarding to zlib
// itself.
#pragma once

namespace vidalume {

class CompressaoPdf {
public:
    static constexpr int kRapida = 1; // zlib's Z_BEST_SPEED

    explicit CompressaoPdf(int nivel = kRapida);
    ~CompressaoPdf();
    CompressaoPdf(const CompressaoPdf&) = delete;
    CompressaoPdf& operator=(const CompressaoPdf&) = delete;

    // The level this thread compresses at by default now: -1 when none was chosen.
    static int nivelAtual();

private:
    int anterior_;
};

} // namespace vidalume
