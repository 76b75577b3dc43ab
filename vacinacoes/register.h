#pragma once

namespace zolk::vacinacoes {

// Makes ZOLK_N_FichasClinicas.clsVacinacoes creatable through the object factory.
void registerClass();

}  // namespace zolk::vacinacoes
