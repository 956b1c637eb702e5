// Any bytes as the JSON text of the write command: the program's reader must
// take exactly what the JSON library takes, with the same values.
#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/JsonValue.h"

namespace {

bool Same(const nlohmann::json& a, const kz::cli::JsonValue& b) {
    using Kind = kz::cli::JsonValue::Kind;
    switch (b.kind()) {
        case Kind::Null:
            return a.is_null();
        case Kind::Bool:
            return a.is_boolean() && a.get<bool>() == b.Boolean();
        case Kind::Integer:
            return a.is_number_integer() && !a.is_number_unsigned() &&
                   a.get<long long>() == b.Integer();
        case Kind::Unsigned:
            return a.is_number_unsigned() && a.get<unsigned long long>() == b.Unsigned();
        case Kind::Float:
            return a.is_number_float() && a.get<double>() == b.Number() &&
                   std::signbit(a.get<double>()) == std::signbit(b.Number());
        case Kind::String:
            return a.is_string() && a.get<std::string>() == b.Text();
        case Kind::Array:
            if (!a.is_array() || a.size() != b.Size()) return false;
            for (std::size_t i = 0; i < b.Size(); ++i)
                if (!Same(a[i], b[i])) return false;
            return true;
        case Kind::Object: {
            if (!a.is_object()) return false;
            for (std::size_t i = 0; i < b.Size(); ++i)
                if (!a.contains(std::string(b.KeyAt(i)))) return false;
            for (const auto& [key, value] : a.items())
                if (!b.Find(key) || !Same(value, *b.Find(key))) return false;
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const nlohmann::json lib = nlohmann::json::parse(text, nullptr, false);
    kz::cli::JsonDocument ours;
    const bool read = ours.Parse(text);
    if (read != !lib.is_discarded()) __builtin_trap();
    if (read && !Same(lib, ours.Root())) __builtin_trap();
    return 0;
}
