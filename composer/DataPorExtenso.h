// A birth date written in words, as the page header shows it: "29 de novembro de 1978".
#pragma once

#include <QString>

namespace vidalume {

class DataPorExtenso {
public:
    // `data` as "dd/mm/yyyy"; a text that is no such date is returned unchanged.
    static QString formata(const QString& data);
    // The name of month `mes` (1 to 12) in lower case ("março"); empty for any other value.
    static QString nomeMes(int mes);
};

} // namespace vidalume
