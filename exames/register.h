#pragma once

namespace zolk::exames {

// Makes ZOLK_N_FichasClinicas.clsExames creatable through the object factory.
void registerClass();

}  // namespace zolk::exames
