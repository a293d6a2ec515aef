// The tagged variant that crosses library boundaries, with the coercions a late-bound client
// relies on.
//
// Layout: a type tag and a union; a Text owns a malloc'ed UTF-8 buffer and an Object holds a
// reference, so a Variant may be created in one module and destroyed in another. Coercions
// follow the host runtime: numbers convert with half-even rounding and range checks (Overflow,
// 6), texts convert through text_to_double (TypeMismatch, 13, for anything not a number; "150"
// into a single is 150, "1e40" into a single overflows), Empty converts to 0, False or the empty
// text, and booleans are -1 (True) and 0 (False).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <qdprogress/com.h>

namespace qd {

using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum class VarType : std::int16_t {
    Empty = 0,
    Int16 = 2,
    Int32 = 3,
    Float32 = 4,
    Float64 = 5,
    Text = 8,
    Object = 9,
    Bool = 11,
};

class Variant {
  public:
    Variant() = default;
    Variant(std::int16_t v) : type_(VarType::Int16) { u_.i2 = v; }
    Variant(std::int32_t v) : type_(VarType::Int32) { u_.i4 = v; }
    Variant(float v) : type_(VarType::Float32) { u_.r4 = v; }
    Variant(double v) : type_(VarType::Float64) { u_.r8 = v; }
    Variant(std::string_view text);
    Variant(const char* text) : Variant(std::string_view(text)) {}
    // An Object variant takes its own reference.
    explicit Variant(IUnknown* object);
    static Variant boolean(bool v);

    Variant(const Variant& o);
    Variant(Variant&& o) noexcept;
    Variant& operator=(const Variant& o);
    Variant& operator=(Variant&& o) noexcept;
    ~Variant();

    VarType type() const { return type_; }
    bool is_empty() const { return type_ == VarType::Empty; }

    // Raw access; valid only for the matching type.
    std::int16_t i2() const { return u_.i2; }
    std::int32_t i4() const { return u_.i4; }
    float r4() const { return u_.r4; }
    double r8() const { return u_.r8; }
    VARIANT_BOOL boolean_value() const { return u_.b; }
    std::string_view str() const { return u_.s ? std::string_view(u_.s) : std::string_view(); }
    IUnknown* object() const { return u_.obj; }

    // Coercions; each raises the run-time error of a failed conversion.
    std::int16_t to_int16() const;
    std::int32_t to_int32() const;
    float to_single() const;
    double to_double() const;
    VARIANT_BOOL to_bool() const;
    std::string to_text() const;  // numbers as the host's text of a number

    friend bool operator==(const Variant& a, const Variant& b);

  private:
    void clear();
    void copy_from(const Variant& o);

    VarType type_ = VarType::Empty;
    union {
        std::int16_t i2;
        std::int32_t i4;
        float r4;
        double r8;
        VARIANT_BOOL b;
        char* s;
        IUnknown* obj;
    } u_{};
};

}  // namespace qd
