#pragma once

namespace zolk::components {

// Registers the provider and the text-treatment service with the object factory.
void registerComponents();

}  // namespace zolk::components
