#pragma once
// The user data object: a keyed collection read through its default member with a key text.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dispatch.h"

namespace zolk::components {

class DadosDoUsuario : public platform::Dispatchable {
public:
    // Adds or replaces the value under a key (keys ignore letter case).
    void Add(const platform::Variant& item, std::string_view key);
    // The value under a key; a missing key raises 5 (as a VB Collection does).
    const platform::Variant& Item(std::string_view key) const;
    bool Exists(std::string_view key) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    void Remove(std::string_view key);

    std::string className() const override { return "DadosDoUsuario"; }
    const platform::MemberTable& memberTable() const override;
    platform::Variant defaultValue(std::vector<platform::Variant>& args) override;

private:
    struct Entry {
        std::string key;
        platform::Variant value;
    };
    const Entry* find(std::string_view key) const;
    std::vector<Entry> entries_;
};

}  // namespace zolk::components
