#pragma once
// The record's anamnesis and examination columns in the forms the listing shows them.
#include "fichas/propriedades.h"
#include "frame/select_list.h"

namespace zolk::fichas {

// Adds the property columns of FichasClinicas in listing order, stopping before `stop` (the
// printout writes the hospitalisation notes and what follows them its own way).
void addRecordColumns(frame::sql::SelectList& list, Property stop);
void addRecordColumns(frame::sql::SelectList& list);

}  // namespace zolk::fichas

namespace zolk::fichas {

// The name of the visit type, shown by the listing and the printout.
inline constexpr const char* nomeDoTipoDeAtendimento =
    "SWITCH(FichasClinicas.TipoDeAtendimento=1,'Primeiro atendimento',"
    "FichasClinicas.TipoDeAtendimento=2,'Retorno') AS NomeDoTipoDeAtendimento";

}  // namespace zolk::fichas
