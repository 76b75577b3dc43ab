#include "frame/stamp.h"

#include "frame/sql_literals.h"

namespace zolk::frame {

std::string Stamp::timeLiteral() const { return sql::stamp(time); }

std::string Stamp::userLiteral() const { return sql::text(userName); }

namespace sql {

std::string insertionStamp(const Stamp& stamp) { return stamp.timeLiteral() + "," + stamp.userLiteral(); }

std::string changeStamp(const Stamp& stamp) {
    return "DataEHoraDaAlteracao=" + stamp.timeLiteral() + ", UsuarioDaAlteracao=" + stamp.userLiteral() + " ";
}

}  // namespace sql

}  // namespace zolk::frame
