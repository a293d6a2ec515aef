// QVariant to and from the controls' Variant, guided by the property's kind: colours as QColor,
// enumerations by member name or value, numbers, booleans and texts as themselves. The
// control's own coercions do the rest, so a refused value is refused by the control.
#pragma once

#include <optional>

#include <QVariant>

#include <qdprogress/qt/property_info.h>

#include "platform/variant.h"

namespace qd::qt::detail {

// The Variant a put passes for `value`; none when a QVariant of that type cannot be passed.
std::optional<Variant> to_variant(const QVariant& value, const PropertyInfo* info);

// The QVariant of a property's value, typed after its kind.
QVariant from_variant(const Variant& value, const PropertyInfo* info);

// 0x00BBGGRR (a system colour resolved) as QColor, and back.
QColor colour_of(std::uint32_t ole);
std::int32_t ole_of(const QColor& colour);

}  // namespace qd::qt::detail
