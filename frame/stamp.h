#pragma once
// Who wrote a row and when: the server time read by the operation and the user's name. Every
// table the classes write carries these stamp columns; their literals are written only here,
// the name with its quotes doubled (Sant'Anna is stored as Sant'Anna).
#include <string>

#include "platform/date_time.h"

namespace zolk::frame {

struct Stamp {
    platform::DateTime time;
    std::string userName;

    // The time in the default date-to-text conversion, quoted: '15/05/2024 09:05:03'.
    std::string timeLiteral() const;
    // The user's name, quoted, its quotes doubled.
    std::string userLiteral() const;
};

namespace sql {
// The values of "DataEHoraDaInclusao," "UsuarioDaInclusao)": time, a bare comma, name.
std::string insertionStamp(const Stamp& stamp);
// "DataEHoraDaAlteracao='...', UsuarioDaAlteracao='name' " (a blank, no comma, at the end).
std::string changeStamp(const Stamp& stamp);
}  // namespace sql

}  // namespace zolk::frame
