#include "qt/src/variant_convert.h"

#include <limits>

#include <QColor>

#include "host/raster/system_colours.h"

namespace qd::qt::detail {

QColor colour_of(std::uint32_t ole) {
    std::uint32_t pixel = ole & 0xFFFFFFu;
    host::resolve_colour(static_cast<OLE_COLOR>(ole), &pixel);
    return QColor(pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF);
}

std::int32_t ole_of(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

std::optional<Variant> to_variant(const QVariant& value, const PropertyInfo* info) {
    switch (value.metaType().id()) {
        case QMetaType::QColor:
            return Variant(ole_of(value.value<QColor>()));
        case QMetaType::Bool:
            return Variant::boolean(value.toBool());
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::UChar:
        case QMetaType::SChar:
            return Variant(static_cast<std::int32_t>(value.toInt()));
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            const qlonglong v = value.toLongLong();
            if (v >= std::numeric_limits<std::int32_t>::min() &&
                v <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(v));
            return Variant(value.toDouble());
        }
        case QMetaType::Double:
        case QMetaType::Float:
            return Variant(value.toDouble());
        default:
            break;
    }
    if (!value.isValid() || !value.canConvert<QString>()) {
        // An enumeration of a typed widget arrives as its Q_ENUM value.
        if (value.metaType().flags() & QMetaType::IsEnumeration)
            return Variant(static_cast<std::int32_t>(value.toInt()));
        return std::nullopt;
    }
    if (value.metaType().flags() & QMetaType::IsEnumeration)
        return Variant(static_cast<std::int32_t>(value.toInt()));
    const QString text = value.toString();
    if (info && info->kind == PropertyInfo::Kind::Enumeration) {
        const qsizetype at = info->enumNames.indexOf(text.trimmed(), 0);
        if (at >= 0)
            return Variant(static_cast<std::int32_t>(info->enumValues[at]));
    }
    return Variant(std::string_view(text.toStdString()));
}

QVariant from_variant(const Variant& value, const PropertyInfo* info) {
    using Kind = PropertyInfo::Kind;
    try {
        switch (info ? info->kind : Kind::Other) {
            case Kind::Colour:
                return colour_of(static_cast<std::uint32_t>(value.to_int32()));
            case Kind::Boolean:
                return value.to_bool() != VARIANT_FALSE;
            case Kind::Number:
                return value.to_double();
            case Kind::Integer:
            case Kind::Enumeration:
                return static_cast<int>(value.to_int32());
            case Kind::Text:
                return QString::fromStdString(value.to_text());
            case Kind::Other:
                break;
        }
    } catch (const RuntimeError&) {
        return {};
    }
    switch (value.type()) {
        case VarType::Int16:
            return static_cast<int>(value.i2());
        case VarType::Int32:
            return static_cast<int>(value.i4());
        case VarType::Float32:
            return static_cast<double>(value.r4());
        case VarType::Float64:
            return value.r8();
        case VarType::Bool:
            return value.boolean_value() != VARIANT_FALSE;
        case VarType::Text:
            return QString::fromUtf8(value.str().data(),
                                     static_cast<qsizetype>(value.str().size()));
        default:
            return {};
    }
}

}  // namespace qd::qt::detail
