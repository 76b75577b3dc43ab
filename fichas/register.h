#pragma once

namespace zolk::fichas {

// Makes ZOLK_N_FichasClinicas.clsFichasClinicas creatable through the object factory.
void registerClass();

}  // namespace zolk::fichas
