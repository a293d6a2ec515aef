#include "platform/variant.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "foundation/ascii.h"
#include "foundation/number_text.h"
#include "foundation/numeric.h"

namespace qd {

namespace {

char* copy_text(std::string_view text) {
    char* s = static_cast<char*>(std::malloc(text.size() + 1));
    if (!s)
        throw std::bad_alloc();
    std::memcpy(s, text.data(), text.size());
    s[text.size()] = '\0';
    return s;
}

}  // namespace

Variant::Variant(std::string_view text) : type_(VarType::Text) {
    u_.s = copy_text(text);
}

Variant::Variant(IUnknown* object) : type_(VarType::Object) {
    u_.obj = object;
    if (object)
        object->AddRef();
}

Variant Variant::boolean(bool v) {
    Variant r;
    r.type_ = VarType::Bool;
    r.u_.b = v ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

Variant::Variant(const Variant& o) {
    copy_from(o);
}

Variant::Variant(Variant&& o) noexcept : type_(o.type_), u_(o.u_) {
    o.type_ = VarType::Empty;
    o.u_.r8 = 0;
}

Variant& Variant::operator=(const Variant& o) {
    if (this != &o) {
        Variant tmp(o);
        *this = std::move(tmp);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& o) noexcept {
    if (this != &o) {
        clear();
        type_ = o.type_;
        u_ = o.u_;
        o.type_ = VarType::Empty;
        o.u_.r8 = 0;
    }
    return *this;
}

Variant::~Variant() {
    clear();
}

void Variant::clear() {
    if (type_ == VarType::Text)
        std::free(u_.s);
    if (type_ == VarType::Object && u_.obj)
        u_.obj->Release();
    type_ = VarType::Empty;
    u_.r8 = 0;
}

void Variant::copy_from(const Variant& o) {
    type_ = o.type_;
    u_ = o.u_;
    if (type_ == VarType::Text)
        u_.s = copy_text(o.str());
    if (type_ == VarType::Object && u_.obj)
        u_.obj->AddRef();
}

double Variant::to_double() const {
    switch (type_) {
        case VarType::Empty:
            return 0.0;
        case VarType::Int16:
            return u_.i2;
        case VarType::Int32:
            return u_.i4;
        case VarType::Float32:
            return u_.r4;
        case VarType::Float64:
            return u_.r8;
        case VarType::Bool:
            return u_.b;
        case VarType::Text:
            if (iequals_ascii(str(), "True"))
                return -1.0;
            if (iequals_ascii(str(), "False"))
                return 0.0;
            return text_to_double(str());
        case VarType::Object:
            break;
    }
    raise(ErrorNumber::TypeMismatch);
}

float Variant::to_single() const {
    if (type_ == VarType::Float32)
        return u_.r4;
    return qd::to_single(to_double());
}

std::int16_t Variant::to_int16() const {
    if (type_ == VarType::Int16)
        return u_.i2;
    return round_i16(to_double());
}

std::int32_t Variant::to_int32() const {
    if (type_ == VarType::Int32)
        return u_.i4;
    return round_i32(to_double());
}

VARIANT_BOOL Variant::to_bool() const {
    if (type_ == VarType::Bool)
        return u_.b;
    return to_double() != 0.0 ? VARIANT_TRUE : VARIANT_FALSE;
}

std::string Variant::to_text() const {
    switch (type_) {
        case VarType::Empty:
            return "";
        case VarType::Int16:
            return std::to_string(u_.i2);
        case VarType::Int32:
            return std::to_string(u_.i4);
        case VarType::Float32:
            return single_to_text(u_.r4);
        case VarType::Float64:
            return double_to_text(u_.r8);
        case VarType::Bool:
            return u_.b ? "True" : "False";
        case VarType::Text:
            return std::string(str());
        case VarType::Object:
            break;
    }
    raise(ErrorNumber::TypeMismatch);
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.type_ != b.type_)
        return false;
    switch (a.type_) {
        case VarType::Empty:
            return true;
        case VarType::Int16:
            return a.u_.i2 == b.u_.i2;
        case VarType::Int32:
            return a.u_.i4 == b.u_.i4;
        case VarType::Float32:
            return std::memcmp(&a.u_.r4, &b.u_.r4, sizeof(float)) == 0;
        case VarType::Float64:
            return std::memcmp(&a.u_.r8, &b.u_.r8, sizeof(double)) == 0;
        case VarType::Bool:
            return a.u_.b == b.u_.b;
        case VarType::Text:
            return a.str() == b.str();
        case VarType::Object:
            return a.u_.obj == b.u_.obj;
    }
    return false;
}

}  // namespace qd
